#pragma once
// One row of one staff column: the note it stands for and where its head
// is drawn and clicked.
#include "framework/object.h"
#include "framework/types.h"

class CStaffPosition : public CObject {
public:
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

private:
    CString m_strLetterName;
    CString m_strAccidentalName;
    int m_nNaturalPitch = 0;
    int m_nAlteredPitch = 0;
    CRect m_rcHead;
    CRect m_rcHit;
};
