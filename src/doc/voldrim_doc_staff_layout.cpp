// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The staff view's geometry: systems of note columns, each column a stack
// of seventeen rows from the E above the staff down to the C below it.
// The columns form a regular grid, so the row under a point is computed.
#include "doc/voldrim_doc.h"

#include "doc/staff_grid.h"
#include "model/pitch.h"
#include "model/staff_position_table.h"

#include <algorithm>

using namespace staffgrid;

namespace {

// A click reaches 12 pixels left of a column's heads.
constexpr int kHitReachLeft = 12;
// The first system's top, and the room between a column's last row and
// the next system's top.
constexpr int kFirstSystemTop = 33;
constexpr int kSystemGap = 53;
// A column's height from the system's top: its rows, then its label box.
constexpr int kColumnRowsHeight = 127;
constexpr int kSystemPitch = kColumnRowsHeight + kSystemGap;

// How far below the system's top each row lies: rows alternate line and
// space, 7 and 8 pixels apart, so that the heads meet the 15-pixel staff
// line spacing.
constexpr int RowOffset(int row)
{
    return row / 2 * 15 + row % 2 * 7;
}

} // namespace

void CVoldrimDoc::BuildStaffLayout(int left, int /*top*/, int right, int /*bottom*/, int systems)
{
    m_positionList.clear();
    m_columnList.clear();

    const int limit = right - left - kRightMargin;
    m_nColumnsPerSystem = std::max(0, (limit - kFirstColumnX + kColumnPitch - 1) / kColumnPitch);
    const std::size_t columns = std::size_t(m_nColumnsPerSystem) * std::size_t(std::max(0, systems));
    m_positionList.reserve(columns * kStaffPositionsPerColumn);
    m_columnList.reserve(columns);
    for (int k = 0; k < systems && m_nColumnsPerSystem > 0; ++k) {
        const int s = kFirstSystemTop + k * kSystemPitch;
        const int end = s + kColumnRowsHeight;
        for (int c = 0; c < m_nColumnsPerSystem; ++c) {
            const int x = kFirstColumnX + c * kColumnPitch;
            for (int row = 0; row < kStaffPositionsPerColumn; ++row) {
                const int y = s + RowOffset(row);
                m_positionList.emplace_back(row, CRect(x, y + 1, x + 20, y + 15),
                                            CRect(x - kHitReachLeft, y + 3, x + 32, y + 12));
            }
            CStaffColumn& column = m_columnList.emplace_back();
            column.SetLabelRect(CRect(x, end + 10, x + 20, end + 25));
            column.SetHitRect(CRect(x - kHitReachLeft, s, x + 32, end + 25));
        }
    }
    m_nColumnCount = int(m_columnList.size());
}

std::size_t CVoldrimDoc::PositionAt(CPoint point) const
{
    const int dx = point.x - (kFirstColumnX - kHitReachLeft);
    const int dy = point.y - kFirstSystemTop;
    if (dx < 0 || dy < 0 || m_nColumnsPerSystem == 0)
        return kNoPosition;
    const std::size_t columnInSystem = std::size_t(dx / kColumnPitch);
    const std::size_t column = std::size_t(dy / kSystemPitch) * std::size_t(m_nColumnsPerSystem) + columnInSystem;
    if (columnInSystem >= std::size_t(m_nColumnsPerSystem) || column >= m_columnList.size())
        return kNoPosition;
    // Neighbouring rows overlap by a pixel or two: the upper row wins.
    const std::size_t first = column * kStaffPositionsPerColumn;
    for (std::size_t i = first; i < first + kStaffPositionsPerColumn; ++i) {
        if (m_positionList[i].GetHitRect().PtInRect(point))
            return i;
    }
    return kNoPosition;
}

const CStaffPosition* CVoldrimDoc::FindRowOfPitch(std::size_t column, int pitch) const
{
    const std::size_t first = column * kStaffPositionsPerColumn;
    const std::size_t end = std::min(first + kStaffPositionsPerColumn, m_positionList.size());
    for (std::size_t i = first; i < end; ++i) {
        if (pitch == kRestPitch || m_positionList[i].HoldsPitch(pitch))
            return &m_positionList[i];
    }
    return nullptr;
}
