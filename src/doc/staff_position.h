#pragma once
// One row of one staff column: the note it stands for and where its head
// is drawn and clicked.
#include "framework/object.h"
#include "framework/types.h"
#include "model/key.h"
#include "model/pitch.h"

class CStaffPosition : public CObject {
public:
    // A row of a column, 0 at the top (E) to 16 at the bottom (C), with the
    // names and pitches of that row.
    explicit CStaffPosition(int row);

    const CString& GetLetterName() const { return m_strLetterName; }
    void SetLetterName(const CString& name) { m_strLetterName = name; }
    const CString& GetAccidentalName() const { return m_strAccidentalName; }
    void SetAccidentalName(const CString& name) { m_strAccidentalName = name; }
    int GetNaturalPitch() const { return m_nNaturalPitch; }
    void SetNaturalPitch(int pitch) { m_nNaturalPitch = pitch; }
    int GetAlteredPitch() const { return m_nAlteredPitch; }
    void SetAlteredPitch(int pitch) { m_nAlteredPitch = pitch; }
    const CRect& GetHeadRect() const { return m_rcHead; }
    void SetHeadRect(const CRect& rc) { m_rcHead = rc; }
    const CRect& GetHitRect() const { return m_rcHit; }
    void SetHitRect(const CRect& rc) { m_rcHit = rc; }
    int GetRow() const { return m_nRow; }

    // The pitch a click on this row writes in the key: the key's sharps and
    // flats apply by the row's letter name.
    int PitchForKey(Key key) const;
    // The name shown for a pitch written on this row: the letter name for a
    // natural, the accidental name otherwise.
    CString NameForPitch(int pitch) const;
    // Whether the row carries the pitch, as its natural or its altered note.
    bool HoldsPitch(int pitch) const { return pitch != kNoPitch && (pitch == m_nNaturalPitch || pitch == m_nAlteredPitch); }

private:
    CString m_strLetterName;
    CString m_strAccidentalName;
    int m_nNaturalPitch = 0;
    int m_nAlteredPitch = 0;
    CRect m_rcHead;
    CRect m_rcHit;
    int m_nRow;
};
