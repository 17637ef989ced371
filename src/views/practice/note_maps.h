// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fingerboard's stops and the staff's rows, each note coloured by how
// well it is known: red for none of its answers right, through yellow, to
// green for all; pale for a note not asked yet. A note's accuracy is
// written beside it on the staff, and its answers and median response time
// show when the pointer rests on it.
#include "practice/practice_reader.h"

#include <QWidget>

#include <vector>

class CNoteMap : public QWidget {
public:
    // The notes of one side (and one key, or every key: kAllKeys).
    void Show(const std::vector<NoteStanding>& standings, PracticeSide side, int key);
    // The note drawn at the point (in the widget's pixels), or 0.
    int PitchAt(const QPoint& point) const;
    // Where the note is drawn; empty when it is not.
    QRectF RectOf(int pitch) const;
    // What the pointer resting on the note shows.
    QString DescriptionOf(int pitch) const;
    // The colour a note is filled with.
    static QColor ColourOf(const NoteStanding* standing);

protected:
    explicit CNoteMap(QWidget* parent) : QWidget(parent) {}
    // A note as drawn: its pitch, its place in the widget, and on the
    // staff which of its row's notes it is (a row may carry two: F and F#).
    struct Mark {
        int pitch;
        QRectF rect;
        int inRow = 0;
    };
    // Where the notes of the key (or of every key) go in a widget this size.
    virtual std::vector<Mark> Layout(int key) const = 0;
    virtual void PaintBackground(QPainter& painter) const = 0;
    virtual void PaintMark(QPainter& painter, const Mark& mark, const NoteStanding* standing) const;
    const NoteStanding* StandingOf(int pitch) const;
    QString SideName() const;

    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

    std::vector<NoteStanding> m_standings;
    PracticeSide m_side = PracticeSide::Staff;
    int m_key = kAllKeys;
};

// The four strings with their seven stops each, the nut at the top; a stop
// no question asks is an outline.
class CFingerboardMap : public CNoteMap {
public:
    explicit CFingerboardMap(QWidget* parent);

protected:
    std::vector<Mark> Layout(int key) const override;
    void PaintBackground(QPainter& painter) const override;
    // The stop with its note's name inside.
    void PaintMark(QPainter& painter, const Mark& mark, const NoteStanding* standing) const override;
};

// The bass staff with a head on each row for its note (two where keys
// write a row differently), written as a cluster is: a line's head left,
// a space's right, so that no two heads overlap. Each row's notes are
// named with their share of right answers after the staff.
class CStaffMap : public CNoteMap {
public:
    explicit CStaffMap(QWidget* parent);

protected:
    std::vector<Mark> Layout(int key) const override;
    void PaintBackground(QPainter& painter) const override;
    void PaintMark(QPainter& painter, const Mark& mark, const NoteStanding* standing) const override;

private:
    // Heads side by side: a line's and a space's, twice over for every
    // key, where a row may carry two notes.
    int HeadsAcross() const;
    // Half a line space, from one row to the next: as much as both the
    // height and the width (heads and names) allow.
    double RowStep() const;
    double RowY(int row) const;
    double HeadWidth() const;
    // Where the staff's lines end, and the names begin.
    double StaffRight() const;
};
