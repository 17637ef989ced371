#pragma once
// The one document of the program: fingerboard stops, staff layout,
// melody, options, quiz state and the MIDI output. The views read and
// write its members directly; the document never draws.
#include "doc/accidental_memory.h"
#include "doc/note_series.h"
#include "framework/document.h"
#include "framework/gdi_objects.h"
#include "model/finger_stop.h"
#include "model/note_value.h"
#include "doc/play_item.h"
#include "doc/staff_column.h"
#include "doc/staff_position.h"

class CMidiDevice;

class CVoldrimDoc : public CDocument {
public:
    CVoldrimDoc();
    ~CVoldrimDoc() override;

    // Ends any question and empties the written melody; repaints (hint 0).
    void ResetState();
    // The same without ending the question.
    void ClearMelody();
    // Empties every staff column, without repainting.
    void ClearColumns();
    // Writing starts again at the first column; repaints (hint 0).
    void ResetColumnCursor();
    void ClearHeldKeys();
    // A letter key that chooses a rhythmic value went down or up; other
    // keys are ignored. Virtual-key codes are the upper-case letters.
    void SetHeldKey(UINT virtualKey, BOOL down);
    HeldKeys GetHeldKeys() const;
    // Marks every stop in or out of the key; the caller has stored the key.
    void ApplyKey(int key);
    void NameStops();
    // Rebuilds the staff rows and columns for the staff view's client
    // rectangle and number of systems; sets m_nColumnCount.
    void BuildStaffLayout(int left, int top, int right, int bottom, int systems);
    // The row of the column that carries the pitch (a rest: the top row),
    // or nullptr when none does.
    const CStaffPosition* FindRowOfPitch(std::size_t column, int pitch) const;

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
    CObjectList<CStaffPosition> m_positionList;
    CObjectList<CStaffColumn> m_columnList;
    CObjectList<CPlayItem> m_playList;
    CObjectList<CNoteSeries> m_melody;
    int m_nSystems = 0;
    int m_nLabelMode = 2;
    int m_nCurrentPitch = 0;
    int m_nLastColumn = -1;
    int m_nColumnCount = 0;
    int m_nQuestionState = 2;
    int m_nQuestionMode = 3;
    int m_nQuestionType = 2;
    int m_nQuestionPitch = 0;
    int m_nNoteValue = 2;
    int m_nCorrect = 0;
    int m_nIncorrect = 0;
    int m_nKey = 1;
    int m_nTempo = 600;
    BOOL m_bUseMidi = 1;
    BOOL m_bStaffNoteShown = 1;
    BOOL m_bPlaying = 0;
    BOOL m_bStaffNames = 1;
    BOOL m_bAllPositions = 0;
    BOOL m_bContinuousPlay = 0;
    BOOL m_bPrintDone = 0;
    BOOL m_bShowOpenStrings = 1;
    BOOL m_bReloadMelody = 0;
    BOOL m_bFirstNew = 1;
    BOOL m_bHeldH = 0;
    BOOL m_bHeldW = 0;
    BOOL m_bHeldT = 0;
    BOOL m_bHeldE = 0;
    BOOL m_bHeldD = 0;
    BOOL m_bHeldR = 0;
    CAccidentalMemory m_accidentals;
    CBrush m_brPrint;
    CPen m_penPrint;

private:
    void MapCommands();
    // An option item that sets a member to a value, checked while it has it.
    void MapOption(UINT id, int CVoldrimDoc::*option, int value);
    void OnKey(int key);
    void OnErase();
    void OnTempo();
    void OnMidi();
    // Update handlers: every one drops the held keys first.
    void EnableWhileIdle(CCmdUI* ui);
    void CheckWhen(CCmdUI* ui, bool checked);
};
