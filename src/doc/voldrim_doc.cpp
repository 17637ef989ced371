#include "doc/voldrim_doc.h"

#include "framework/frame_wnd.h"
#include "framework/view.h"
#include "framework/win_app.h"
#include "model/key.h"
#include "model/note_names.h"
#include "res/resource.h"
#include "framework/resources.h"
#include "sound/midi_device.h"
#include "sound/dialogs/midi_dlg.h"
#include "sound/dialogs/tempo_dlg.h"

CVoldrimDoc::CVoldrimDoc()
{
    m_nLastColumn = -1;
    m_nCurrentPitch = 0;

    m_pMidiDevice = new CMidiDevice();
    m_bUseMidi = 1;
    m_nLabelMode = 2;
    // Without a MIDI output the program runs on mute; the device has said why.
    m_bUseMidi = m_pMidiDevice->OpenDevice() ? 1 : 0;

    m_rcHighlight.SetRectEmpty();
    m_nTempo = 600;
    m_bPlaying = 0;
    m_bStaffNoteShown = 1;
    m_nQuestionState = 2;
    m_bStaffNames = 1;
    m_bAllPositions = 0;
    m_bContinuousPlay = 0;
    m_bShowOpenStrings = 1;
    m_nCorrect = 0;
    m_nIncorrect = 0;
    m_bReloadMelody = 0;
    m_bFirstNew = 1;
    ClearHeldKeys();
    m_nQuestionMode = 3;
    m_nQuestionType = 2;
    m_nNoteValue = 2;

    BuildFingerStops(m_stopList);
    NameStops();
    m_nKey = KeyC;
    ApplyKey(KeyC);

    m_brPrint.CreateSolidBrush(RGB(0, 0, 0));
    m_penPrint.CreatePen(PS_SOLID, 2, RGB(0, 0, 0));

    MapCommands();
}

CVoldrimDoc::~CVoldrimDoc()
{
    m_stopList.clear();
    m_positionList.clear();
    m_columnList.clear();
    m_playList.clear();
    m_melody.clear();
    delete m_pMidiDevice;
}

void CVoldrimDoc::ResetState()
{
    m_nCurrentPitch = 0;
    m_nQuestionPitch = 0;
    m_nQuestionState = 2;
    m_nLastColumn = -1;
    m_rcHighlight.SetRectEmpty();
    m_bPlaying = 0;
    m_nNoteValue = 2;
    ClearHeldKeys();
    m_playList.clear();
    m_melody.clear();
    ClearColumns();
    UpdateAllViews(nullptr, 0);
}

void CVoldrimDoc::ClearMelody()
{
    m_nCurrentPitch = 0;
    m_nLastColumn = -1;
    m_playList.clear();
    m_melody.clear();
    ClearColumns();
    UpdateAllViews(nullptr, 0);
}

void CVoldrimDoc::ClearColumns()
{
    // The rhythmic value of a column stays as it was.
    for (auto& column : m_columnList) {
        column->SetPitch(0);
        column->SetNoteRect(CRect());
        column->SetName(CString());
    }
}

void CVoldrimDoc::ResetColumnCursor()
{
    m_nLastColumn = -1;
    UpdateAllViews(nullptr, 0);
}

void CVoldrimDoc::ClearHeldKeys()
{
    m_bHeldH = m_bHeldW = m_bHeldT = m_bHeldE = m_bHeldD = m_bHeldR = 0;
}

void CVoldrimDoc::SetHeldKey(UINT virtualKey, BOOL down)
{
    BOOL* held = nullptr;
    switch (virtualKey) {
    case 'D': held = &m_bHeldD; break;
    case 'E': held = &m_bHeldE; break;
    case 'H': held = &m_bHeldH; break;
    case 'R': held = &m_bHeldR; break;
    case 'T': held = &m_bHeldT; break;
    case 'W': held = &m_bHeldW; break;
    default: return;
    }
    *held = down ? 1 : 0;
}

HeldKeys CVoldrimDoc::GetHeldKeys() const
{
    HeldKeys keys;
    keys.r = m_bHeldR;
    keys.h = m_bHeldH;
    keys.w = m_bHeldW;
    keys.t = m_bHeldT;
    keys.e = m_bHeldE;
    keys.d = m_bHeldD;
    return keys;
}

void CVoldrimDoc::ApplyKey(int key)
{
    for (auto& stop : m_stopList)
        stop->SetKeyStatus(KeyStatusOfName(key, stop->GetNoteName()));
    m_nCurrentPitch = 0;
    m_rcHighlight.SetRectEmpty();
    UpdateAllViews(nullptr, 0);
}

void CVoldrimDoc::NameStops()
{
    // The stops run upwards from C without gaps, so a counter names them.
    int counter = 12;
    for (auto& stop : m_stopList)
        stop->SetNoteName(NoteNameOfPitch(counter++ % 12));
}

void CVoldrimDoc::DeleteContents()
{
    ResetState();
    m_strMelodyTitle.clear();
    m_strMelodyComposer.clear();
}

BOOL CVoldrimDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    // The caption at start-up is the frame's own; later a new melody drops
    // the old melody's title from it.
    const CString title = AfxLoadString(AFX_IDS_APP_TITLE);
    if (!m_bFirstNew) {
        if (CFrameWnd* frame = AfxGetMainWnd())
            frame->SetWindowText(title);
    }
    m_bFirstNew = 0;
    return TRUE;
}

CString CVoldrimDoc::CaptionFor(const CString& title, const CString& composer)
{
    CString caption = AfxLoadString(AFX_IDS_APP_TITLE);
    if (!title.isEmpty()) {
        caption += QStringLiteral("   -   ") + title;
        if (!composer.isEmpty())
            caption += QStringLiteral(" by ") + composer;
    }
    return caption;
}

void CVoldrimDoc::UpdateCaption()
{
    if (CFrameWnd* frame = AfxGetMainWnd())
        frame->SetWindowText(CaptionFor(m_strMelodyTitle, m_strMelodyComposer));
}

void CVoldrimDoc::OnKey(int key)
{
    ResetState();
    m_nKey = key;
    ApplyKey(key);
}

void CVoldrimDoc::OnErase()
{
    if (m_bPlaying)
        return;
    ResetState();
    for (CView* view : GetViews())
        view->SetFocus();
}

void CVoldrimDoc::EnableWhileIdle(CCmdUI* ui)
{
    ClearHeldKeys();
    ui->Enable(!m_bPlaying);
}

void CVoldrimDoc::CheckWhen(CCmdUI* ui, bool checked)
{
    ClearHeldKeys();
    ui->SetCheck(checked ? 1 : 0);
}

void CVoldrimDoc::MapOption(UINT id, int CVoldrimDoc::*option, int value)
{
    MapCommand(id, [this, option, value] {
        this->*option = value;
        UpdateAllViews(nullptr, 0);
    });
    MapUpdate(id, [this, option, value](CCmdUI* ui) { CheckWhen(ui, this->*option == value); });
}

void CVoldrimDoc::MapCommands()
{
    const std::pair<UINT, int> keys[] = {{ID_KEY_C, KeyC},   {ID_KEY_G, KeyG},   {ID_KEY_D, KeyD},
                                         {ID_KEY_F, KeyF},   {ID_KEY_BB, KeyBb}, {ID_KEY_CHROMATIC, KeyChromatic}};
    for (const auto& [id, key] : keys) {
        const int k = key;
        MapCommand(id, [this, k] { OnKey(k); });
        MapUpdate(id, [this, k](CCmdUI* ui) {
            EnableWhileIdle(ui);
            ui->SetCheck(m_nKey == k ? 1 : 0);
        });
    }

    MapCommand(ID_TEMPO, [this] { OnTempo(); });
    MapCommand(ID_MIDI, [this] { OnMidi(); });

    MapCommand(ID_ERASE, [this] { OnErase(); });
    MapCommand(IDC_ERASE_BUTTON, [this] { OnErase(); });
    MapUpdate(ID_ERASE, [this](CCmdUI* ui) { EnableWhileIdle(ui); });

    // Tempo has no update handler: it is always enabled and does nothing
    // while a melody plays.
    for (UINT id : std::initializer_list<UINT>{ID_SHOWME_OPTIONS, ID_MIDI, ID_SHOWME_SCORES, ID_PLAY, ID_FILE_NEW, ID_FILE_OPEN,
                    ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP})
        MapUpdate(id, [this](CCmdUI* ui) { EnableWhileIdle(ui); });

    MapOption(ID_FB_NOTE_NAMES, &CVoldrimDoc::m_nLabelMode, 2);
    MapOption(ID_FB_FINGER_NUMBERS, &CVoldrimDoc::m_nLabelMode, 1);
    MapOption(ID_FB_ALL_POSITIONS, &CVoldrimDoc::m_bAllPositions, 1);
    MapOption(ID_FB_SINGLE_POSITION, &CVoldrimDoc::m_bAllPositions, 0);
    MapOption(ID_STAFF_SHOW_NAMES, &CVoldrimDoc::m_bStaffNames, 1);
    MapOption(ID_STAFF_HIDE_NAMES, &CVoldrimDoc::m_bStaffNames, 0);
    MapCommand(ID_FB_OPEN_STRINGS, [this] {
        m_bShowOpenStrings = m_bShowOpenStrings ? 0 : 1;
        UpdateAllViews(nullptr, 0);
    });
    MapUpdate(ID_FB_OPEN_STRINGS, [this](CCmdUI* ui) { CheckWhen(ui, m_bShowOpenStrings == 1); });
    // Continuous play changes nothing on screen.
    MapCommand(ID_CONTINUOUS_PLAY, [this] { m_bContinuousPlay = m_bContinuousPlay ? 0 : 1; });
    MapUpdate(ID_CONTINUOUS_PLAY, [this](CCmdUI* ui) { CheckWhen(ui, m_bContinuousPlay == 1); });
}

void CVoldrimDoc::OnTempo()
{
    if (m_bPlaying)
        return;
    CTempoDlg dialog(AfxGetMainWnd());
    dialog.m_nTempo = m_nTempo;
    // Every move of the bar has already set the dialog's tempo, so Cancel
    // keeps the tempo last shown as well.
    dialog.DoModal();
    m_bStaffNoteShown = 1;
    m_nTempo = dialog.m_nTempo;
    ClearHeldKeys();
    UpdateAllViews(nullptr, 1);
}

void CVoldrimDoc::OnMidi()
{
    CMidiDlg dialog(AfxGetMainWnd());
    dialog.m_pMidiDevice = m_pMidiDevice;
    dialog.m_bUseMidi = m_bUseMidi;
    // Device, channel and instrument take effect inside the dialog; only
    // the switch comes back, read from the box by OK and unchanged by Cancel.
    dialog.DoModal();
    if (dialog.m_bTestPlaying == 1)
        m_pMidiDevice->PlayNoteOff(60); // the test note, middle C
    m_bUseMidi = dialog.m_bUseMidi;
    ClearHeldKeys();
}
