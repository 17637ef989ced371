#include "doc/staff_position.h"

#include "model/staff_position_table.h"

CStaffPosition::CStaffPosition(int row) : m_nRow(row)
{
    const StaffPositionEntry& entry = StaffPositionEntryAt(row);
    m_strLetterName = CString::fromLatin1(entry.naturalName);
    m_strAccidentalName = CString::fromLatin1(entry.alteredName);
    m_nNaturalPitch = entry.naturalPitch;
    m_nAlteredPitch = entry.alteredPitch;
}

int CStaffPosition::PitchForKey(int key) const
{
    return StaffPitchForKey(m_nRow, key);
}

CString CStaffPosition::NameForPitch(int pitch) const
{
    return StaffNameForPitch(m_nRow, pitch);
}
