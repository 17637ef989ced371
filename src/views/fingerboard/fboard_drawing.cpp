// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the fingerboard: strings, nut, stops, the chosen stop in red
// and the text of a running Show Me question.
#include "views/fingerboard/fboard_view.h"

#include "doc/voldrim_doc.h"
#include "model/key.h"

namespace {

constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr int kStringX[] = {30, 70, 110, 150};
constexpr int kBoardEndAboveBottom = 75;
constexpr int kLabelFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

}  // namespace

void CFboardView::OnDraw(CDC* pDC)
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc)
        return;
    DrawBoard(pDC);

    if (IsCardShown()) {
        // The card needs the whole width; a question cannot go on beside it.
        if (doc->IsQuestionRunning())
            doc->ResetState();
        DrawCard(pDC);
    }

    int pitch = doc->m_nCurrentPitch;
    if (doc->IsQuestionRunning()) {
        DrawQuestionText();
        // The answer is to be found on the fingerboard: nothing may give it away.
        if (doc->m_nQuestionType == AnswerOnFingerboard)
            return;
        pitch = doc->m_nQuestionPitch;
    }
    if (pitch == kNoPitch)
        return;
    if (const CFingerStop* stop = FindStopOfPitch(doc->m_stopList, pitch))
        HighlightStop(*stop);
}

void CFboardView::DrawBoard(CDC* pDC)
{
    CVoldrimDoc* doc = GetDocument();
    CRect client;
    GetClientRect(&client);
    CFont* oldFont = pDC->SelectObject(&m_fontLabel);

    const int boardEnd = client.bottom - kBoardEndAboveBottom;
    for (int x : kStringX) {
        pDC->MoveTo(x, 0);
        pDC->LineTo(x, boardEnd);
    }
    pDC->MoveTo(0, boardEnd);
    pDC->LineTo(client.right, boardEnd);
    pDC->MoveTo(0, boardEnd + 1);
    pDC->LineTo(client.right, boardEnd + 1);

    CBrush* oldBrush = pDC->SelectObject(&m_brBlack);
    pDC->Rectangle(10, 5, 170, 35);
    pDC->SelectObject(oldBrush);

    CPen* oldPen = pDC->SelectObject(&m_penOutline);
    for (const auto& stop : doc->m_stopList) {
        const bool inKey = stop->GetKeyStatus() == KeyStatusInKey;
        CBrush* previousBrush = pDC->SelectObject(inKey ? &m_brGreen : &m_brGrey);
        const COLORREF previousBk = pDC->SetBkColor(inKey ? kGreen : kGrey);
        DrawStopShape(pDC, stop->GetRect(), stop->GetKind());
        if (IsLabelShown(stop->GetKind()))
            DrawStopLabel(pDC, stop->GetRect(), LabelOf(*stop));
        pDC->SelectObject(previousBrush);
        pDC->SetBkColor(previousBk);
    }
    pDC->SelectObject(oldPen);
    pDC->SelectObject(oldFont);
}

void CFboardView::DrawStopShape(CDC* pDC, const CRect& rc, StopKind kind)
{
    if (kind == StopExtension)
        pDC->Rectangle(rc);
    else
        pDC->Ellipse(rc);
}

void CFboardView::DrawStopLabel(CDC* pDC, const CRect& rc, const CString& label)
{
    CRect box = rc;
    pDC->DrawText(label, &box, kLabelFormat);
}

CString CFboardView::LabelOf(const CFingerStop& stop) const
{
    return stop.GetLabel(GetDocument()->m_nLabelMode);
}

bool CFboardView::IsLabelShown(StopKind kind) const
{
    const CVoldrimDoc* doc = GetDocument();
    return doc->m_bAllPositions || (doc->m_bShowOpenStrings && kind == StopOpenString);
}

void CFboardView::DrawQuestionText()
{
    CClientDC dc(this);
    CFont* oldFont = dc.SelectObject(&m_fontLabel);
    CRect box = m_rcQuestion;
    dc.DrawText(GetDocument()->m_strQuestion, &box, DT_WORDBREAK);
    dc.SelectObject(oldFont);
}

void CFboardView::HighlightStop(const CFingerStop& stop)
{
    CVoldrimDoc* doc = GetDocument();
    CClientDC dc(this);
    CPen* oldPen = dc.SelectObject(&m_penOutline);
    CFont* oldFont = dc.SelectObject(&m_fontLabel);
    CBrush* oldBrush = dc.SelectObject(&m_brGreen);

    if (!doc->m_rcHighlight.IsRectEmpty()) {
        // Only stops in the key can be chosen, so the stop that was red is
        // normally green; a stop reached otherwise (a melody note outside
        // the key) gets its own grey back.
        bool inKey = true;
        for (const auto& s : doc->m_stopList) {
            if (s->GetRect() == doc->m_rcHighlight) {
                inKey = s->GetKeyStatus() == KeyStatusInKey;
                break;
            }
        }
        dc.SelectObject(inKey ? &m_brGreen : &m_brGrey);
        const COLORREF previousBk = dc.SetBkColor(inKey ? kGreen : kGrey);
        DrawStopShape(&dc, doc->m_rcHighlight, m_nLastHighlightKind);
        if (IsLabelShown(m_nLastHighlightKind))
            DrawStopLabel(&dc, doc->m_rcHighlight, m_strLastHighlightLabel);
        dc.SetBkColor(previousBk);
    }

    dc.SelectObject(&m_brRed);
    const COLORREF previousBk = dc.SetBkColor(kRed);
    const CString label = LabelOf(stop);
    DrawStopShape(&dc, stop.GetRect(), stop.GetKind());
    DrawStopLabel(&dc, stop.GetRect(), doc->HidesQuestionNames() ? CString() : label);
    // The kinds of a stop and of its remembered highlight share their numbers.
    m_nLastHighlightKind = stop.GetKind();
    m_strLastHighlightLabel = label;
    dc.SetBkColor(previousBk);
    doc->m_rcHighlight = stop.GetRect();

    dc.SelectObject(oldBrush);
    dc.SelectObject(oldFont);
    dc.SelectObject(oldPen);
}
