// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one document of the program: fingerboard stops, staff layout,
// melody, options, quiz state and the MIDI output. The views read and
// write its members directly; the document never draws.
#include "doc/accidental_memory.h"
#include "doc/note_series.h"
#include "doc/play_item.h"
#include "doc/question.h"
#include "doc/staff_column.h"
#include "doc/staff_position.h"
#include "doc/update_hint.h"
#include "framework/document.h"
#include "framework/gdi_objects.h"
#include "model/finger_stop.h"
#include "model/key.h"
#include "model/note_value.h"
#include "model/pitch.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

class CDC;
class CMidiDevice;
struct CPrintInfo;

class CVoldrimDoc : public CDocument {
public:
    // m_nLastColumn while no column has been written.
    static constexpr int kNoColumn = -1;
    // What PositionAt gives for a point on no row.
    static constexpr std::size_t kNoPosition = static_cast<std::size_t>(-1);
    // The tempo a run starts with: a quarter note of 600 ms, Allegro.
    static constexpr int kStartTempo = 600;
    // The most a melody file may hold. The title dialog takes 30
    // characters and the largest staff shows about 1,700 notes, so these
    // leave room to spare; more comes only from a damaged or hostile file,
    // and taking it would cost gigabytes.
    static constexpr std::uint64_t kLongestMelodyText = 65535;
    static constexpr std::uint32_t kMostMelodyNotes = 100000;
    // How much of a title or composer the caption and a printed page show.
    static constexpr int kLongestCaptionText = 100;

    CVoldrimDoc();
    ~CVoldrimDoc() override;

    // Ends any question and empties the written melody; repaints everything.
    void ResetState();
    // The same without ending the question.
    void ClearMelody();
    // Empties every staff column, without repainting.
    void ClearColumns();
    // Writing starts again at the first column; repaints everything.
    void ResetColumnCursor();
    void ClearHeldKeys();
    // The Tempo dialog's tempo when it closes: every move of its bar has
    // already set it, so Cancel keeps the tempo last shown as well.
    void TakeChosenTempo(int tempo);
    // The MIDI dialog's switch when it closes; its test note, still
    // sounding, is ended. Device, channel and instrument took effect inside
    // the dialog.
    void TakeMidiChoice(bool useMidi, bool testNoteSounding, int testNote);
    // A letter key that chooses a rhythmic value went down or up; other
    // keys are ignored. Virtual-key codes are the upper-case letters.
    void SetHeldKey(UINT virtualKey, bool down);
    HeldKeys GetHeldKeys() const;
    // Marks every stop in or out of the key; the caller has stored the key.
    void ApplyKey(Key key);
    void NameStops();
    // Rebuilds the staff rows and columns for the staff view's client
    // rectangle and number of systems; sets m_nColumnCount.
    void BuildStaffLayout(int left, int top, int right, int bottom, int systems);
    // The index in m_positionList of the row whose hit rectangle holds the
    // point, the upper one where two overlap; kNoPosition for none.
    std::size_t PositionAt(CPoint point) const;
    // The row of the column that carries the pitch (a rest: the top row),
    // or nullptr when none does.
    const CStaffPosition* FindRowOfPitch(std::size_t column, int pitch) const;
    bool IsQuestionRunning() const { return m_nQuestionState == QuestionRunning; }
    // While weak notes are practised, the running question's lit stop and
    // written note show no name: they would give the answer away.
    bool HidesQuestionNames() const { return m_bWeakNotes && IsQuestionRunning(); }

    // The melody and the columns that show it (voldrim_doc_melody.cpp). The
    // melody holds every note; the columns show as many as the staff has
    // room for, each knowing its record.
    // Reads the written columns back into the melody: a column's record
    // takes its note, a new note becomes a record in its place, and the
    // records that no column shows (past the end of the staff, or of a
    // pitch no row carries) keep their order around them.
    void SyncMelodyFromColumns();
    // Removes from the melody the record the column shows, if any.
    void RemoveRecordOf(std::size_t column);
    // Notes and rests of the melody that the staff has no column for.
    std::size_t CountNotesPastStaff() const;
    // For each record of the melody, the hit rectangle of the column that
    // shows it; empty for a record no column shows.
    std::vector<CRect> ColumnsOfRecords() const;
    // The melody replaced by another, as opening a file does: the key is
    // applied, the caption set, and the staff shows it at its next paint.
    void TakeMelody(Key key, const CString& title, const CString& composer, CObjectList<CNoteSeries> melody);
    // A melody from another program in place of this one, as opening a
    // file puts it: with its tempo, under no file name, and with the undo
    // history started afresh (voldrim_doc_history.cpp).
    void ReplaceMelody(Key key, int tempo, const CString& title, const CString& composer,
                       CObjectList<CNoteSeries> melody);

    // Undo and the question whether to save (voldrim_doc_history.cpp).
    // A change to the melody, its key, title or composer made between the
    // construction and the end of a CMelodyChange can be undone in one
    // step. Changes while a question runs are the quiz's own and are not
    // kept; undoing ends the question.
    class CMelodyChange {
    public:
        explicit CMelodyChange(CVoldrimDoc& doc);
        ~CMelodyChange();
        CMelodyChange(const CMelodyChange&) = delete;
        CMelodyChange& operator=(const CMelodyChange&) = delete;

    private:
        CVoldrimDoc& m_doc;
    };
    bool CanUndo() const { return !m_undoStates.empty(); }
    void Undo();
    bool IsModified() const override;
    void SetModifiedFlag(bool modified = true) override;
    BOOL OnOpenDocument(const CString& path) override;
    // One printed page: its notes, then its frame (voldrim_doc_print.cpp).
    void PrintMelodyNotes(CDC* pDC, CPrintInfo* pInfo);
    void PrintPageFrame(CDC* pDC, CPrintInfo* pInfo);

    void DeleteContents() override;
    BOOL OnNewDocument() override;
    // The melody file: key, tempo, title, composer and melody (voldrim_doc_file.cpp).
    void Serialize(CArchive& ar) override;

    // The main window's caption for the melody's title and composer.
    static CString CaptionFor(const CString& title, const CString& composer);
    // A title or composer as the caption and a printed page show it:
    // control characters (a file may hold any byte) left out, and a long
    // text cut short, since a window manager takes only so much and a page
    // line no more.
    static CString ShownText(const CString& text);
    void UpdateCaption();

    CMidiDevice* m_pMidiDevice = nullptr;
    CString m_strNoteName;
    CString m_strQuestion;
    CString m_strMelodyTitle;
    CString m_strMelodyComposer;
    CRect m_rcHighlight;
    CObjectList<CFingerStop> m_stopList;
    // 17 rows per column, column after column, and the columns in order,
    // system after system; both kept by value.
    std::vector<CStaffPosition> m_positionList;
    std::vector<CStaffColumn> m_columnList;
    CObjectList<CPlayItem> m_playList;
    CObjectList<CNoteSeries> m_melody;
    int m_nSystems = 0;
    LabelMode m_nLabelMode = LabelNoteNames;
    int m_nCurrentPitch = kNoPitch;
    int m_nLastColumn = kNoColumn;
    int m_nColumnCount = 0;
    QuestionState m_nQuestionState = NoQuestion;
    QuestionMode m_nQuestionMode = QuestionModeBoth;
    QuestionType m_nQuestionType = AnswerOnStaff;
    int m_nQuestionPitch = kNoPitch;
    NoteValue m_nNoteValue = NoteQuarter;
    int m_nCorrect = 0;
    int m_nIncorrect = 0;
    // "Practise Weak Notes": questions go after the notes the practice
    // history shows the student misses or is slow to find.
    bool m_bWeakNotes = false;
    // When the running question appeared, or appeared again after a
    // wrong answer: an answer's response time runs from here.
    std::chrono::steady_clock::time_point m_questionShownAt;
    Key m_nKey = KeyC;
    int m_nTempo = kStartTempo;
    bool m_bUseMidi = true;
    bool m_bStaffNoteShown = true;
    bool m_bPlaying = false;
    bool m_bStaffNames = true;
    bool m_bAllPositions = false;
    bool m_bContinuousPlay = false;
    // The program listens to the student's cello, and the note it hears
    // now (kNoPitch for none).
    bool m_bListening = false;
    int m_nHeardPitch = kNoPitch;
    // How far the note heard is from true, in cents.
    int m_nHeardCents = 0;
    // The note the fingerboard hands to the staff was played on the
    // student's cello: the staff writes it without sounding it.
    bool m_bPendingNoteHeard = false;
    bool m_bPrintDone = false;
    bool m_bShowOpenStrings = true;
    bool m_bReloadMelody = false;
    bool m_bFirstNew = true;
    bool m_bHeldH = false;
    bool m_bHeldW = false;
    bool m_bHeldT = false;
    bool m_bHeldE = false;
    bool m_bHeldD = false;
    bool m_bHeldR = false;
    CAccidentalMemory m_accidentals;
    CBrush m_brPrint;
    CPen m_penPrint;

private:
    // What a melody file holds but the tempo: what undo brings back.
    struct MelodyState {
        Key key = KeyC;
        CString title;
        CString composer;
        std::vector<std::pair<NoteValue, int>> notes;
        bool operator==(const MelodyState& other) const;
        bool operator!=(const MelodyState& other) const { return !(*this == other); }
    };
    MelodyState CurrentMelodyState() const;
    // What ResetState does besides emptying the melody: no question, no
    // chosen note, no playback, writing from the first column.
    void EndQuestionAndPlayback();

    // Columns in each system of the layout; the same in every system.
    int m_nColumnsPerSystem = 0;
    // The states before each change that undo can bring back, the latest last.
    std::vector<MelodyState> m_undoStates;
    // The state before the outermost change under way, and how deep the
    // changes under way are nested.
    MelodyState m_stateBeforeChange;
    int m_nChangeDepth = 0;
    bool m_bChangeKept = false;
    // What was last opened or saved.
    MelodyState m_savedState;
    int m_nSavedTempo = kStartTempo;

    void MapCommands();
    // An option item that sets a member to a value, checked while it has it.
    template <typename T>
    void MapOption(UINT id, T CVoldrimDoc::*option, T value);
    void OnKey(Key key);
    void OnErase();
    // Update handlers: every one drops the held keys first.
    void EnableWhileIdle(CCmdUI* ui);
    void CheckWhen(CCmdUI* ui, bool checked);
};
