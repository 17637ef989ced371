// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Notes and rests written into the columns, drawn when the staff is painted.
#include "model/key.h"
#include "notation/pitch_signs.h"
#include "staff_view_fixture.h"

namespace {

using stafftest::kBlack;
using stafftest::kNameBlue;
using stafftest::kWhite;
using stafftest::StaffViewTest;

class NoteDrawing : public StaffViewTest {
protected:
    void SetUp() override { Create(600, 450); }
    void Show(std::initializer_list<std::pair<int, NoteValue>> notes)
    {
        int column = 0;
        for (auto [pitch, value] : notes)
            WriteColumn(column++, pitch, value);
        Repaint();
    }
};

TEST_F(NoteDrawing, QuarterA3HasAFilledHeadAStemDownAndItsLine)
{
    Show({{57, NoteQuarter}});
    // Head (100, 64)-(120, 78), filled.
    EXPECT_EQ(Count(kBlack, 104, 67, 116, 76), 12 * 9);
    EXPECT_EQ(Px(121, 71), kWhite);
    // Stem from (100, 71) to (100, 104), two pixels wide.
    EXPECT_TRUE(BlackColumn(99, 79, 104));
    EXPECT_TRUE(BlackColumn(100, 79, 104));
    EXPECT_EQ(Px(101, 90), kWhite);
    EXPECT_EQ(Px(100, 106), kWhite);
    EXPECT_EQ(Px(120, 60), kWhite);  // no stem up
    EXPECT_TRUE(BlackRow(100, 120, 70));
}

TEST_F(NoteDrawing, HalfD3IsHollowWithItsStemUpAndTheLineAcross)
{
    Show({{50, NoteHalf}});
    // Head (100, 94)-(120, 108): white inside but for the staff line at 100.
    EXPECT_EQ(Px(110, 97), kWhite);
    EXPECT_EQ(Px(110, 104), kWhite);
    EXPECT_TRUE(BlackRow(102, 118, 100));
    EXPECT_TRUE(IsBlack(110, 94));
    // Stem from (120, 101) up to (120, 68).
    EXPECT_TRUE(BlackColumn(120, 69, 100));
    EXPECT_EQ(Px(120, 66), kWhite);
    EXPECT_EQ(Px(100, 120), kWhite);  // no stem down
}

TEST_F(NoteDrawing, LineNoteOffTheStaffRedrawsItsLedgerLine)
{
    // E above the staff (row 0, pitch 64) sits on the upper guide line.
    Show({{64, NoteHalf}});
    // Head (100, 34)-(120, 48), hollow, crossed at y = 40.
    EXPECT_TRUE(BlackRow(101, 120, 40));
    EXPECT_EQ(Px(110, 37), kWhite);
    EXPECT_EQ(Px(110, 44), kWhite);
}

TEST_F(NoteDrawing, DotsSitBesideTheHead)
{
    // Column 0: dotted quarter G3 (55, space row 5); column 1: dotted half
    // A3 (57, line row 4).
    Show({{55, NoteDottedQuarter}, {57, NoteDottedHalf}});
    // Space note: head (100, 71)-(120, 85), dot (122, 75)-(126, 79).
    EXPECT_EQ(Count(kBlack, 122, 75, 126, 79), 16 - 4);  // a 4 x 4 ellipse misses its corners
    EXPECT_TRUE(IsBlack(123, 76));
    EXPECT_EQ(Px(123, 72), kWhite);
    // Line note: head (144, 64)-(164, 78), dot (166, 64)-(170, 68).
    EXPECT_TRUE(IsBlack(167, 65));
    EXPECT_EQ(Px(167, 75), kWhite);
    // The dotted half is hollow.
    EXPECT_EQ(Px(154, 67), kWhite);
}

TEST_F(NoteDrawing, WholeNoteHasNoStem)
{
    // C3 (48) on space row 9: head (100, 101)-(120, 115).
    Show({{48, NoteWhole}});
    EXPECT_TRUE(IsBlack(110, 101));
    EXPECT_EQ(Px(110, 108), kWhite);
    // Where a stem would go, below on the left or above on the right, the
    // column looks like the empty one beside it.
    EXPECT_EQ(Count(kBlack, 98, 116, 102, 145), Count(kBlack, 142, 116, 146, 145));
    EXPECT_EQ(Count(kBlack, 118, 66, 122, 100), Count(kBlack, 162, 66, 166, 100));
}

TEST_F(NoteDrawing, RestDrawsOnlyItsSign)
{
    Show({{kRestPitch, NoteRest}});
    // The sign hangs from (105, 80): corners of its outline, and its filled
    // body between them.
    for (auto [x, y] : {std::pair{107, 80}, {116, 91}, {111, 101}, {118, 110}, {113, 115}, {105, 98}, {110, 85}})
        EXPECT_TRUE(IsBlack(x, y)) << x << ", " << y;
    EXPECT_TRUE(IsBlack(110, 92));
    EXPECT_EQ(Px(104, 90), kWhite);
    EXPECT_EQ(Px(119, 95), kWhite);
    // No head, stem or name, though names are shown: below the sign the
    // column looks like the empty one beside it.
    EXPECT_TRUE(m_doc->m_bStaffNames);
    EXPECT_EQ(Count(kNameBlue, 100, 170, 120, 185), 0);
    EXPECT_EQ(Count(kBlack, 96, 121, 125, 190), Count(kBlack, 140, 121, 169, 190));
    EXPECT_EQ(Count(kBlack, 96, 40, 125, 79), Count(kBlack, 140, 40, 169, 79));
}

TEST_F(NoteDrawing, EighthC4HangsItsFlagFromTheStem)
{
    // C4 (60) on row 2: head (100, 49)-(120, 63); stem down to y = 89.
    Show({{60, NoteEighth}, {60, NoteQuarter}});
    EXPECT_TRUE(BlackColumn(100, 56, 89));
    // The flag runs from the stem's end up to (106, 68).
    EXPECT_TRUE(IsBlack(101, 87));
    EXPECT_TRUE(IsBlack(105, 82));
    EXPECT_TRUE(IsBlack(107, 77));
    EXPECT_TRUE(IsBlack(106, 69));
    EXPECT_TRUE(IsBlack(103, 82));  // filled inside
    // The quarter beside it has none: right of its stem it looks like an
    // empty column.
    EXPECT_TRUE(BlackColumn(144, 56, 89));
    EXPECT_EQ(Count(kBlack, 145, 64, 156, 90), Count(kBlack, 189, 64, 200, 90));
}

TEST_F(NoteDrawing, ChromaticKeyShowsSharpThenNaturalOnceGapsOrNot)
{
    m_doc->m_nKey = KeyChromatic;
    // C#3, C3, C3 on row 9 (heads at y 101), side by side, and with columns
    // left empty between them by clicks further on.
    const struct {
        int sharp, natural, plain;
    } cases[] = { { 0, 1, 2 }, { 0, 3, 5 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "columns " << c.sharp << ", " << c.natural << ", " << c.plain);
        m_doc->ClearColumns();
        WriteColumn(c.sharp, 49, NoteQuarter);
        WriteColumn(c.natural, 48, NoteQuarter);
        WriteColumn(c.plain, 48, NoteQuarter);
        Repaint();
        // Sign anchors 20 pixels left of the head, at y 89.
        const int sharp = 80 + 44 * c.sharp, natural = 80 + 44 * c.natural, plain = 80 + 44 * c.plain;
        // Sharp: stems at x + 8 (93..132) and x + 13 (89..128).
        EXPECT_TRUE(BlackColumn(sharp + 8, 93, 133));
        EXPECT_TRUE(BlackColumn(sharp + 13, 89, 129));
        // Natural: stems at x + 6 (89..121) and x + 13 (96..132).
        EXPECT_TRUE(BlackColumn(natural + 6, 89, 122));
        EXPECT_TRUE(BlackColumn(natural + 13, 96, 133));
        EXPECT_EQ(Px(natural + 8, 95), kWhite);  // not a sharp
        // The third C gets nothing.
        EXPECT_EQ(Count(kBlack, plain - 2, 86, plain + 18, 99), 0);
        EXPECT_EQ(Count(kBlack, plain - 2, 101, plain + 18, 114), 0);
    }
}

TEST_F(NoteDrawing, FlatsShowInTheChromaticKeyOnly)
{
    // Eb3 (51) on row 7: head (100, 86)-(120, 100), flat at (86, 68).
    m_doc->m_nKey = KeyChromatic;
    Show({{51, NoteQuarter}});
    EXPECT_TRUE(BlackColumn(86, 68, 103));
    EXPECT_TRUE(BlackColumn(91, 86, 98));
    m_doc->m_nKey = KeyBb;
    Repaint();
    EXPECT_EQ(Px(86, 75), kWhite);
    EXPECT_EQ(Px(91, 90), kWhite);
}

TEST_F(NoteDrawing, NamesAreBlueUnderWrittenColumnsWhileShown)
{
    Show({{57, NoteQuarter}, {54, NoteQuarter}});
    EXPECT_GT(Count(kNameBlue, 100, 170, 120, 185), 5);
    EXPECT_GT(Count(kNameBlue, 144, 170, 164, 185), 5);
    EXPECT_EQ(Count(kNameBlue, 188, 170, 208, 185), 0);  // empty column
    // "F#" is wider than "A".
    EXPECT_GT(Count(kNameBlue, 144, 170, 164, 185), Count(kNameBlue, 100, 170, 120, 185));

    m_doc->m_bStaffNames = false;
    Repaint();
    EXPECT_EQ(Count(kNameBlue, 0, 0, 600, 450), 0);
    EXPECT_EQ(Count(kBlack, 95, 165, 170, 190), 0);
}

std::vector<int> PitchesWhere(bool (*is)(int pitch))
{
    std::vector<int> pitches;
    for (int pitch = 0; pitch < 1000; ++pitch)
        if (is(pitch))
            pitches.push_back(pitch);
    return pitches;
}

TEST(LineNotes, AreTheSixteenPitchesOnLines)
{
    EXPECT_EQ(PitchesWhere(IsOnStaffLine),
              (std::vector<int>{36, 37, 39, 40, 43, 46, 47, 50, 53, 54, 56, 57, 60, 61, 63, 64}));
}

// The staff writes C# and F# with a sharp, Eb, Ab and Bb with a flat.
TEST(PitchSigns, AreTheSharpsAndFlatsOfTheStaffPositions)
{
    EXPECT_EQ(PitchesWhere(IsWrittenSharp), (std::vector<int>{37, 42, 49, 54, 61}));
    EXPECT_EQ(PitchesWhere(IsWrittenFlat), (std::vector<int>{39, 44, 46, 51, 56, 58, 63}));
}

// A painting of part of the staff draws there what a painting of all of
// it does, however the part cuts through the notes and their signs.
TEST_F(NoteDrawing, APaintingOfAStripLeavesThePictureOfAFullPainting)
{
    m_doc->m_nKey = KeyChromatic;
    // Flats above the top row, sharps below the bottom row, flags, dots,
    // naturals and a rest, and the second system's first columns.
    Show({{63, NoteEighth}, {64, NoteQuarter}, {37, NoteDottedHalf}, {36, NoteWhole}, {kRestPitch, NoteRest},
          {61, NoteDottedQuarter}, {60, NoteHalf}, {46, NoteEighth}, {47, NoteQuarter}, {54, NoteHalf},
          {53, NoteWhole}, {44, NoteEighth}, {45, NoteDottedHalf}, {39, NoteQuarter}, {40, NoteEighth}});
    const QImage full = m_view->BackingImage().copy();
    std::vector<CRect> strips;
    for (int x = 0; x < 600; x += 3)
        strips.emplace_back(x, 0, x + 2, 450);
    for (int y = 0; y < 450; y += 3)
        strips.emplace_back(0, y, 600, y + 2);
    for (const CRect& strip : strips) {
        m_view->InvalidateRect(strip, TRUE);
        Paint();
        ASSERT_EQ(m_view->BackingImage(), full) << "strip at " << strip.left << ", " << strip.top;
    }
}

} // namespace
