// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The printed page as the recording device context sees it, in hundredths
// of an inch with y upward: where notes, staves, signs and texts go.
#include "doc/voldrim_doc.h"
#include "framework/dc.h"
#include "framework/print_info.h"
#include "print/melody_pages.h"
#include "support/recording_midi_output.h"
#include "support/scripted_responder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int kQuarterPitchC3 = 48; // in the space below the middle line

class PageLayoutTest : public ::testing::Test {
protected:
    void SetMelody(std::initializer_list<int> pitches, NoteValue value = NoteQuarter)
    {
        for (int pitch : pitches)
            m_doc.m_melody.push_back(std::make_unique<CNoteSeries>(value, pitch));
    }
    void SetMelodyOf(int count, int pitch = kQuarterPitchC3)
    {
        for (int i = 0; i < count; ++i)
            SetMelody({pitch});
    }
    // Draws the notes (or the frame) of one page of the given size.
    std::vector<GdiCall> Print(int page, bool frame = false, int width = 800, int height = 1000)
    {
        std::vector<GdiCall> calls;
        CDC dc;
        dc.SetPrinting(TRUE);
        dc.SetMapMode(MM_LOENGLISH);
        dc.SetRecorder(&calls);
        CPrintInfo info;
        info.m_nCurPage = UINT(page);
        info.m_rectDraw = CRect(0, 0, width, -height);
        if (frame)
            m_pages.PrintPageFrame(m_doc, dc, info);
        else
            m_pages.PrintMelodyNotes(m_doc, dc, info);
        return calls;
    }
    static std::vector<GdiCall> Calls(const std::vector<GdiCall>& calls, const char* op)
    {
        std::vector<GdiCall> found;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
                     [op](const GdiCall& call) { return call.op == op; });
        return found;
    }
    // The lower-left corners of the note heads drawn.
    static std::vector<CPoint> Heads(const std::vector<GdiCall>& calls)
    {
        std::vector<CPoint> heads;
        for (const GdiCall& call : Calls(calls, "Ellipse")) {
            if (call.args[2] - call.args[0] == 25)
                heads.emplace_back(call.args[0], call.args[1]);
        }
        return heads;
    }
    static std::vector<CString> Texts(const std::vector<GdiCall>& calls)
    {
        std::vector<CString> texts;
        for (const GdiCall& call : Calls(calls, "TextOut"))
            texts.push_back(call.text);
        return texts;
    }

    CRecordingMidiOutput m_midi;
    CScriptedResponder m_responder;
    CVoldrimDoc m_doc;
    CMelodyPages m_pages;
};

TEST_F(PageLayoutTest, NotesRunAlongAStaffAsFarAsThePageIsWide)
{
    struct Case {
        int width;
        std::vector<CPoint> heads; // the seventh note opens the second staff or is on it
    };
    // C3 has its head's lower edge 60 below the top line.
    const Case cases[] = {
        {800, {{150, -210}, {250, -210}, {350, -210}, {450, -210}, {550, -210}, {650, -210}, {150, -410}}},
        {750, {{150, -210}, {250, -210}, {350, -210}, {450, -210}, {550, -210}, {150, -410}, {250, -410}}},
    };
    SetMelodyOf(7);
    for (const Case& c : cases)
        EXPECT_EQ(Heads(Print(1, false, c.width)), c.heads) << "W " << c.width;
}

TEST_F(PageLayoutTest, StavesFillThePageWhileTheyFit)
{
    struct Case {
        int height;
        std::vector<int> topLines;
    };
    const Case cases[] = {{1000, {-150, -350, -550, -750}}, {969, {-150, -350, -550}}, {400, {-150}}};
    for (const Case& c : cases) {
        std::vector<int> topLines;
        for (const GdiCall& call : Calls(Print(1, true, 800, c.height), "MoveTo")) {
            if (call.args[0] == 0 && (call.args[1] + 150) % 200 == 0)
                topLines.push_back(call.args[1]);
        }
        EXPECT_EQ(topLines, c.topLines) << "H " << c.height;
    }
}

TEST_F(PageLayoutTest, TheJobEndsOnThePageOfTheLastNote)
{
    struct Case {
        int notes;
        int page;
        size_t heads;
        bool done;
    };
    // Six notes a staff and four staves a page: 24 notes a page.
    const Case cases[] = {{0, 1, 0, true}, {24, 1, 24, true}, {25, 1, 24, false}, {25, 2, 1, true}};
    for (const Case& c : cases) {
        m_doc.m_melody.clear();
        SetMelodyOf(c.notes);
        m_doc.m_bPrintDone = false;
        const std::vector<CPoint> heads = Heads(Print(c.page));
        EXPECT_EQ(heads.size(), c.heads) << c.notes << " notes, page " << c.page;
        EXPECT_EQ(m_doc.m_bPrintDone, c.done) << c.notes << " notes, page " << c.page;
        if (c.page == 2) {
            EXPECT_EQ(heads.front(), CPoint(150, -210)); // back at the first staff
        }
    }
}

TEST_F(PageLayoutTest, RhythmsGiveHeadsDotsAndStems)
{
    struct Case {
        int pitch;
        NoteValue value;
        COLORREF headBrush;
        bool dot;
        std::vector<int> stem; // from x, y to x, y; empty for none
    };
    // Pitch 50 (D3): head lower edge at -200, upper -181; 52 (E3): -190, -171.
    const Case cases[] = {
        {48, NoteDottedHalf, RGB(255, 255, 255), true, {175, -201, 175, -150}},
        {48, NoteWhole, RGB(255, 255, 255), false, {}},
        {50, NoteQuarter, RGB(0, 0, 0), false, {175, -191, 175, -140}},
        {52, NoteQuarter, RGB(0, 0, 0), false, {150, -180, 150, -231}},
    };
    for (const Case& c : cases) {
        m_doc.m_melody.clear();
        SetMelody({c.pitch}, c.value);
        const std::vector<GdiCall> calls = Print(1);
        const std::vector<GdiCall> ellipses = Calls(calls, "Ellipse");
        ASSERT_EQ(ellipses.size(), c.dot ? 2u : 1u) << c.pitch;
        EXPECT_EQ(ellipses[0].brushColor, c.headBrush) << c.pitch;
        if (c.dot) {
            EXPECT_EQ(ellipses[1].args, (std::vector<int>{179, -193, 184, -198}));
        }
        std::vector<int> stem;
        const std::vector<GdiCall> moves = Calls(calls, "MoveTo");
        const std::vector<GdiCall> lines = Calls(calls, "LineTo");
        if (!lines.empty())
            stem = {moves[0].args[0], moves[0].args[1], lines[0].args[0], lines[0].args[1]};
        EXPECT_EQ(stem, c.stem) << c.pitch << " value " << c.value;
    }
}

TEST_F(PageLayoutTest, ChromaticSignsAndNaturalsKeepToOnePage)
{
    m_doc.m_nKey = KeyChromatic;
    // The last staff of page 1 ends C sharp, C, C sharp; page 2 opens with C.
    SetMelodyOf(21);
    SetMelody({49, 48, 49, 48});
    // Notes 21 to 23 stand at x 450, 550 and 650 on the fourth staff (top
    // line -750); their heads' upper edge is at -791.
    const std::vector<GdiCall> page1 = Calls(Print(1), "Polygon");
    ASSERT_EQ(page1.size(), 6u); // sharp, natural, sharp: two bars each
    const auto firstPoint = [](const GdiCall& call) { return CPoint(call.args[0], call.args[1]); };
    EXPECT_EQ(firstPoint(page1[0]), CPoint(450 - 20, -791 + 10 - 14)) << "sharp";
    EXPECT_EQ(firstPoint(page1[2]), CPoint(550 - 20 + 4, -791 + 10 - 14)) << "natural";
    EXPECT_EQ(firstPoint(page1[4]), CPoint(650 - 20, -791 + 10 - 14)) << "sharp";
    EXPECT_TRUE(Calls(Print(2), "Polygon").empty()) << "no natural after a page break";
}

TEST_F(PageLayoutTest, TitleBlockNeedsATitle)
{
    struct Case {
        CString title;
        CString composer;
        std::vector<CString> texts;
    };
    // A page line shows no more than the caption: a title of 64 KiB once
    // took gigabytes to print.
    const CString longText(int(CVoldrimDoc::kLongestMelodyText), 'x');
    const CString shortened = longText.left(CVoldrimDoc::kLongestCaptionText) + QChar(0x2026);
    const Case cases[] = {
        {"Swan", "", {"Swan", "Page 1"}},
        {"", "Saint-Saens", {"Page 1"}},
        {"Swan", "Saint-Saens", {"Swan", "by", "Saint-Saens", "Page 1"}},
        {"Sw\tan", longText, {"Swan", "by", shortened, "Page 1"}},
    };
    for (const Case& c : cases) {
        m_doc.m_strMelodyTitle = c.title;
        m_doc.m_strMelodyComposer = c.composer;
        const std::vector<GdiCall> calls = Print(1, true);
        EXPECT_EQ(Texts(calls), c.texts) << c.title.toStdString() << " / " << c.composer.left(20).toStdString();
        // Centred at the top and bottom of the page, in the title font.
        CDC measure;
        measure.SetMapMode(MM_LOENGLISH);
        CFont font;
        font.CreateFont(30, FW_BOLD, "Arial");
        measure.SelectObject(&font);
        TEXTMETRIC tm;
        measure.GetTextMetrics(&tm);
        const GdiCall pageNumber = Calls(calls, "TextOut").back();
        EXPECT_EQ(pageNumber.args, (std::vector<int>{400 - measure.GetTextExtent("Page 1").cx / 2, 2 * tm.tmHeight - 1000}));
        if (!c.title.isEmpty()) {
            EXPECT_EQ(Calls(calls, "TextOut").front().args,
                      (std::vector<int>{400 - measure.GetTextExtent(c.texts[0]).cx / 2, 0}));
        }
    }
}

TEST_F(PageLayoutTest, KeySignaturesStandBesideTheClef)
{
    struct Case {
        Key key;
        std::vector<CPoint> firstPoints; // of the polygons after the clef's
    };
    // A sharp's first bar starts 14 below its anchor, a flat's body 19.
    const Case cases[] = {
        {KeyC, {}},
        {KeyD, {{70, -164}, {70, -179}, {90, -194}, {90, -209}}},
        {KeyBb, {{70, -205}, {90, -173}}},
    };
    for (const Case& c : cases) {
        m_doc.m_nKey = c.key;
        const std::vector<GdiCall> polygons = Calls(Print(1, true, 800, 400), "Polygon");
        ASSERT_FALSE(polygons.empty());
        EXPECT_EQ(CPoint(polygons[0].args[0], polygons[0].args[1]), CPoint(12, -165)) << "clef";
        std::vector<CPoint> firstPoints;
        for (size_t i = 1; i < polygons.size(); ++i)
            firstPoints.emplace_back(polygons[i].args[0], polygons[i].args[1]);
        EXPECT_EQ(firstPoints, c.firstPoints) << "key " << c.key;
    }
}

TEST_F(PageLayoutTest, APitchNoRowCarriesIsReportedAndPrintedOnTheTopLine)
{
    SetMelody({70, 48});
    m_responder.ExpectMessageBox(IDOK);
    const std::vector<CPoint> heads = Heads(Print(1));
    ASSERT_EQ(m_responder.Texts().size(), 1u);
    EXPECT_EQ(m_responder.Texts()[0], "No note match in DeterminePrintNoteLocation.");
    EXPECT_EQ(heads, (std::vector<CPoint>{{150, -150}, {250, -210}}));
}

} // namespace
