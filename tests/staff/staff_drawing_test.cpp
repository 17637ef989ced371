// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The empty staves: lines, guide dashes, clefs and key signatures.
#include "model/key.h"
#include "staff_view_fixture.h"

namespace {

using stafftest::kBlack;
using stafftest::kWhite;
using stafftest::StaffViewTest;

class StaffDrawing : public StaffViewTest {};

TEST_F(StaffDrawing, StaffLinesOfBothSystemsRunAcrossTheView)
{
    Create(600, 450);
    for (int t : {0, 180}) {
        for (int y : {70, 85, 100, 115, 130})
            EXPECT_TRUE(BlackRow(0, 600, t + y)) << "line at " << t + y;
        // Between the lines only the clef and guide-free space.
        EXPECT_EQ(Count(kBlack, 100, t + 71, 600, t + 85), 0);
    }
    // Nothing below the second system's lowest guide.
    EXPECT_EQ(Count(kBlack, 0, 345, 600, 400), 0);
}

TEST_F(StaffDrawing, GuideDashesMarkEveryColumnAboveAndBelowTheStaff)
{
    Create(600, 450);
    for (int t : {0, 180}) {
        for (int y : {40, 55, 145, 160}) {
            for (int x = 100; x <= 540; x += 44) {
                EXPECT_TRUE(BlackRow(x - 4, x + 24, t + y)) << "dash at " << x << ", " << t + y;
                EXPECT_EQ(Px(x + 24, t + y), kWhite);
                EXPECT_EQ(Px(x - 5, t + y), kWhite);
            }
            // None past the last column (584 would be beyond the limit 575).
            EXPECT_EQ(Count(kBlack, 564, t + y, 600, t + y + 1), 0);
        }
    }
}

TEST_F(StaffDrawing, BassClefOfEachSystem)
{
    Create(600, 450);
    std::vector<GdiCall> calls;
    m_view->SetDrawRecorder(&calls);
    Repaint();
    m_view->SetDrawRecorder(nullptr);
    int ellipses = 0, lines = 0;
    for (const GdiCall& call : calls) {
        ellipses += call.op == "Ellipse";
        lines += call.op == "LineTo";
    }
    // Per system: 33 clef strokes, 5 staff lines and 4 x 11 guide dashes.
    EXPECT_EQ(ellipses, 2 * 3);
    EXPECT_EQ(lines, 2 * (33 + 5 + 44));

    for (int t : {0, 180}) {
        const int y = t + 70;
        // The spine, the two dots right of it and the ball at its head.
        EXPECT_TRUE(BlackColumn(29, y, y + 30));
        EXPECT_TRUE(IsBlack(43, y + 9));
        EXPECT_TRUE(IsBlack(43, y + 22));
        EXPECT_TRUE(IsBlack(16, y + 14));
        EXPECT_EQ(Px(43, y + 16), kWhite);
        // The tail reaches down to the left.
        EXPECT_TRUE(IsBlack(11, y + 43));
    }
}

// The black pixels of the key-signature area of system 0 besides the lines.
struct SignatureCase {
    Key key;
    std::vector<std::pair<int, int>> black;
    std::vector<std::pair<int, int>> white;
};

TEST_F(StaffDrawing, KeySignaturesSitAtTheirAnchors)
{
    const SignatureCase cases[] = {
        // G: one sharp at (50, 65): stems at x 58 and 63, from y 69 and 65.
        {KeyG, {{58, 69}, {58, 108}, {63, 65}, {63, 104}, {60, 79}}, {{58, 67}, {63, 63}, {74, 92}}},
        // D: sharps at (50, 63) and (66, 85).
        {KeyD, {{58, 67}, {58, 106}, {63, 63}, {74, 89}, {74, 128}, {79, 85}}, {{58, 108}, {63, 61}}},
        // F: one flat at (50, 90).
        {KeyF, {{50, 90}, {50, 124}, {55, 108}, {55, 119}}, {{50, 88}, {66, 75}}},
        // Bb: flats at (50, 90) and (66, 67).
        {KeyBb, {{50, 90}, {50, 124}, {66, 67}, {66, 101}, {71, 85}}, {{66, 65}, {66, 103}}},
    };
    Create(600, 450);
    for (const SignatureCase& c : cases) {
        m_doc->m_nKey = c.key;
        Repaint();
        for (int t : {0, 180}) {
            for (auto [x, y] : c.black)
                EXPECT_TRUE(IsBlack(x, t + y)) << "key " << c.key << " at " << x << ", " << t + y;
            for (auto [x, y] : c.white)
                EXPECT_EQ(Px(x, t + y), kWhite) << "key " << c.key << " at " << x << ", " << t + y;
        }
    }
}

TEST_F(StaffDrawing, CMajorAndChromaticHaveNoSignature)
{
    Create(600, 450);
    for (Key key : {KeyC, KeyChromatic}) {
        m_doc->m_nKey = key;
        Repaint();
        // Only the five staff lines cross the area between clef and columns.
        EXPECT_EQ(Count(kBlack, 48, 40, 88, 160), 5 * 40) << "key " << key;
    }
}

TEST_F(StaffDrawing, ANarrowViewHasStavesWithoutColumns)
{
    Create(125, 250);
    EXPECT_EQ(m_doc->m_nColumnCount, 0);
    EXPECT_TRUE(BlackRow(0, 125, 70));
    EXPECT_EQ(Count(kBlack, 90, 40, 125, 41), 0);  // no guide dash
    EXPECT_TRUE(BlackColumn(29, 70, 100));         // but a clef
}

} // namespace
