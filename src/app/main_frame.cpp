// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_frame.h"

#include "app/cello_listening.h"
#include "app/sound_settings.h"
#include "app/splash_window.h"
#include "doc/voldrim_doc.h"
#include "framework/help.h"
#include "framework/splitter.h"
#include "framework/win_app.h"
#include "quiz/practice_log.h"
#include "quiz/show_me_commands.h"
#include "res/resource.h"
#include "sound/play_wave_sound.h"
#include "views/fingerboard/fboard_view.h"
#include "views/practice/progress_window.h"
#include "views/staff/staff_view.h"

namespace {

// The window before it is centred.
constexpr int kWindowLeft = 10;
constexpr int kWindowTop = 10;
constexpr int kWindowWidth = 630;
constexpr int kWindowHeight = 470;
// The size each view is created with, before the columns are set.
constexpr CSize kFirstPaneSize(100, 100);
// The fingerboard column beside the staff, and its narrowest: at start it
// may be dragged narrower than later.
constexpr int kFingerboardWidth = 180;
constexpr int kFingerboardMinimumAtStart = 150;
// The staff column takes the window but these: its ideal width leaves the
// fingerboard its narrowest at start, its minimum leaves room for more.
constexpr int kStaffIdealLeaves = kFingerboardMinimumAtStart;
constexpr int kStaffMinimumLeaves = 230;

} // namespace

CMainFrame::CMainFrame()
{
    MapCommand(ID_MODE_FINGERBOARD_STAFF, [this] { OnFingerboardAndStaff(); });
    MapCommand(ID_MODE_FLASH_CARD, [this] { OnFlashCard(); });
    MapCommand(ID_MODE_STAFF_ONLY, [this] { OnStaffOnly(); });
    for (UINT id : std::initializer_list<UINT>{ID_MODE_FINGERBOARD_STAFF, ID_MODE_FLASH_CARD, ID_MODE_STAFF_ONLY})
        MapUpdate(id, [this](CCmdUI* ui) { EnableWhileIdle(ui); });
    // The document enables them while no melody plays.
    MapCommand(ID_SHOWME_OPTIONS, [this] { OnShowMeOptions(); });
    MapCommand(ID_SHOWME_SCORES, [this] { OnShowMeScores(); });
    MapCommand(ID_PRACTICE_PROGRESS, [this] { OnPracticeProgress(); });
    MapCommand(ID_WEAK_NOTES, [this] { OnWeakNotes(); });
    MapUpdate(ID_WEAK_NOTES, [this](CCmdUI* ui) {
        EnableWhileIdle(ui);
        const CVoldrimDoc* doc = GetVoldrimDoc();
        ui->SetCheck(doc && doc->m_bWeakNotes);
    });
    // The document enables MIDI while no melody plays; Tempo is always
    // enabled and does nothing while one plays.
    MapCommand(ID_TEMPO, [this] {
        if (CVoldrimDoc* doc = GetVoldrimDoc())
            RunTempoDialog(*doc, this);
    });
    MapCommand(ID_MIDI, [this] {
        if (CVoldrimDoc* doc = GetVoldrimDoc())
            RunMidiDialog(*doc, this);
    });
    m_pPracticeLog = std::make_unique<CPracticeLog>();
    m_pPracticeLogInstalled = std::make_unique<CServiceOverride<CPracticeLog>>(m_pPracticeLog.get());
    MapCommand(ID_HELP_FINDER, [this] { OnHelpFinder(); });
    MapCommand(ID_DEFAULT_HELP, [this] { OnHelpFinder(); });
    MapCommand(ID_HELP, [this] { OnHelp(); });
    MapCommand(ID_CONTEXT_HELP, [this] { OnContextHelp(); });
    m_pListening = std::make_unique<CCelloListening>(*this, [this] {
        return m_pSplitter ? static_cast<CFboardView*>(m_pSplitter->GetPane(0, 0)) : nullptr;
    });
    MapCommand(ID_LISTEN, [this] { m_pListening->Toggle(); });
    MapUpdate(ID_LISTEN, [this](CCmdUI* ui) { m_pListening->UpdateItem(ui); });
}

CMainFrame::~CMainFrame()
{
    // Nothing records once the log has gone.
    m_pPracticeLogInstalled.reset();
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.x = kWindowLeft;
    cs.y = kWindowTop;
    cs.cx = kWindowWidth;
    cs.cy = kWindowHeight;
    // No file name is ever added to the caption.
    cs.style = WS_OVERLAPPEDWINDOW;
    return CFrameWnd::PreCreateWindow(cs);
}

BOOL CMainFrame::OnCreateClient(CCreateContext* context)
{
    m_pSplitter = new CSplitterWnd();
    if (!m_pSplitter->CreateStatic(this, 1, 2))
        return FALSE;
    setCentralWidget(m_pSplitter);
    const BOOL left = m_pSplitter->CreateView(0, 0, [] { return new CFboardView(); }, kFirstPaneSize, context);
    const BOOL right = m_pSplitter->CreateView(0, 1, [] { return new CStaffView(); }, kFirstPaneSize, context);
    CRect client;
    GetClientRect(&client);
    m_pSplitter->SetColumnInfo(0, kFingerboardWidth, kFingerboardMinimumAtStart);
    m_nStaffMinimum = client.right - kStaffMinimumLeaves;
    m_pSplitter->SetColumnInfo(1, client.right - kStaffIdealLeaves, m_nStaffMinimum);
    return left | right;
}

int CMainFrame::OnCreate(CCreateContext* context)
{
    if (CFrameWnd::OnCreate(context) == -1)
        return -1;
    CenterWindow();
    CSplashWindow::ShowSplashScreen(this);
    PlayWaveSound(QStringLiteral("cello.wav"));
    return 0;
}

CVoldrimDoc* CMainFrame::GetVoldrimDoc() const
{
    return static_cast<CVoldrimDoc*>(GetActiveDocument());
}

void CMainFrame::EndQuestionIfRunning()
{
    CVoldrimDoc* doc = GetVoldrimDoc();
    if (doc && doc->IsQuestionRunning())
        doc->ResetState();
}

void CMainFrame::EnableWhileIdle(CCmdUI* ui)
{
    CVoldrimDoc* doc = GetVoldrimDoc();
    ui->Enable(!doc || !doc->m_bPlaying);
}

void CMainFrame::OnFingerboardAndStaff()
{
    EndQuestionIfRunning();
    m_pSplitter->SetColumnInfo(0, kFingerboardWidth, kFingerboardWidth);
    // Staff Only may have asked a wider staff than this window holds.
    m_pSplitter->SetColumnInfo(1, m_pSplitter->GetIdealWidth(1), m_nStaffMinimum);
    m_pSplitter->RecalcLayout();
    if (CVoldrimDoc* doc = GetVoldrimDoc())
        doc->UpdateAllViews(nullptr, HintRepaintAll);
}

void CMainFrame::OnFlashCard()
{
    CRect client;
    GetClientRect(&client);
    // The fingerboard takes the whole width; the staff column is then too
    // narrow to be shown.
    m_pSplitter->SetColumnInfo(0, client.right, kFingerboardWidth);
    m_pSplitter->RecalcLayout();
    CVoldrimDoc* doc = GetVoldrimDoc();
    if (!doc)
        return;
    doc->m_nLabelMode = LabelFingerNumbers;
    EndQuestionIfRunning();
    doc->UpdateAllViews(nullptr, HintRepaintAll);
}

void CMainFrame::OnStaffOnly()
{
    EndQuestionIfRunning();
    CRect client;
    GetClientRect(&client);
    m_pSplitter->SetColumnInfo(0, 0, 0);
    m_pSplitter->SetColumnInfo(1, client.right, client.right - kStaffMinimumLeaves);
    m_pSplitter->RecalcLayout();
    if (CVoldrimDoc* doc = GetVoldrimDoc())
        doc->UpdateAllViews(nullptr, HintRepaintAll);
}

void CMainFrame::OnShowMeOptions()
{
    if (CVoldrimDoc* doc = GetVoldrimDoc())
        RunShowMeOptions(*doc, this);
}

void CMainFrame::OnShowMeScores()
{
    if (CVoldrimDoc* doc = GetVoldrimDoc())
        RunShowMeScores(*doc, this);
}

void CMainFrame::OnPracticeProgress()
{
    CVoldrimDoc* doc = GetVoldrimDoc();
    auto* window = new CPracticeProgressWindow(m_pPracticeLog->Path(), doc ? int(doc->m_nKey) : kAllKeys, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void CMainFrame::OnWeakNotes()
{
    if (CVoldrimDoc* doc = GetVoldrimDoc())
        ToggleWeakNotes(*doc);
}

void CMainFrame::OnHelp()
{
    AfxGetHelpViewer()->ShowHelp(AfxGetHelpFilePath(), HELP_CONTEXT, HID_BASE_RESOURCE + IDR_MAINFRAME);
}

void CMainFrame::OnHelpFinder()
{
    AfxGetHelpViewer()->ShowHelp(AfxGetHelpFilePath(), HELP_FINDER, 0);
}
