// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "doc/staff_position.h"

#include "model/staff_position_table.h"

CString CStaffPosition::GetLetterName() const
{
    return CString::fromLatin1(StaffPositionEntryAt(m_nRow).naturalName);
}

CString CStaffPosition::GetAccidentalName() const
{
    return CString::fromLatin1(StaffPositionEntryAt(m_nRow).alteredName);
}

int CStaffPosition::GetNaturalPitch() const
{
    return StaffPositionEntryAt(m_nRow).naturalPitch;
}

int CStaffPosition::GetAlteredPitch() const
{
    return StaffPositionEntryAt(m_nRow).alteredPitch;
}

int CStaffPosition::PitchForKey(Key key) const
{
    return StaffPitchForKey(m_nRow, key);
}

CString CStaffPosition::NameForPitch(int pitch) const
{
    return StaffNameForPitch(m_nRow, pitch);
}
