// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "doc/voldrim_doc.h"

#include "framework/frame_wnd.h"
#include "framework/resources.h"
#include "framework/view.h"
#include "framework/win_app.h"
#include "model/note_names.h"
#include "res/resource.h"
#include "sound/midi_device.h"

CVoldrimDoc::CVoldrimDoc()
{
    // Without a MIDI output the program runs on mute; the device has said why.
    m_pMidiDevice = new CMidiDevice();
    m_bUseMidi = m_pMidiDevice->OpenDevice();
    // The synthesizer opens after the window shows; if it then cannot
    // sound, MIDI is off as if the device had not opened.
    m_pMidiDevice->SetWhenOutputCannotSound([this] { m_bUseMidi = FALSE; });

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
    CMelodyChange change(*this);
    EndQuestionAndPlayback();
    m_melody.clear();
    ClearColumns();
    UpdateAllViews(nullptr, HintRepaintAll);
}

void CVoldrimDoc::EndQuestionAndPlayback()
{
    m_nCurrentPitch = kNoPitch;
    m_nQuestionPitch = kNoPitch;
    m_nQuestionState = NoQuestion;
    m_nLastColumn = kNoColumn;
    m_rcHighlight.SetRectEmpty();
    m_bPlaying = false;
    m_nNoteValue = NoteQuarter;
    ClearHeldKeys();
    m_playList.clear();
}

void CVoldrimDoc::ClearMelody()
{
    CMelodyChange change(*this);
    m_nCurrentPitch = kNoPitch;
    m_nLastColumn = kNoColumn;
    m_playList.clear();
    m_melody.clear();
    ClearColumns();
    UpdateAllViews(nullptr, HintRepaintAll);
}

void CVoldrimDoc::ClearColumns()
{
    // The rhythmic value of a column stays as it was.
    for (CStaffColumn& column : m_columnList) {
        column.SetPitch(kNoPitch);
        column.SetNoteRect(CRect());
        column.SetName(CString());
        column.SetRecord(CStaffColumn::kNoRecord);
    }
}

void CVoldrimDoc::ResetColumnCursor()
{
    m_nLastColumn = kNoColumn;
    UpdateAllViews(nullptr, HintRepaintAll);
}

void CVoldrimDoc::ClearHeldKeys()
{
    m_bHeldH = m_bHeldW = m_bHeldT = m_bHeldE = m_bHeldD = m_bHeldR = false;
}

void CVoldrimDoc::SetHeldKey(UINT virtualKey, bool down)
{
    bool* held = nullptr;
    switch (virtualKey) {
    case 'D': held = &m_bHeldD; break;
    case 'E': held = &m_bHeldE; break;
    case 'H': held = &m_bHeldH; break;
    case 'R': held = &m_bHeldR; break;
    case 'T': held = &m_bHeldT; break;
    case 'W': held = &m_bHeldW; break;
    default: return;
    }
    *held = down;
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

void CVoldrimDoc::ApplyKey(Key key)
{
    for (auto& stop : m_stopList)
        stop->SetKeyStatus(KeyStatusOfName(key, stop->GetNoteName()));
    m_nCurrentPitch = kNoPitch;
    m_rcHighlight.SetRectEmpty();
    UpdateAllViews(nullptr, HintRepaintAll);
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
    CMelodyChange change(*this);
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
    m_bFirstNew = false;
    return TRUE;
}

CString CVoldrimDoc::ShownText(const CString& text)
{
    CString part;
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control)
            part += c;
        if (part.size() > kLongestCaptionText)
            return part.left(kLongestCaptionText) + QChar(0x2026);
    }
    return part;
}

CString CVoldrimDoc::CaptionFor(const CString& title, const CString& composer)
{
    CString caption = AfxLoadString(AFX_IDS_APP_TITLE);
    if (!title.isEmpty()) {
        caption += QStringLiteral("   -   ") + ShownText(title);
        if (!composer.isEmpty())
            caption += QStringLiteral(" by ") + ShownText(composer);
    }
    return caption;
}

void CVoldrimDoc::UpdateCaption()
{
    if (CFrameWnd* frame = AfxGetMainWnd())
        frame->SetWindowText(CaptionFor(m_strMelodyTitle, m_strMelodyComposer));
}
