// The staff view's geometry: systems of note columns, each column a stack
// of seventeen rows from the E above the staff down to the C below it.
#include "doc/voldrim_doc.h"

#include "model/pitch.h"
#include "model/staff_position_table.h"

#include <algorithm>

void CVoldrimDoc::BuildStaffLayout(int left, int /*top*/, int right, int /*bottom*/, int systems)
{
    m_positionList.clear();
    m_columnList.clear();

    // Columns stop 25 pixels short of the right edge.
    const int limit = right - left - 25;
    int y = 33;
    for (int k = 0; k < systems; ++k) {
        if (k > 0)
            y += 53;
        const int s = y;
        for (int x = 100; x < limit; x += 44) {
            y = s;
            // Rows alternate line and space, 7 and 8 pixels apart, so that
            // the heads meet the 15-pixel staff line spacing.
            for (int row = 0; row < kStaffPositionsPerColumn; ++row) {
                auto position = std::make_unique<CStaffPosition>(row);
                position->SetHeadRect(CRect(x, y + 1, x + 20, y + 15));
                position->SetHitRect(CRect(x - 12, y + 3, x + 32, y + 12));
                m_positionList.push_back(std::move(position));
                y += row % 2 == 0 ? 7 : 8;
            }
            auto column = std::make_unique<CStaffColumn>();
            column->SetLabelRect(CRect(x, y + 10, x + 20, y + 25));
            column->SetHitRect(CRect(x - 12, s, x + 32, y + 25));
            column->SetPitch(kNoPitch);
            column->SetNoteRect(CRect());
            m_columnList.push_back(std::move(column));
        }
    }
    m_nColumnCount = int(m_columnList.size());
}

const CStaffPosition* CVoldrimDoc::FindRowOfPitch(std::size_t column, int pitch) const
{
    const std::size_t first = column * kStaffPositionsPerColumn;
    const std::size_t end = std::min(first + kStaffPositionsPerColumn, m_positionList.size());
    for (std::size_t i = first; i < end; ++i) {
        if (pitch == kRestPitch || m_positionList[i]->HoldsPitch(pitch))
            return m_positionList[i].get();
    }
    return nullptr;
}
