// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/staff/staff_view.h"

#include "doc/staff_grid.h"
#include "doc/voldrim_doc.h"
#include "res/resource.h"

#include <QEnterEvent>

#include <utility>

namespace {
// Font request values: ANSI character set, default precisions and
// quality, fixed pitch.
constexpr BYTE kAnsiCharset = 0;
constexpr BYTE kDefault = 0;
constexpr BYTE kFixedPitch = 1;
constexpr int kHeaderFontHeight = 20;
constexpr int kNotePenWidth = 2;
// A view smaller than this either way lays nothing out.
constexpr int kSmallestLaidOut = 10;
// The height each system takes when the view counts how many it holds.
constexpr int kHeightPerSystem = 205;
// The band that a new tempo or a written note repaints: the header line,
// the status line and the top of the first system.
constexpr int kNoteOrTempoBandBottom = 100;
} // namespace

CStaffView::CStaffView()
{
    m_brBlack.CreateSolidBrush(RGB(0, 0, 0));
    m_brRed.CreateSolidBrush(RGB(255, 0, 0));
    m_fontHeader.CreateFont(kHeaderFontHeight, 0, 0, 0, FW_BOLD, 0, 0, 0, kAnsiCharset, kDefault, kDefault, kDefault, kFixedPitch,
                            "Arial");
    // Small enough to fit below the header line, above the first system.
    constexpr int kStatusFontHeight = 14;
    m_fontStatus.CreateFont(kStatusFontHeight, 0, 0, 0, FW_BOLD, 0, 0, 0, kAnsiCharset, kDefault, kDefault, kDefault,
                            kFixedPitch, "Arial");
    m_penNote.CreatePen(PS_SOLID, kNotePenWidth, RGB(0, 0, 0));

    MapCommand(ID_PLAY_BUTTON, [this] { OnPlay(); });
    MapCommand(ID_PLAY, [this] { OnPlay(); });
    MapCommand(IDC_STOP_BUTTON, [this] { OnStop(); });
    MapCommand(IDC_TITLE_BUTTON, [this] { OnTitle(); });
    MapCommand(IDC_EXIT_BUTTON, [this] { OnExit(); });
}

CVoldrimDoc* CStaffView::GetDocument() const
{
    return static_cast<CVoldrimDoc*>(CView::GetDocument());
}

BOOL CStaffView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!m_brBackground.IsCreated())
        m_brBackground.CreateSolidBrush(RGB(255, 255, 255));
    // No class cursor: OnSetCursor chooses the arrow.
    if (m_strClassName.isEmpty())
        m_strClassName = AfxRegisterWndClass(CS_DBLCLKS, 0, &m_brBackground, 0);
    cs.lpszClass = m_strClassName;
    return CView::PreCreateWindow(cs);
}

int CStaffView::OnCreate()
{
    if (CView::OnCreate() == -1)
        return -1;
    CreateButtons();
    OnSetCursor();
    return 0;
}

BOOL CStaffView::OnSetCursor()
{
    setCursor(Qt::ArrowCursor);
    return TRUE;
}

void CStaffView::enterEvent(QEnterEvent* event)
{
    OnSetCursor();
    CView::enterEvent(event);
}

void CStaffView::OnSize(UINT type, int cx, int cy)
{
    CVoldrimDoc* doc = GetDocument();
    CRect client;
    GetClientRect(&client);
    m_nClientWidth = client.right - client.left;
    m_nClientHeight = client.bottom - client.top;

    // A resize ends a playback at the end of the sounding note.
    if (doc && doc->m_bPlaying)
        m_bStopRequested = true;
    if (m_nClientWidth < kSmallestLaidOut || m_nClientHeight < kSmallestLaidOut)
        return;

    PlaceButtons();
    if (!doc)
        return;
    // A pending question keeps its note where it was asked.
    if (doc->IsQuestionRunning())
        return;

    // What the picture shows before the layout is built again.
    const QRegion pending = PendingRegion();
    const int oldColumnCount = doc->m_nColumnCount;
    const int oldSystems = doc->m_nSystems;
    if (!m_bPictureKept && ShowsWholePaint())
        m_shownColumns = doc->m_columnList;

    m_nColumnLimit = m_nClientWidth - staffgrid::kRightMargin;
    doc->m_nSystems = m_nClientHeight / kHeightPerSystem;
    // Too low for one system, the view keeps no columns either: a note
    // written into one off the screen would be lost to the eye, so a
    // fingerboard note only sounds.
    doc->ResetColumnCursor();
    doc->BuildStaffLayout(client.left, client.top, client.right, client.bottom, doc->m_nSystems);
    doc->m_bReloadMelody = true;
    doc->m_nCurrentPitch = kNoPitch;
    // The staff shows the melody anew, and no note chosen while it could
    // not be seen (the flash card hides it): writing that note later would
    // add the melody's last note again instead.
    doc->m_bStaffNoteShown = true;
    KeepPictureIfLayoutStays(oldColumnCount, oldSystems, pending);
    CView::OnSize(type, cx, cy);
}

void CStaffView::KeepPictureIfLayoutStays(int oldColumnCount, int oldSystems, const QRegion& pending)
{
    const CVoldrimDoc* doc = GetDocument();
    // The newly exposed parts are pending already. The status line's text
    // stands at the right edge; painting it also writes the melody into the
    // new columns.
    const QRegion changed = pending | StatusLineRect().toQRect();
    m_bPictureKept = ShowsWholePaint() && doc->m_nColumnCount == oldColumnCount &&
                     doc->m_nSystems == oldSystems && !(QRegion(rect()) - changed).isEmpty();
    if (m_bPictureKept)
        LimitPendingPaint(changed);
    else
        m_shownColumns.clear();
}

void CStaffView::OnUpdate(CView* /*sender*/, LPARAM hint, CObject* /*hintObject*/)
{
    if (hint == HintNoteOrTempo) {
        // The header band: the tempo has changed, or a note was written and
        // its pending step is to run; the notes draw themselves in full.
        const CRect band(1, 1, m_nClientWidth, kNoteOrTempoBandBottom);
        InvalidateRect(&band, FALSE);
        return;
    }
    Invalidate(TRUE);
}

void CStaffView::OnDraw(CDC* pDC)
{
    pDC->SetRecorder(m_pDrawRecorder);
    DrawHeader(pDC);
    DrawStaves(pDC);
    CVoldrimDoc* doc = GetDocument();
    if (!doc)
        return;
    if (doc->m_bReloadMelody) {
        if (std::exchange(m_bPictureKept, false))
            ReplaceMelodyInKeptPicture(*pDC);
        else
            ReplaceMelody();
        doc->m_bReloadMelody = false;
        return;
    }
    RedrawMelody(*pDC);
    ShowPendingNote();
}
