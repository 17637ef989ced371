// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the written melody: ticks of an eighth note delivered by the
// test, the words sent, the red marker under the sounding column, Stop,
// continuous play and the failures.
#include "res/resource.h"
#include "staff_entry_probe.h"
#include "staff_view_fixture.h"

namespace {

using namespace staffentry;
using stafftest::kWhite;

constexpr COLORREF kRed = RGB(255, 0, 0);

class Playback : public stafftest::StaffViewTest {
protected:
    // Loads a melody (pitch, value pairs) as a file would.
    CStaffView* CreateWithMelody(std::initializer_list<std::pair<int, NoteValue>> notes)
    {
        for (const auto& [pitch, value] : notes)
            AddToMelody(pitch, value);
        m_doc->m_bReloadMelody = true;
        CStaffView* view = Create(600, 450);
        m_midi.ClearWords();
        return view;
    }
    void Tick() { m_view->Timers().Fire(CStaffView::kPlaybackTimer); }
    bool Running() const { return m_view->Timers().IsRunning(CStaffView::kPlaybackTimer); }
    // The marker's point just below the label box of column c of the first system.
    bool MarkerUnder(int column) const { return Px(110 + 44 * column, 189) == kRed; }
    // Ticks until the playback ends; the tick numbers (from 1) at which
    // the current pitch changed, and the pitch then.
    std::vector<std::pair<int, int>> PlayToTheEnd(int limit = 100)
    {
        std::vector<std::pair<int, int>> starts;
        int pitch = m_doc->m_nCurrentPitch;
        for (int tick = 1; tick <= limit && m_doc->m_bPlaying; ++tick) {
            Tick();
            if (m_doc->m_nCurrentPitch != pitch) {
                pitch = m_doc->m_nCurrentPitch;
                starts.push_back({tick, pitch});
            }
            if (!m_doc->m_bPlaying)
                starts.push_back({tick, 0});
        }
        return starts;
    }
};

TEST_F(Playback, TwoQuartersStartAtTicksOneAndThreeAndEndAtFive)
{
    CStaffView* view = CreateWithMelody({{57, NoteQuarter}, {60, NoteQuarter}});
    PressButton(view, ID_PLAY_BUTTON);
    EXPECT_TRUE(m_doc->m_bPlaying);
    EXPECT_EQ(view->Timers().IntervalOf(CStaffView::kPlaybackTimer), 300);
    EXPECT_TRUE(m_midi.AllWords().empty());  // the first note waits for the first tick

    Tick();
    EXPECT_EQ(m_midi.AllWords(), (std::vector<DWORD>{NoteOn(57)}));
    EXPECT_EQ(m_doc->m_nCurrentPitch, 57);
    EXPECT_TRUE(MarkerUnder(0));
    // The triangle points up at the column: 24 wide at its base, 7 high.
    EXPECT_EQ(Count(kRed, 90, 180, 135, 195), Count(kRed, 98, 185, 123, 193));
    // Outlined with the thin black pen, tip and corners.
    EXPECT_EQ(Px(110, 185), stafftest::kBlack);
    EXPECT_EQ(Px(98, 192), stafftest::kBlack);
    EXPECT_EQ(Px(121, 192), stafftest::kBlack);
    Tick();
    EXPECT_EQ(m_midi.AllWords().size(), 1u);
    Tick();
    // The note-off and the next note-on leave in the same tick.
    EXPECT_EQ(m_midi.AllWords(), (std::vector<DWORD>{NoteOn(57), NoteOff(57), NoteOff(57), NoteOn(60)}));
    EXPECT_FALSE(MarkerUnder(0));
    EXPECT_TRUE(MarkerUnder(1));
    Tick();
    EXPECT_TRUE(m_doc->m_bPlaying);
    Tick();
    EXPECT_EQ(m_midi.AllWords().back(), NoteOff(60));
    EXPECT_EQ(m_midi.AllWords().size(), 5u);
    EXPECT_FALSE(m_doc->m_bPlaying);
    EXPECT_FALSE(Running());
    EXPECT_EQ(Count(kRed, 80, 180, 200, 195), 0);
    EXPECT_EQ(Px(110, 189), kWhite);
}

TEST_F(Playback, ContinuousPlayStartsAgainUntilStopped)
{
    CStaffView* view = CreateWithMelody({{57, NoteQuarter}, {60, NoteQuarter}});
    m_doc->m_bContinuousPlay = true;
    PressButton(view, ID_PLAY_BUTTON);
    for (int i = 0; i < 5; ++i)
        Tick();
    EXPECT_EQ(NotesStarted(m_midi.AllWords()), (std::vector<int>{57, 60, 57}));
    EXPECT_TRUE(MarkerUnder(0));
    PressButton(view, IDC_STOP_BUTTON);
    Tick();
    EXPECT_TRUE(m_doc->m_bPlaying);  // the sounding note finishes
    Tick();
    EXPECT_FALSE(m_doc->m_bPlaying);
    EXPECT_EQ(m_midi.AllWords().back(), NoteOff(57));
    EXPECT_FALSE(MarkerUnder(0));
}

TEST_F(Playback, StopDuringAWholeNoteWaitsForItsEnd)
{
    CStaffView* view = CreateWithMelody({{57, NoteWhole}, {60, NoteQuarter}});
    PressButton(view, ID_PLAY_BUTTON);
    Tick();
    Tick();
    PressButton(view, IDC_STOP_BUTTON);
    EXPECT_EQ(PlayToTheEnd(), (std::vector<std::pair<int, int>>{{7, 0}}));  // ticks 3 to 9: the 9th in all
    EXPECT_EQ(NotesStarted(m_midi.AllWords()), (std::vector<int>{57}));
    EXPECT_EQ(m_midi.AllWords().back(), NoteOff(57));
}

TEST_F(Playback, AtTempo500EachValueLastsItsEighthsAndARestAQuarter)
{
    CStaffView* view = CreateWithMelody({{57, NoteEighth}, {60, NoteDottedHalf}, {kRestPitch, NoteWhole}, {55, NoteWhole}, {53, NoteQuarter}});
    m_doc->m_nTempo = 500;
    PressButton(view, ID_PLAY_BUTTON);
    EXPECT_EQ(view->Timers().IntervalOf(CStaffView::kPlaybackTimer), 250);
    // Starts: eighth 250 ms, dotted half 1500, rest 500, whole 2000, quarter 500.
    const std::vector<std::pair<int, int>> expected = {{1, 57}, {2, 60}, {8, kRestPitch}, {10, 55}, {18, 53}, {20, 0}};
    EXPECT_EQ(PlayToTheEnd(), expected);
    // A rest sends nothing of its own: the device only stops the note before it.
    EXPECT_EQ(NotesStarted(m_midi.AllWords()), (std::vector<int>{57, 60, 55, 53}));
}

TEST_F(Playback, GapsInTheStaffPlayBackToBack)
{
    CStaffView* view = Create(600, 450);
    ClickRow(view, 0, 4);
    Paint();
    ClickRow(view, 3, 2);
    Paint();
    m_midi.ClearWords();
    PressButton(view, ID_PLAY_BUTTON);
    // The note still sounding from the last click ends as the playback begins.
    EXPECT_EQ(m_midi.AllWords(), (std::vector<DWORD>{NoteOff(60)}));
    EXPECT_FALSE(view->Timers().IsRunning(CStaffView::kSingleNoteTimer));
    EXPECT_EQ(PlayToTheEnd(), (std::vector<std::pair<int, int>>{{1, 57}, {3, 60}, {5, 0}}));
    EXPECT_EQ(m_doc->m_playList.size(), 2u);
}

TEST_F(Playback, WithMidiOffTheMarkerStillMovesInSilence)
{
    CStaffView* view = CreateWithMelody({{57, NoteQuarter}, {60, NoteQuarter}});
    m_doc->m_bUseMidi = false;
    PressButton(view, ID_PLAY_BUTTON);
    Tick();
    EXPECT_TRUE(MarkerUnder(0));
    Tick();
    Tick();
    EXPECT_TRUE(MarkerUnder(1));
    EXPECT_EQ(m_doc->m_nCurrentPitch, 60);
    Tick();
    Tick();
    EXPECT_FALSE(m_doc->m_bPlaying);
    EXPECT_TRUE(m_midi.AllWords().empty());
}

TEST_F(Playback, WhilePlayingClicksTitleAndPlayDoNothingAndAResizeStops)
{
    CStaffView* view = CreateWithMelody({{57, NoteQuarter}, {60, NoteQuarter}, {62, NoteQuarter}});
    PressButton(view, ID_PLAY_BUTTON);
    Tick();
    PressButton(view, ID_PLAY_BUTTON);   // no second start
    PressButton(view, IDC_TITLE_BUTTON); // no dialog
    ClickRow(view, 5, 4);
    EXPECT_EQ(m_doc->m_columnList[5].GetPitch(), 0);
    Resize(620, 450);
    Tick();
    Tick();
    EXPECT_FALSE(m_doc->m_bPlaying);
    EXPECT_EQ(NotesStarted(m_midi.AllWords()), (std::vector<int>{57}));
}

TEST_F(Playback, PlayAndStopWithNothingToDoSaySo)
{
    CStaffView* view = Create(600, 450);
    m_responder.ExpectMessageBox();
    m_responder.ExpectMessageBox();
    m_doc->m_bHeldH = true;
    PressButton(view, ID_PLAY_BUTTON);
    EXPECT_FALSE(m_doc->m_bHeldH);
    PressButton(view, IDC_STOP_BUTTON);
    EXPECT_EQ(m_responder.Texts(),
              (std::vector<CString>{"There is no melody to play!", "No melody to stop playing..."}));
    EXPECT_FALSE(m_doc->m_bPlaying);
    EXPECT_FALSE(Running());
}

// The output failed to open, and the student switched Use MIDI on anyway.
class PlaybackWithoutOutput : public Playback {
protected:
    PlaybackWithoutOutput()
    {
        m_midi.FailOpen(MMSYSERR_ALLOCATED);
        m_responder.ExpectMessageBox();  // could not open the MIDI device
        m_doc = std::make_unique<CVoldrimDoc>();
        m_doc->m_bUseMidi = true;
    }
};

TEST_F(PlaybackWithoutOutput, ANoteOnFailureGoesOnAndANoteOffFailureEndsThePlayback)
{
    CStaffView* view = CreateWithMelody({{57, NoteQuarter}, {60, NoteQuarter}, {62, NoteQuarter}});
    PressButton(view, ID_PLAY_BUTTON);
    m_responder.ExpectMessageBox();
    Tick();
    EXPECT_EQ(m_responder.Texts().back(), "MIDI ERROR 03 - in PlayNoteOn Staff View Timer");
    EXPECT_TRUE(m_doc->m_bPlaying);
    Tick();
    m_responder.ExpectMessageBox();
    Tick();
    EXPECT_EQ(m_responder.Texts().back(), "MIDI ERROR - in PlayNoteOff");
    // Idle at once, the marker gone, and a new Play starts from the top.
    EXPECT_FALSE(m_doc->m_bPlaying);
    EXPECT_FALSE(Running());
    EXPECT_FALSE(MarkerUnder(0));
    EXPECT_FALSE(MarkerUnder(1));

    m_doc->m_bUseMidi = false;
    PressButton(view, ID_PLAY_BUTTON);
    Tick();
    EXPECT_EQ(m_doc->m_nCurrentPitch, 57);
    EXPECT_TRUE(MarkerUnder(0));
}

TEST_F(PlaybackWithoutOutput, ASingleNoteReportsBothEnds)
{
    CStaffView* view = Create(600, 450);
    m_responder.ExpectMessageBox();
    ClickRow(view, 0, 4);
    Paint();
    EXPECT_EQ(m_responder.Texts().back(), "MIDI ERROR");
    // The one-second timer still runs, and its note-off fails too.
    ASSERT_TRUE(view->Timers().IsRunning(CStaffView::kSingleNoteTimer));
    m_responder.ExpectMessageBox();
    view->Timers().Fire(CStaffView::kSingleNoteTimer);
    EXPECT_EQ(m_responder.Texts().back(), "MIDI ERROR - in PlayNoteOff");
    EXPECT_FALSE(view->Timers().IsRunning(CStaffView::kSingleNoteTimer));
}

} // namespace
