// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/key.h"
#include "model/note_names.h"
#include "model/note_value.h"
#include "model/pitch.h"
#include "model/staff_position_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

const char* const kAllNames[] = {"C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"};

TEST(NoteNames, FixedNamesIndependentOfOctave)
{
    const struct { int pitch; const char* name; } cases[] = {
        {36, "C"}, {37, "C#"}, {39, "Eb"}, {42, "F#"}, {44, "Ab"}, {46, "Bb"},
        {47, "B"}, {60, "C"}, {63, "Eb"}, {64, "E"}, {0, "C"}, {-1, "B"}, {-13, "B"}, {-12, "C"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NoteNameOfPitch(c.pitch), c.name) << "pitch " << c.pitch;
}

TEST(KeyStatus, EachKeyAdmitsExactlyItsScale)
{
    const struct { Key key; std::vector<QString> scale; } keys[] = {
        {KeyC, {"C", "D", "E", "F", "G", "A", "B"}},
        {KeyG, {"C", "D", "E", "F#", "G", "A", "B"}},
        {KeyD, {"C#", "D", "E", "F#", "G", "A", "B"}},
        {KeyF, {"C", "D", "E", "F", "G", "A", "Bb"}},
        {KeyBb, {"C", "D", "Eb", "F", "G", "A", "Bb"}},
        {KeyChromatic, {kAllNames, kAllNames + 12}},
        {Key{0}, {kAllNames, kAllNames + 12}},  // values no key command makes act chromatic
        {Key{7}, {kAllNames, kAllNames + 12}},
    };
    for (const auto& k : keys) {
        for (const char* name : kAllNames) {
            const bool inScale = std::find(k.scale.begin(), k.scale.end(), name) != k.scale.end();
            EXPECT_EQ(KeyStatusOfName(k.key, name), inScale ? KeyStatusInKey : KeyStatusOutOfKey)
                << "key " << k.key << " name " << name;
        }
    }
}

TEST(KeyStatus, TestsAreCaseSensitive)
{
    // Only the lower-case b is a flat sign, and whole-name tests match exactly.
    EXPECT_EQ(KeyStatusOfName(KeyC, "b"), KeyStatusOutOfKey);
    EXPECT_EQ(KeyStatusOfName(KeyC, "B"), KeyStatusInKey);
    EXPECT_EQ(KeyStatusOfName(KeyG, "f"), KeyStatusInKey);
    EXPECT_EQ(KeyStatusOfName(KeyBb, "e"), KeyStatusInKey);
}

TEST(KeyName, HeaderTexts)
{
    EXPECT_EQ(KeyName(KeyC), "C");
    EXPECT_EQ(KeyName(KeyG), "G");
    EXPECT_EQ(KeyName(KeyD), "D");
    EXPECT_EQ(KeyName(KeyF), "F");
    EXPECT_EQ(KeyName(KeyBb), "Bb");
    EXPECT_EQ(KeyName(KeyChromatic), "Chromatic");
    EXPECT_EQ(KeyName(Key{0}), "Chromatic");
}

TEST(StaffPositions, TableAgreesWithNoteNames)
{
    for (int i = 0; i < kStaffPositionsPerColumn; ++i) {
        const StaffPositionEntry& e = StaffPositionEntryAt(i);
        EXPECT_EQ(NoteNameOfPitch(e.naturalPitch), e.naturalName) << "index " << i;
        if (e.alteredPitch != kNoPitch) {
            EXPECT_EQ(NoteNameOfPitch(e.alteredPitch), e.alteredName) << "index " << i;
        }
        if (i > 0) {  // one diatonic step per index, downwards
            EXPECT_LT(e.naturalPitch, StaffPositionEntryAt(i - 1).naturalPitch);
        }
    }
    EXPECT_EQ(StaffPositionEntryAt(0).naturalPitch, kHighestStaffPitch);
    EXPECT_EQ(StaffPositionEntryAt(16).naturalPitch, kLowestStopPitch);
    EXPECT_EQ(StaffPositionEntryAt(-1).naturalPitch, kNoPitch);
    EXPECT_EQ(StaffPositionEntryAt(17).naturalPitch, kNoPitch);
}

TEST(StaffPositions, PitchForKeyAppliesTheKeySignature)
{
    const Key keys[] = {KeyC, KeyG, KeyD, KeyF, KeyBb, KeyChromatic};
    const struct { int index; int pitches[6]; } cases[] = {
        //        C   G   D   F   Bb  chromatic
        {0, {64, 64, 64, 64, 63, 64}},   // E
        {2, {60, 60, 61, 60, 60, 60}},   // C
        {3, {59, 59, 59, 58, 58, 59}},   // B
        {6, {53, 54, 54, 53, 53, 53}},   // F
        {7, {52, 52, 52, 52, 51, 52}},   // E
        {1, {62, 62, 62, 62, 62, 62}},   // D and G never alter
        {5, {55, 55, 55, 55, 55, 55}},
        {8, {50, 50, 50, 50, 50, 50}},
        {12, {43, 43, 43, 43, 43, 43}},
        {15, {38, 38, 38, 38, 38, 38}},
        {16, {36, 36, 37, 36, 36, 36}},
    };
    for (const auto& c : cases)
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(StaffPitchForKey(c.index, keys[k]), c.pitches[k]) << "index " << c.index << " key " << keys[k];
    EXPECT_EQ(StaffPitchForKey(17, KeyC), kNoPitch);
}

TEST(StaffPositions, EveryEntryLiesInItsKeyAndNamesItself)
{
    for (Key key : {KeyC, KeyG, KeyD, KeyF, KeyBb}) {
        for (int i = 0; i < kStaffPositionsPerColumn; ++i) {
            const int pitch = StaffPitchForKey(i, key);
            EXPECT_EQ(KeyStatusOfName(key, NoteNameOfPitch(pitch)), KeyStatusInKey) << "index " << i << " key " << key;
            EXPECT_EQ(StaffNameForPitch(i, pitch), NoteNameOfPitch(pitch)) << "index " << i << " key " << key;
        }
    }
}

TEST(StaffPositions, NameForPitch)
{
    EXPECT_EQ(StaffNameForPitch(6, 54), "F#");
    EXPECT_EQ(StaffNameForPitch(6, 53), "F");
    EXPECT_EQ(StaffNameForPitch(2, 61), "C#");
    EXPECT_EQ(StaffNameForPitch(4, 56), "Ab");
    EXPECT_EQ(StaffNameForPitch(0, 63), "Eb");
    EXPECT_EQ(StaffNameForPitch(16, 37), "C#");
}

TEST(NoteValue, FirstHeldKeyWins)
{
    const struct { HeldKeys keys; NoteValue staff; NoteValue fingerboard; } cases[] = {
        {{}, NoteQuarter, NoteQuarter},
        {{true, true}, NoteRest, NoteHalf},                              // R+H
        {{true}, NoteRest, NoteQuarter},                                 // R alone
        {{false, true, false, false, true}, NoteHalf, NoteHalf},         // H+E
        {{false, false, true, true}, NoteWhole, NoteWhole},              // W+T
        {{false, false, false, true, true, true}, NoteDottedHalf, NoteDottedHalf},
        {{false, false, false, false, true, true}, NoteEighth, NoteEighth},
        {{false, false, false, false, false, true}, NoteDottedQuarter, NoteDottedQuarter},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(NoteValueFromHeldKeys(cases[i].keys), cases[i].staff) << "case " << i;
        EXPECT_EQ(NoteValueFromHeldKeysNoRest(cases[i].keys), cases[i].fingerboard) << "case " << i;
    }
}

}  // namespace
