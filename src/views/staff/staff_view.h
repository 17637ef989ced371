// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The staff view: a header line, bass-clef systems with the key signature
// and a row of note columns each, the melody written into those columns,
// and six picture buttons along the bottom edge.
#include "doc/staff_column.h"
#include "framework/bitmap_button.h"
#include "views/melody/melody_view.h"
#include "framework/view.h"
#include "model/note_value.h"
#include "model/pitch.h"

#include <QByteArray>

#include <cstddef>
#include <vector>

class CVoldrimDoc;
class CStaffPosition;

class CStaffView : public CMelodyView {
public:
    // The pictures the view shows as it first appears, for rendering ahead.
    static std::vector<QByteArray> FirstPictures();
    // The view's two window timers: the end of a single sounded note, and
    // the playback tick of one eighth note.
    static constexpr UINT_PTR kSingleNoteTimer = 1;
    static constexpr UINT_PTR kPlaybackTimer = 2;

    CStaffView();
    CVoldrimDoc* GetDocument() const;

    void OnDraw(CDC* pDC) override;
    // A chosen note or tempo repaints the header band only; every other
    // hint all of it.
    void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;

    // Header and staves, into the given (paint) device context.
    void DrawHeader(CDC* pDC);
    // The status line's band, whose text stands at the right edge.
    CRect StatusLineRect() const;
    // Below the header: that the program listens and what it hears, and
    // how many notes the staff has no room for.
    void DrawStatusLine(CDC* pDC, const CVoldrimDoc& doc);
    // How far the note heard is from true: its cents, and a tuner's needle
    // on a scale from 50 cents flat to 50 sharp, from the given x on.
    void DrawTuner(CDC* pDC, int left, int cents);
    void DrawStaves(CDC* pDC);
    void DrawKeySignature(CDC& dc, int topLineY);

    // Signs at their anchor point. Drawing outside a painting goes at once
    // into a window device context (CStaffWindowDC).
    void DrawBassClef(CDC& dc, int x, int y);
    void DrawSharp(CDC& dc, int x, int y);
    void DrawFlat(CDC& dc, int x, int y);
    void DrawNatural(CDC& dc, int x, int y);

    // Notes: one at once on the window, or into the given device context.
    void DrawNote(const CRect& rcNote, int pitch, const CRect& rcLabel, const CString& name, NoteValue value);
    void DrawNote(CDC& dc, const CRect& rcNote, int pitch, const CRect& rcLabel, const CString& name,
                  NoteValue value);
    // The written columns, and the naturals of the chromatic key, that the
    // device context's clip region reaches.
    void RedrawMelody(CDC& dc);
    void DrawNaturals(CDC& dc);
    void DrawNoteName(CDC& dc, const CRect& rcLabel, const CString& name);
    void DrawAccidentalForName(CDC& dc, const CString& name, const CRect& rcNote);

    // The melody of the document and the staff columns (melody_columns.cpp).
    // ReplaceMelody writes and draws it at once on the window.
    void ReplaceMelody();
    // Writes the record of the melody with the given index into the next
    // column, and draws it into the device context when one is given.
    void PlaceMelodyNote(CDC* dc, int pitch, NoteValue value, int record);
    // The written columns read back into the document's melody.
    void SyncMelodyList();

    // Whatever this view draws, through the paint or a window device
    // context, is also appended here while it is set.
    void SetDrawRecorder(std::vector<GdiCall>* calls) { m_pDrawRecorder = calls; }
    std::vector<GdiCall>* DrawRecorder() const { return m_pDrawRecorder; }

    int ColumnLimit() const { return m_nColumnLimit; }
    int ClientWidth() const { return m_nClientWidth; }
    int ClientHeight() const { return m_nClientHeight; }

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    int OnCreate() override;
    void OnSize(UINT type, int cx, int cy) override;
    BOOL OnSetCursor();
    void enterEvent(QEnterEvent* event) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnKeyDown(UINT nChar, UINT repeatCount, UINT flags) override;
    void OnKeyUp(UINT nChar, UINT repeatCount, UINT flags) override;
    void OnTimer(UINT_PTR id) override;

private:
    void CreateButtons();
    void PlaceButtons();
    // A resize that leaves the systems and their columns as they were keeps
    // the picture, when it shows a whole painting: only what the new size
    // changes is painted, with what was pending before.
    void KeepPictureIfLayoutStays(int oldColumnCount, int oldSystems, const QRegion& pending);
    // The melody written into the columns from the first on; each note is
    // drawn into the device context when one is given.
    void WriteMelody(CDC* dc);
    // The melody written again after a resize that kept the picture: the
    // painting draws the columns where it reaches when they show what the
    // picture shows; otherwise the whole view is painted again.
    void ReplaceMelodyInKeptPicture(CDC& dc);
    // Writes the note into the column on the position's row and makes it
    // the current note; drawing is left to the caller (melody_columns.cpp).
    void WriteColumn(CStaffColumn& column, const CStaffPosition& position, int pitch, NoteValue value);
    // The pending note (pending_note.cpp): the note still to be shown after
    // the melody has been redrawn, one written by a staff click, or one
    // handed over by the fingerboard or a question.
    void ShowPendingNote();
    // Writes the pitch into the next column, draws and sounds it.
    void PlaceNote(int pitch);
    // Entry (staff_entry.cpp).
    enum class ClickMode { Place, Erase };
    void EvaluateClick(CPoint point, ClickMode mode);
    // Says why a running question takes no click here, if it does not.
    bool RefusesClickForQuestion();
    void EraseColumn(std::size_t columnIndex);
    void WriteClickedNote(std::size_t columnIndex, const CStaffPosition& position, int pitch);
    // Single notes (single_note_sound.cpp): sounds the pitch for one second.
    void SoundNote(int pitch);
    void EndSingleNote();
    // Playback (staff_playback.cpp).
    void OnPlay();
    void OnStop();
    void PlaybackTick();
    bool EndSoundingItem();
    void EndPlayback();
    void DrawMarker(const CRect& rcColumn);
    void EraseMarker();
    // The Title button (melody_title.cpp) and the Exit button (exit_button.cpp).
    void OnTitle();
    void OnExit();

    int m_nColumnLimit = 0;
    int m_nClientWidth = 0;
    int m_nClientHeight = 0;
    int m_nPlayingNote = kNoPitch;
    int m_nTicksLeft = 0;
    bool m_bNotePlaced = false;
    bool m_bStopRequested = false;
    CBrush m_brBackground;
    CBrush m_brBlack;
    CBrush m_brRed;
    CString m_strClassName;
    CRect m_rcNote;
    CRect m_rcLabel;
    CRect m_rcMarker;
    // Index of the next item of the document's play list.
    std::size_t m_posPlay = 0;
    CFont m_fontHeader;
    CFont m_fontStatus;
    CBitmapButton m_btnPlay;
    CBitmapButton m_btnErase;
    CBitmapButton m_btnTempo;
    CBitmapButton m_btnStop;
    CBitmapButton m_btnTitle;
    CBitmapButton m_btnExit;
    CPen m_penNote;

    std::vector<GdiCall>* m_pDrawRecorder = nullptr;
    // The columns as the kept picture shows them, until the melody is
    // written into the new layout.
    bool m_bPictureKept = false;
    std::vector<CStaffColumn> m_shownColumns;
};
