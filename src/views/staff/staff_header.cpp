// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The header line and the empty staves with their clefs and key
// signatures.
#include "views/staff/staff_view.h"

#include "doc/staff_grid.h"
#include "doc/voldrim_doc.h"
#include "model/key.h"
#include "model/note_names.h"
#include "sound/tempo_table.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Staff geometry of a system whose drawing origin is T = 180 k.
constexpr int kSystemPitch = 180;
constexpr int kTopLine = 70;
constexpr int kLineSpacing = 15;
constexpr int kStaffLines = 5;
constexpr int kClefX = 10;
// The guides of a column reach this far left and right of its x.
constexpr int kGuideReachLeft = 4;
constexpr int kGuideReachRight = 24;
// The header line's text, and how many blanks wipe a longer one of before.
constexpr CPoint kHeaderText(8, 5);
constexpr int kHeaderBlanks = 78;
// The key signatures: the first and second sign from the left, each at its
// height from the top line.
constexpr int kFirstSignX = 50;
constexpr int kSecondSignX = 66;
constexpr int kSharpFInG = -5;
constexpr int kSharpFInD = -7;
constexpr int kSharpC = 15;
constexpr int kFlatB = 20;
constexpr int kFlatE = -3;
constexpr int kUpperGuides[] = {40, 55};
constexpr int kLowerGuides[] = {145, 160};
// What a system draws lies between its upper and its lower guides; the
// header line lies above the first system's.
constexpr int kSystemTop = 40;
constexpr int kSystemBottom = 161;
constexpr int kHeaderBottom = 40;
// The program's own status line, between the header line and the first
// system's upper guides: whether it listens, and the notes the staff has
// no room for.
constexpr int kStatusTop = 25;
constexpr int kStatusBottom = 40;
constexpr int kStatusMargin = 8;
// The tuner beside the note heard: its cents after a gap, then a scale
// from 50 cents flat to 50 sharp with a mark at true, and the needle.
constexpr int kTunerGap = 8;
constexpr int kScaleHalfWidth = 30;
constexpr int kScaleTick = 3;
constexpr int kNeedleHalfHeight = 6;
constexpr int kMostCents = 50;
// Within this many cents of true the needle is green; else red.
constexpr int kInTuneCents = 10;
constexpr COLORREF kScaleColor = RGB(96, 96, 96);
constexpr COLORREF kInTuneColor = RGB(0, 150, 0);
constexpr COLORREF kOutOfTuneColor = RGB(200, 0, 0);

// The note heard, with its octave as cellists count them (the C string
// is C2); nothing while no note sounds.
CString HeardNoteText(int pitch)
{
    if (pitch == kNoPitch)
        return CString();
    return QStringLiteral(": ") + NoteNameWithOctave(pitch);
}

// "+12", "-7", "+0".
CString CentsText(int cents)
{
    return (cents >= 0 ? QStringLiteral("+") : QString()) + QString::number(cents);
}

CString NotesPastStaffText(std::size_t notes)
{
    if (notes == 0)
        return CString();
    return QString::number(notes) + (notes == 1 ? QStringLiteral(" more note") : QStringLiteral(" more notes")) +
           QStringLiteral(": enlarge the window");
}

} // namespace

void CStaffView::DrawHeader(CDC* pDC)
{
    // A painting of part of the view passes over what it does not reach.
    if (!pDC->RectVisible(CRect(0, 0, m_nClientWidth, kHeaderBottom)))
        return;
    CVoldrimDoc* doc = GetDocument();
    CFont* oldFont = pDC->SelectObject(&m_fontHeader);
    CString text = QStringLiteral("Tempo: ") + GetTempoName(doc ? doc->m_nTempo : 0) + QStringLiteral("    Key: ") +
                   KeyName(doc ? doc->m_nKey : KeyC);
    if (doc && doc->IsQuestionRunning())
        text += QStringLiteral("     Show Me?              ");
    // Blanks first wipe a longer header of before.
    pDC->TextOut(kHeaderText.x, kHeaderText.y, CString(kHeaderBlanks, QLatin1Char(' ')));
    pDC->TextOut(kHeaderText.x, kHeaderText.y, text);
    pDC->SelectObject(oldFont);
    if (doc)
        DrawStatusLine(pDC, *doc);
}

CRect CStaffView::StatusLineRect() const
{
    return CRect(0, kStatusTop, m_nClientWidth, kStatusBottom);
}

void CStaffView::DrawStatusLine(CDC* pDC, const CVoldrimDoc& doc)
{
    const CRect line = StatusLineRect();
    pDC->FillRect(line, &m_brBackground);
    CFont* oldFont = pDC->SelectObject(&m_fontStatus);
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    CRect text = line;
    text.DeflateRect(kStatusMargin, 0);
    if (doc.m_bListening) {
        const CString listening = QStringLiteral("Listening") + HeardNoteText(doc.m_nHeardPitch);
        pDC->DrawText(listening, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        if (doc.m_nHeardPitch != kNoPitch)
            DrawTuner(pDC, text.left + pDC->GetTextExtent(listening).cx + kTunerGap, doc.m_nHeardCents);
    }
    pDC->DrawText(NotesPastStaffText(doc.CountNotesPastStaff()), &text, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    pDC->SetBkMode(oldMode);
    pDC->SelectObject(oldFont);
}

void CStaffView::DrawTuner(CDC* pDC, int left, int cents)
{
    const CString centsText = CentsText(cents);
    CRect text(left, kStatusTop, left + pDC->GetTextExtent(centsText).cx + 1, kStatusBottom);
    pDC->DrawText(centsText, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    const int middle = text.right + kTunerGap + kScaleHalfWidth;
    const int y = (kStatusTop + kStatusBottom) / 2;
    CPen scalePen(PS_SOLID, 1, kScaleColor);
    CPen* oldPen = pDC->SelectObject(&scalePen);
    pDC->MoveTo(middle - kScaleHalfWidth, y);
    pDC->LineTo(middle + kScaleHalfWidth + 1, y);
    for (int x : {middle - kScaleHalfWidth, middle, middle + kScaleHalfWidth}) {
        const int reach = x == middle ? kNeedleHalfHeight : kScaleTick;
        pDC->MoveTo(x, y - reach);
        pDC->LineTo(x, y + reach + 1);
    }
    const int clamped = std::clamp(cents, -kMostCents, kMostCents);
    const int needle = middle + clamped * kScaleHalfWidth / kMostCents;
    CPen needlePen(PS_SOLID, 2, std::abs(cents) <= kInTuneCents ? kInTuneColor : kOutOfTuneColor);
    pDC->SelectObject(&needlePen);
    pDC->MoveTo(needle, y - kNeedleHalfHeight);
    pDC->LineTo(needle, y + kNeedleHalfHeight + 1);
    pDC->SelectObject(oldPen);
}

void CStaffView::DrawStaves(CDC* pDC)
{
    CVoldrimDoc* doc = GetDocument();
    const int systems = doc ? doc->m_nSystems : 0;
    // Ledger lines of the two rows above and below the staff, at every
    // column, as a guide for writing notes there.
    auto drawGuides = [this, pDC](int y) {
        for (int x = staffgrid::kFirstColumnX; x < m_nColumnLimit; x += staffgrid::kColumnPitch) {
            if (!pDC->RectVisible(CRect(x - kGuideReachLeft, y, x + kGuideReachRight, y + 1)))
                continue;
            pDC->MoveTo(x - kGuideReachLeft, y);
            pDC->LineTo(x + kGuideReachRight, y);
        }
    };
    for (int k = 0; k < systems; ++k) {
        const int t = kSystemPitch * k;
        if (!pDC->RectVisible(CRect(0, t + kSystemTop, m_nClientWidth, t + kSystemBottom)))
            continue;
        for (int guide : kUpperGuides)
            drawGuides(t + guide);
        DrawBassClef(*pDC, kClefX, t + kTopLine);
        DrawKeySignature(*pDC, t + kTopLine);
        for (int line = 0; line < kStaffLines; ++line) {
            const int y = t + kTopLine + line * kLineSpacing;
            pDC->MoveTo(0, y);
            pDC->LineTo(m_nClientWidth, y);
        }
        for (int guide : kLowerGuides)
            drawGuides(t + guide);
    }
}

void CStaffView::DrawKeySignature(CDC& dc, int topLineY)
{
    CVoldrimDoc* doc = GetDocument();
    switch (doc ? doc->m_nKey : KeyC) {
    case KeyG:
        DrawSharp(dc, kFirstSignX, topLineY + kSharpFInG);
        break;
    case KeyD:
        DrawSharp(dc, kFirstSignX, topLineY + kSharpFInD);
        DrawSharp(dc, kSecondSignX, topLineY + kSharpC);
        break;
    case KeyF:
        DrawFlat(dc, kFirstSignX, topLineY + kFlatB);
        break;
    case KeyBb:
        DrawFlat(dc, kFirstSignX, topLineY + kFlatB);
        DrawFlat(dc, kSecondSignX, topLineY + kFlatE);
        break;
    default:  // C major and the chromatic key have no signature
        break;
    }
}
