// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The flash card beside a wide fingerboard: a red cross-hatched card that
// hides the name of the chosen stop until the student clicks it.
#include "views/fingerboard/fboard_view.h"

#include "doc/voldrim_doc.h"

namespace {

constexpr int kCardWidthNeeded = 500;

}  // namespace

bool CFboardView::IsCardShown() const
{
    CRect client;
    GetClientRect(&client);
    return client.Width() > kCardWidthNeeded;
}

void CFboardView::DrawCoveredCard(CDC* pDC, int captionAboveBottom)
{
    CFont* oldFont = pDC->SelectObject(&m_fontLabel);
    CBrush* oldBrush = pDC->SelectObject(&m_brCard);
    pDC->RoundRect(m_rcCard, CPoint(m_nCardCornerWidth, m_nCardCornerHeight));
    pDC->SelectObject(oldBrush);

    CRect client;
    GetClientRect(&client);
    m_rcCardCaption.SetRect(300, 360, 500, client.Height() - captionAboveBottom);
    CRect box = m_rcCardCaption;
    pDC->DrawText(m_strCardCaption, &box, DT_WORDBREAK);
    pDC->SelectObject(oldFont);
}

void CFboardView::DrawCard(CDC* pDC)
{
    DrawCoveredCard(pDC, 10);
    // The quiz needs the staff, which the card has taken the place of.
    m_btnShowMe.ShowWindow(false);
}

void CFboardView::RevealCard()
{
    CFont nameFont;
    nameFont.CreateFont(80, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, kFixedPitch, "Times New Roman");
    CClientDC dc(this);
    CFont* oldFont = dc.SelectObject(&nameFont);
    // A fresh window context: white card, black outline.
    dc.RoundRect(m_rcCard, CPoint(m_nCardCornerWidth, m_nCardCornerHeight));
    CRect box = m_rcCard;
    dc.DrawText(QStringLiteral("  ") + GetDocument()->m_strNoteName + QStringLiteral("  "), &box,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(oldFont);
}

void CFboardView::CoverCard()
{
    CClientDC dc(this);
    DrawCoveredCard(&dc, 20);
}
