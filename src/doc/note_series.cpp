// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "doc/note_series.h"

#include "framework/archive.h"

namespace {

constexpr UINT kNoteSeriesSchema = 0;

std::unique_ptr<CObject> CreateNoteSeries()
{
    return std::make_unique<CNoteSeries>();
}

const CRuntimeClass kNoteSeriesClass = {"CNoteSeries", kNoteSeriesSchema, &CreateNoteSeries};

} // namespace

const CRuntimeClass* CNoteSeries::GetThisClass()
{
    return &kNoteSeriesClass;
}

void CNoteSeries::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nPitch << static_cast<int32_t>(m_nValue);
    } else {
        int32_t value = 0;
        ar >> m_nPitch >> value;
        m_nValue = static_cast<NoteValue>(value);
    }
}
