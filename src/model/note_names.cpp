// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/note_names.h"

CString NoteNameOfPitch(int pitch)
{
    static const char* const kNames[12] = {
        "C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B",
    };
    // C++ keeps the sign of the dividend; fold negatives back into 0..11.
    const int index = ((pitch % 12) + 12) % 12;
    return CString::fromLatin1(kNames[index]);
}

CString NoteNameWithOctave(int pitch)
{
    constexpr int kNotesPerOctave = 12;
    // MIDI note 0 is in octave -1, so middle C (60) is C4.
    constexpr int kOctaveOfNoteZero = -1;
    return NoteNameOfPitch(pitch) + QString::number(pitch / kNotesPerOctave + kOctaveOfNoteZero);
}
