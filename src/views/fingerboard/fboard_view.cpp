// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The fingerboard view's drawing tools, window, layout and update hints.
#include "views/fingerboard/fboard_view.h"

#include "doc/voldrim_doc.h"
#include "framework/message_box.h"
#include "res/resource.h"
#include "framework/resources.h"

namespace {

constexpr UINT IDS_CARD_CAPTION = 15;
// The Show Me button's pictures, up and pressed.
const char* const kShowMeUp = "SHOWMEU";
const char* const kShowMeDown = "SHOWMED";

// A pixel of white above the nut: repainting only it runs the whole paint,
// whose window drawing (highlight, question) then shows without flicker.
constexpr CRect kStaffNoteSpot(100, 1, 101, 2);
constexpr CRect kPlaybackSpot(1, 1, 2, 2);

}  // namespace

CFboardView::CFboardView()
    : m_strCardCaption(AfxLoadString(IDS_CARD_CAPTION)),
      m_rcCard(300, 30, 500, 320),
      m_rcCardCaption(300, 360, 500, 500)
{
    m_fontLabel.CreateFont(16, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, kFixedPitch, "Arial");
    m_penOutline.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    m_brRed.CreateSolidBrush(RGB(255, 0, 0));
    m_brGreen.CreateSolidBrush(RGB(0, 255, 0));
    m_brBlack.CreateSolidBrush(RGB(0, 0, 0));
    m_brGrey.CreateSolidBrush(RGB(192, 192, 192));
    m_brCard.CreateHatchBrush(HS_DIAGCROSS, RGB(255, 0, 0));
    MapCommand(IDC_SHOWME_BUTTON, [this] { OnShowMe(); });
}

CFboardView::~CFboardView() = default;

CVoldrimDoc* CFboardView::GetDocument() const
{
    return static_cast<CVoldrimDoc*>(CView::GetDocument());
}

BOOL CFboardView::PreCreateWindow(CREATESTRUCT& cs)
{
    m_brBackground.CreateSolidBrush(RGB(255, 255, 255));
    if (m_strClassName.isEmpty())
        m_strClassName = AfxRegisterWndClass(CS_DBLCLKS, 0, &m_brBackground, 0);
    cs.lpszClass = m_strClassName;
    return CView::PreCreateWindow(cs);
}

std::vector<QByteArray> CFboardView::FirstPictures()
{
    return {kShowMeUp};
}

int CFboardView::OnCreate()
{
    if (CView::OnCreate() == -1)
        return -1;
    // The class has no cursor of its own; the view always shows the arrow.
    setCursor(Qt::ArrowCursor);
    m_btnShowMe.Create(CString(), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 20, 20), this,
                       IDC_SHOWME_BUTTON);
    m_btnShowMe.LoadBitmaps(kShowMeUp, kShowMeDown);
    m_btnShowMe.SizeToContent();
    return 0;
}

void CFboardView::OnSize(UINT type, int cx, int cy)
{
    CView::OnSize(type, cx, cy);
    CRect client;
    GetClientRect(&client);
    const int h = client.Height();
    m_rcQuestion.SetRect(client.left + 10, client.bottom - 60, client.right - 10, client.bottom - 10);
    m_btnShowMe.MoveWindow(60, h - 50, 20, h);
    m_btnShowMe.SizeToContent();
}

void CFboardView::OnUpdate(CView*, LPARAM hint, CObject*)
{
    CVoldrimDoc* doc = GetDocument();
    switch (hint) {
    case HintRepaintAll:
        Invalidate(TRUE);
        if (!doc || !doc->IsQuestionRunning())
            m_btnShowMe.ShowWindow(true);
        break;
    case HintNoteOrTempo:
        InvalidateRect(&kStaffNoteSpot, TRUE);
        break;
    case HintPlaybackNote:
        InvalidateRect(&kPlaybackSpot, TRUE);
        break;
    case HintTryAgain:
        m_btnShowMe.ShowWindow(false);
        Invalidate(TRUE);
        break;
    default:
        AfxMessageBox(CString("Error in switch - FboardView On Update."));
        break;
    }
}
