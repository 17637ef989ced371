// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The melody and the staff columns that show it. A window shows as many
// columns as fit; the melody keeps the rest, so that a change on the staff
// changes only its own record and nothing the staff cannot show is lost.
#include "doc/voldrim_doc.h"

#include "model/staff_position_table.h"

#include <algorithm>

namespace {

// The record a written column shows, or kNoRecord.
int ShownRecord(const CStaffColumn& column, std::size_t records)
{
    const int record = column.GetRecord();
    if (column.GetPitch() == kNoPitch || record < 0 || std::size_t(record) >= records)
        return CStaffColumn::kNoRecord;
    return record;
}

} // namespace

void CVoldrimDoc::SyncMelodyFromColumns()
{
    CObjectList<CNoteSeries> before = std::move(m_melody);
    m_melody.clear();
    m_melody.reserve(before.size() + m_columnList.size());
    std::vector<bool> shown(before.size(), false);
    for (const CStaffColumn& column : m_columnList) {
        if (const int record = ShownRecord(column, before.size()); record != CStaffColumn::kNoRecord)
            shown[std::size_t(record)] = true;
    }
    // Records before this one have been kept or taken by a column.
    std::size_t next = 0;
    const auto keepUnshownBefore = [&](std::size_t end) {
        for (; next < end; ++next) {
            if (!shown[next])
                m_melody.push_back(std::move(before[next]));
        }
    };
    for (CStaffColumn& column : m_columnList) {
        if (column.GetPitch() == kNoPitch) {
            column.SetRecord(CStaffColumn::kNoRecord);
            continue;
        }
        const int record = ShownRecord(column, before.size());
        if (record != CStaffColumn::kNoRecord && std::size_t(record) >= next) {
            keepUnshownBefore(std::size_t(record));
            std::unique_ptr<CNoteSeries>& kept = before[std::size_t(record)];
            kept->SetPitch(column.GetPitch());
            kept->SetValue(column.GetValue());
            m_melody.push_back(std::move(kept));
            next = std::size_t(record) + 1;
        } else {
            m_melody.push_back(std::make_unique<CNoteSeries>(column.GetValue(), column.GetPitch()));
        }
        column.SetRecord(int(m_melody.size()) - 1);
    }
    keepUnshownBefore(before.size());
}

void CVoldrimDoc::RemoveRecordOf(std::size_t column)
{
    if (column >= m_columnList.size())
        return;
    const int record = ShownRecord(m_columnList[column], m_melody.size());
    if (record != CStaffColumn::kNoRecord)
        m_melody.erase(m_melody.begin() + record);
    m_columnList[column].SetRecord(CStaffColumn::kNoRecord);
}

std::size_t CVoldrimDoc::CountNotesPastStaff() const
{
    // The melody fills the columns in order from the first, and a click
    // that leaves a gap can only do so while the staff has room: so the
    // staff shows as many of the notes it can show as it has columns.
    const auto showable = std::size_t(std::count_if(m_melody.begin(), m_melody.end(), [](const auto& record) {
        return StaffShowsPitch(record->GetPitch());
    }));
    const std::size_t columns = std::size_t(std::max(m_nColumnCount, 0));
    return showable > columns ? showable - columns : 0;
}

std::vector<CRect> CVoldrimDoc::ColumnsOfRecords() const
{
    std::vector<CRect> columns(m_melody.size());
    for (const CStaffColumn& column : m_columnList) {
        if (const int record = ShownRecord(column, m_melody.size()); record != CStaffColumn::kNoRecord)
            columns[std::size_t(record)] = column.GetHitRect();
    }
    return columns;
}

void CVoldrimDoc::TakeMelody(Key key, const CString& title, const CString& composer,
                             CObjectList<CNoteSeries> melody)
{
    m_nKey = key;
    m_strMelodyTitle = title;
    m_strMelodyComposer = composer;
    m_melody = std::move(melody);
    ClearColumns();
    ApplyKey(m_nKey);
    // The staff writes the melody into its columns at its next paint, and
    // shows no single note.
    m_bReloadMelody = true;
    m_bStaffNoteShown = true;
    UpdateCaption();
    UpdateAllViews(nullptr, HintRepaintAll);
}
