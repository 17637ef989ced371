// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The staff's systems, columns and rows for a client size.
#include "doc/voldrim_doc.h"
#include "support/recording_midi_output.h"
#include "staff_view_fixture.h"

namespace {

using stafftest::StaffViewTest;

class StaffLayout : public StaffViewTest {};

TEST_F(StaffLayout, SixHundredByFourFiftyGivesTwoSystemsOfElevenColumns)
{
    m_doc->BuildStaffLayout(0, 0, 600, 450, 2);
    ASSERT_EQ(m_doc->m_nColumnCount, 22);
    ASSERT_EQ(m_doc->m_columnList.size(), 22u);
    ASSERT_EQ(m_doc->m_positionList.size(), 22u * 17);

    // Columns at x = 100, 144, ..., 540 in each system; 575 is the limit.
    for (int k = 0; k < 2; ++k) {
        const int s = 33 + 180 * k;
        for (int c = 0; c < 11; ++c) {
            const int x = 100 + 44 * c;
            const CStaffColumn& col = m_doc->m_columnList[size_t(k * 11 + c)];
            EXPECT_EQ(col.GetLabelRect(), CRect(x, s + 137, x + 20, s + 152)) << "system " << k << " column " << c;
            EXPECT_EQ(col.GetHitRect(), CRect(x - 12, s, x + 32, s + 152));
            EXPECT_EQ(col.GetPitch(), 0);
            EXPECT_FALSE(col.IsWritten());
        }
    }
}

TEST_F(StaffLayout, RowsAlternateSevenAndEightPixelsWithTheirNotes)
{
    m_doc->BuildStaffLayout(0, 0, 600, 450, 2);
    const int rowOffsets[17] = {0, 7, 15, 22, 30, 37, 45, 52, 60, 67, 75, 82, 90, 97, 105, 112, 120};
    const int naturals[17] = {64, 62, 60, 59, 57, 55, 53, 52, 50, 48, 47, 45, 43, 41, 40, 38, 36};
    for (int r = 0; r < 17; ++r) {
        const CStaffPosition& pos = m_doc->m_positionList[size_t(r)];
        const int y = 33 + rowOffsets[r];
        EXPECT_EQ(pos.GetHeadRect(), CRect(100, y + 1, 120, y + 15)) << "row " << r;
        EXPECT_EQ(pos.GetHitRect(), CRect(88, y + 3, 132, y + 12)) << "row " << r;
        EXPECT_EQ(pos.GetNaturalPitch(), naturals[r]);
    }
    // Row 16 ends at 153; the second system's first row is 180 lower.
    EXPECT_EQ(m_doc->m_positionList[16].GetHeadRect().top, 153 + 1);
    EXPECT_EQ(m_doc->m_positionList[11 * 17].GetHeadRect().top, 213 + 1);
    // The second column's rows are 44 pixels to the right.
    EXPECT_EQ(m_doc->m_positionList[17].GetHeadRect(), CRect(144, 34, 164, 48));

    const CStaffPosition& f = m_doc->m_positionList[6];
    EXPECT_EQ(f.GetLetterName(), "F");
    EXPECT_EQ(f.GetAccidentalName(), "F#");
    EXPECT_EQ(f.PitchForKey(KeyG), 54);
    EXPECT_EQ(f.PitchForKey(KeyC), 53);
    EXPECT_EQ(f.NameForPitch(54), "F#");
    EXPECT_EQ(f.NameForPitch(53), "F");
}

TEST_F(StaffLayout, TheRowUnderAPointIsTheFirstWhoseHitRectangleHoldsIt)
{
    m_doc->BuildStaffLayout(0, 0, 600, 450, 2);
    // Rows 0 and 1 of the first column both reach y = 43 and 44: the upper wins.
    EXPECT_EQ(m_doc->PositionAt(CPoint(110, 44)), 0u);
    EXPECT_EQ(m_doc->PositionAt(CPoint(110, 45)), 1u);
    // The top three pixel rows of a system and the label boxes hit nothing.
    EXPECT_EQ(m_doc->PositionAt(CPoint(110, 215)), CVoldrimDoc::kNoPosition);
    EXPECT_EQ(m_doc->PositionAt(CPoint(110, 175)), CVoldrimDoc::kNoPosition);

    // Every point of the view and around it, against the rows walked in order.
    for (int y = -3; y < 460; ++y) {
        for (int x = -3; x < 610; ++x) {
            std::size_t first = CVoldrimDoc::kNoPosition;
            for (std::size_t i = 0; i < m_doc->m_positionList.size() && first == CVoldrimDoc::kNoPosition; ++i)
                if (m_doc->m_positionList[i].GetHitRect().PtInRect(CPoint(x, y)))
                    first = i;
            ASSERT_EQ(m_doc->PositionAt(CPoint(x, y)), first) << "at " << x << ", " << y;
        }
    }
}

TEST_F(StaffLayout, NarrowClientHasSystemsWithoutColumns)
{
    // The limit is width - 25: 125 makes the limit 100, which holds no column.
    m_doc->BuildStaffLayout(0, 0, 125, 450, 2);
    EXPECT_EQ(m_doc->m_nColumnCount, 0);
    EXPECT_TRUE(m_doc->m_positionList.empty());
    EXPECT_EQ(m_doc->PositionAt(CPoint(100, 40)), CVoldrimDoc::kNoPosition);
    m_doc->BuildStaffLayout(0, 0, 126, 450, 2);
    EXPECT_EQ(m_doc->m_nColumnCount, 2);
}

TEST_F(StaffLayout, ARebuildReplacesTheOldLayout)
{
    m_doc->BuildStaffLayout(0, 0, 600, 450, 2);
    m_doc->m_columnList[0].SetPitch(57);
    m_doc->BuildStaffLayout(0, 0, 300, 250, 1);
    EXPECT_EQ(m_doc->m_nColumnCount, 4);  // x = 100, 144, 188, 232; the limit is 275
    EXPECT_EQ(m_doc->m_columnList[0].GetPitch(), 0);
}

TEST_F(StaffLayout, TheViewCountsSystemsByHeight)
{
    Create(600, 204);
    EXPECT_EQ(m_doc->m_nSystems, 0);
    EXPECT_TRUE(m_doc->m_columnList.empty());
    Resize(600, 205);
    EXPECT_EQ(m_doc->m_nSystems, 1);
    EXPECT_EQ(m_doc->m_nColumnCount, 11);
    Resize(600, 409);
    EXPECT_EQ(m_doc->m_nSystems, 1);
    Resize(600, 410);
    EXPECT_EQ(m_doc->m_nSystems, 2);
    EXPECT_EQ(m_doc->m_nColumnCount, 22);
    EXPECT_EQ(m_view->ColumnLimit(), 575);

    // Lower than one system: none is drawn, and no column is left to
    // write into off the screen.
    Resize(600, 150);
    EXPECT_EQ(m_doc->m_nSystems, 0);
    EXPECT_EQ(m_doc->m_nColumnCount, 0);
    EXPECT_TRUE(m_doc->m_columnList.empty());
    EXPECT_TRUE(m_doc->m_positionList.empty());
}

} // namespace
