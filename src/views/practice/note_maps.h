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
    // A note as drawn: its pitch and its place in the widget.
    struct Mark {
        int pitch;
        QRectF rect;
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

// The four strings with their seven stops each, the nut at the top.
class CFingerboardMap : public CNoteMap {
public:
    explicit CFingerboardMap(QWidget* parent);

protected:
    std::vector<Mark> Layout(int key) const override;
    void PaintBackground(QPainter& painter) const override;
};

// One bass-clef column: the five lines, the ledger lines, and a head on
// each row for its note (two where keys write a row differently).
class CStaffMap : public CNoteMap {
public:
    explicit CStaffMap(QWidget* parent);

protected:
    std::vector<Mark> Layout(int key) const override;
    void PaintBackground(QPainter& painter) const override;
    void PaintMark(QPainter& painter, const Mark& mark, const NoteStanding* standing) const override;
};
