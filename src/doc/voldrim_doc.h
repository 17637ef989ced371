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

#include <cstddef>
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
    // One printed page: its notes, then its frame (voldrim_doc_print.cpp).
    void PrintMelodyNotes(CDC* pDC, CPrintInfo* pInfo);
    void PrintPageFrame(CDC* pDC, CPrintInfo* pInfo);

    void DeleteContents() override;
    BOOL OnNewDocument() override;
    // The melody file: key, tempo, title, composer and melody (voldrim_doc_file.cpp).
    void Serialize(CArchive& ar) override;

    // The main window's caption for the melody's title and composer.
    static CString CaptionFor(const CString& title, const CString& composer);
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
    // Columns in each system of the layout; the same in every system.
    int m_nColumnsPerSystem = 0;

    void MapCommands();
    // An option item that sets a member to a value, checked while it has it.
    template <typename T>
    void MapOption(UINT id, T CVoldrimDoc::*option, T value);
    void OnKey(Key key);
    void OnErase();
    void OnTempo();
    void OnMidi();
    // Update handlers: every one drops the held keys first.
    void EnableWhileIdle(CCmdUI* ui);
    void CheckWhen(CCmdUI* ui, bool checked);
};
