// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A melody file of the kind the format allows but the program never
// writes: a few records in full, then references back to them, two bytes a
// record, the cheapest way for a file to make a melody long.
#include "doc/note_series.h"
#include "doc/voldrim_doc.h"
#include "framework/archive.h"
#include "model/key.h"

#include <QBuffer>

#include <cstdint>
#include <vector>

// The bytes of a file in key C at the starting tempo, with the records in
// full, then the given number of references to them in turn. The list
// announces them all.
inline QByteArray BackReferenceMelodyBytes(std::vector<CNoteSeries> records, std::uint32_t references,
                                           const CString& title = CString())
{
    // The archive gives the record class number 1 and the records the numbers after it.
    constexpr std::uint16_t kFirstRecordNumber = 2;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CArchive archive(&buffer, CArchive::store);
    archive << std::int32_t(KeyC) << std::int32_t(CVoldrimDoc::kStartTempo) << title << CString();
    archive.WriteCount(std::uint32_t(records.size()) + references);
    for (CNoteSeries& record : records)
        archive.WriteObject(record);
    for (std::uint32_t i = 0; i < references; ++i)
        archive << std::uint16_t(kFirstRecordNumber + i % records.size());
    return bytes;
}
