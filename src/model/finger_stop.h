// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/object.h"
#include "framework/types.h"
#include "model/key.h"

// How a stop lies on its string: the open string, a stop reached by
// stretching the hand (drawn square), or a finger in its place.
enum StopKind : int { StopOpenString = 1, StopExtension = 2, StopFinger = 3 };

// Which of its two labels a stop shows.
enum LabelMode : int { LabelFingerNumbers = 1, LabelNoteNames = 2 };

// One stop of the fingerboard: where it is drawn and clicked, the note it
// sounds, its labels and whether its note is in the current key.
class CFingerStop : public CObject {
public:
    CFingerStop() = default;
    ~CFingerStop() override = default;

    CRect GetRect() const { return m_rect; }
    void SetRect(int l, int t, int r, int b) { m_rect.SetRect(l, t, r, b); }

    CString GetNoteName() const { return m_strNoteName; }
    void SetNoteName(const CString& name) { m_strNoteName = name; }

    CString GetFingerLabel() const { return m_strFingerLabel; }
    void SetFingerLabel(const CString& label) { m_strFingerLabel = label; }

    StopKind GetKind() const { return m_nKind; }
    void SetKind(StopKind kind) { m_nKind = kind; }

    int GetPitch() const { return m_nPitch; }
    void SetPitch(int pitch) { m_nPitch = pitch; }

    // The label the mode asks for.
    CString GetLabel(LabelMode mode) const { return mode == LabelNoteNames ? m_strNoteName : m_strFingerLabel; }

    KeyStatus GetKeyStatus() const { return m_nKeyStatus; }
    void SetKeyStatus(KeyStatus status) { m_nKeyStatus = status; }

private:
    CRect m_rect;
    CString m_strNoteName;
    CString m_strFingerLabel;
    // Both set when the stops are built and named.
    StopKind m_nKind{};
    int m_nPitch = 0;
    KeyStatus m_nKeyStatus{};
};

// Appends the 28 stops, string by string from C to A and from the nut
// downwards, pitches 36 to 63. Names and key marks are left to the caller.
void BuildFingerStops(CObjectList<CFingerStop>& list);

// The first stop sounding the pitch, or nullptr (64, rests, no note).
CFingerStop* FindStopOfPitch(const CObjectList<CFingerStop>& list, int pitch);

// The first stop whose rectangle holds the point (right and bottom edges
// excluded), or nullptr.
CFingerStop* FindStopAt(const CObjectList<CFingerStop>& list, CPoint p);
