// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program listening to the student's cello: a note played outside a
// question is written as a click on its stop would be, but not sounded, so
// that quick notes are all heard; a question on the fingerboard is
// answered by playing and kept as played, the program's own notes are not
// answers, the header shows how far the note is from true, and without an
// input the item says so and stays off.
#include "practice/practice_reader.h"
#include "quiz/practice_log.h"
#include "quiz/quiz_probe.h"
#include "sound/builtin_synth.h"
#include "sound/midi_device.h"
#include "support/bowed_cello.h"
#include "support/program_cello.h"

#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using namespace quizprobe;

constexpr int kWaitMs = 10000;
// A note of the program sounds for a second, then rings a little.
constexpr int kOwnNoteOverMs = 1500;

CAppHarness::MenuItemLook ListenItem(CAppHarness& app)
{
    return app.OpenMenuTo(ID_LISTEN);
}

bool Play(CAppHarness& app, const std::vector<int>& pitches, const std::function<bool()>& taken)
{
    app.m_input.Feed(RenderBowedNotes(pitches));
    return QTest::qWaitFor([&] { return app.m_input.Drained() && taken(); }, kWaitMs);
}

// What the staff's status line below the header says of listening.
CString ListeningText(CAppHarness& app)
{
    for (const CString& text : app.StaffBoxTexts()) {
        if (text.startsWith("Listening"))
            return text;
    }
    return CString();
}

TEST(ListeningInProgram, APlayedNoteLightsItsStopIsWrittenAndShownInTheHeader)
{
    CAppHarness app;
    ASSERT_TRUE(app.ChooseFromMenu(ID_LISTEN));
    EXPECT_TRUE(ListenItem(app).checked);
    EXPECT_TRUE(ListeningText(app).startsWith("Listening")) << ListeningText(app).toStdString();

    CVoldrimDoc* doc = app.Doc();
    ASSERT_TRUE(Play(app, {48}, [&] { return WrittenColumns(doc) == 1; }));
    Settle(app);
    EXPECT_EQ(doc->m_columnList[0].GetPitch(), 48);
    EXPECT_EQ(RedStop(app), 48);
    // The student hears their own cello: the program does not echo it.
    EXPECT_EQ(staffentry::NotesStarted(app.m_midi.AllWords()), std::vector<int>{});
    // The bow leaves the string: the header shows no note any more.
    app.m_input.Feed(std::vector<float>(CBuiltinSynth::kSampleRate, 0.0f));
    EXPECT_TRUE(QTest::qWaitFor([&] { return doc->m_nHeardPitch == kNoPitch; }, kWaitMs));
    EXPECT_TRUE(ListeningText(app) == "Listening");

    ASSERT_TRUE(app.ChooseFromMenu(ID_LISTEN));
    EXPECT_FALSE(ListenItem(app).checked);
    EXPECT_FALSE(ListeningText(app).startsWith("Listening"));
}

TEST(ListeningInProgram, EighthsAt120AreAllWrittenAndNoneIsSounded)
{
    CAppHarness app;
    ASSERT_TRUE(app.ChooseFromMenu(ID_LISTEN));
    CVoldrimDoc* doc = app.Doc();
    // A C major scale up an octave in separate bows, a note every 250 ms.
    const std::vector<int> scale = {48, 50, 52, 53, 55, 57, 59, 60};
    std::vector<BowedNote> notes;
    for (std::size_t i = 0; i < scale.size(); ++i) {
        BowedNote note;
        note.pitch = scale[i];
        note.startSeconds = 0.5 + 0.25 * double(i);
        note.seconds = 0.21;
        notes.push_back(note);
    }
    const std::vector<float> sound = RenderBowedCello(notes, CelloBody::Large, RoomSound(), 1.0);
    // Fed as a microphone hands it over, in real time.
    constexpr std::size_t kChunk = kBowedSampleRate / 50;
    for (std::size_t at = 0; at < sound.size(); at += kChunk) {
        app.m_input.Feed(std::vector<float>(sound.begin() + std::ptrdiff_t(at),
                                            sound.begin() + std::ptrdiff_t(std::min(sound.size(), at + kChunk))));
        QTest::qWait(20);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.m_input.Drained() && WrittenColumns(doc) >= int(scale.size()); },
                                kWaitMs))
        << WrittenColumns(doc) << " notes written";
    Settle(app);
    std::vector<int> written;
    for (int i = 0; i < WrittenColumns(doc); ++i)
        written.push_back(doc->m_columnList[std::size_t(i)].GetPitch());
    EXPECT_EQ(written, scale);
    EXPECT_EQ(staffentry::NotesStarted(app.m_midi.AllWords()), std::vector<int>{});
}

TEST(ListeningInProgram, TheHeaderShowsHowFarTheNoteIsFromTrue)
{
    CAppHarness app;
    ASSERT_TRUE(app.ChooseFromMenu(ID_LISTEN));
    CVoldrimDoc* doc = app.Doc();
    BowedNote note;
    note.pitch = 45;
    note.cents = 20;
    note.startSeconds = 0.5;
    note.seconds = 1.5;
    app.m_input.Feed(RenderBowedCello({note}, CelloBody::Large, RoomSound(), 0.0));
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.m_input.Drained() && doc->m_nHeardPitch == 45; }, kWaitMs));
    Settle(app);
    EXPECT_NEAR(doc->m_nHeardCents, 20, 8);
    const std::vector<CString> texts = app.StaffBoxTexts();
    // The specified text stays as it was; the cents follow it.
    const auto listening = std::find(texts.begin(), texts.end(), CString("Listening: A2"));
    ASSERT_NE(listening, texts.end());
    ASSERT_NE(listening + 1, texts.end());
    EXPECT_EQ(*(listening + 1), (doc->m_nHeardCents >= 0 ? "+" : "") + QString::number(doc->m_nHeardCents));
}

TEST(ListeningInProgram, TheHeaderNamesTheNoteHeardWithItsOctave)
{
    CAppHarness app;
    ASSERT_TRUE(app.ChooseFromMenu(ID_LISTEN));
    CVoldrimDoc* doc = app.Doc();
    // B flat is not in C major: its stop takes no click, but it is heard.
    app.m_input.Feed(RenderBowedNotes({46}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return doc->m_nHeardPitch == 46; }, kWaitMs));
    EXPECT_TRUE(ListeningText(app) == "Listening: Bb2") << ListeningText(app).toStdString();
    EXPECT_EQ(WrittenColumns(doc), 0);
}

TEST(ListeningInProgram, AFingerboardQuestionIsAnsweredByPlayingRightThenWrong)
{
    CAppHarness app;
    CFixedClock clock(kSecond + 7); // middle C, on the fingerboard
    ASSERT_TRUE(app.ChooseFromMenu(ID_LISTEN));
    PressShowMe(app);
    ASSERT_EQ(app.Doc()->m_strQuestion, "Can you show me this note on the fingerboard?");
    // The question's note sounds first; playing along with it is no answer.
    QTest::qWait(kOwnNoteOverMs);

    std::vector<Verdict> verdicts(2);
    ExpectVerdict(app, IDOK, &verdicts[0]);
    ASSERT_TRUE(Play(app, {60}, [&] { return app.Doc()->m_nCorrect == 1; }));
    EXPECT_TRUE(verdicts[0].smiling);
    EXPECT_EQ(verdicts[0].text, "Bravo! Another question?");

    QTest::qWait(kOwnNoteOverMs);
    const int asked = app.Doc()->m_nQuestionPitch;
    ExpectVerdict(app, IDCANCEL, &verdicts[1]);
    ASSERT_TRUE(Play(app, {asked == 50 ? 52 : 50}, [&] { return app.Doc()->m_nIncorrect == 1; }));
    EXPECT_TRUE(verdicts[1].unhappy);
    EXPECT_EQ(app.Doc()->m_nQuestionState, NoQuestion);
    // Both are kept in the practice history as played, with their cents.
    AfxGetPracticeLog()->Flush();
    std::vector<PracticePlaying> played;
    CPracticeReader(AfxGetPracticeLog()->Path()).ForEachAnswer([&](const PracticeAnswer& answer) {
        played.push_back(answer.playing);
        return true;
    });
    ASSERT_EQ(played.size(), 2u);
    for (const PracticePlaying& playing : played)
        EXPECT_TRUE(playing.played && playing.cents && std::fabs(*playing.cents) < 10);
}

TEST(ListeningInProgram, TheProgramsOwnNoteIsNotHeardAsPlayed)
{
    CAppHarness app;
    ASSERT_TRUE(app.ChooseFromMenu(ID_LISTEN));
    CVoldrimDoc* doc = app.Doc();
    ASSERT_TRUE(doc->m_pMidiDevice->PlayNoteOn(48));
    app.m_input.Feed(RenderBowedNotes({48}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.m_input.Drained(); }, kWaitMs));
    QTest::qWait(200);
    doc->m_pMidiDevice->PlayNoteOff(48);
    QTest::qWait(kOwnNoteOverMs - 1000);

    ASSERT_TRUE(Play(app, {55}, [&] { return WrittenColumns(doc) == 1; }));
    EXPECT_EQ(doc->m_columnList[0].GetPitch(), 55) << "the note played while the program's sounded was not taken";
}

TEST(ListeningInProgram, WithoutAnInputTheItemSaysSoOnceAndStaysOff)
{
    CAppHarness app;
    app.m_input.m_bNoDevice = true;
    app.m_responder.ExpectMessageBox();
    ASSERT_TRUE(app.ChooseFromMenu(ID_LISTEN));
    ASSERT_EQ(app.m_responder.Texts().size(), 1u);
    EXPECT_TRUE(app.m_responder.Texts()[0].startsWith("Voldrim could not open a sound input"));
    EXPECT_FALSE(ListenItem(app).checked);
    EXPECT_FALSE(ListeningText(app).startsWith("Listening"));
}

TEST(ListeningInProgram, AnInputThatStopsEndsTheListeningWithOneMessage)
{
    CAppHarness app;
    ASSERT_TRUE(app.ChooseFromMenu(ID_LISTEN));
    app.m_responder.ExpectMessageBox();
    app.m_input.Unplug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !app.m_responder.Texts().empty(); }, kWaitMs));
    Settle(app);
    EXPECT_EQ(app.m_responder.Texts().size(), 1u);
    EXPECT_FALSE(ListenItem(app).checked);
    EXPECT_FALSE(app.Doc()->m_bListening);
}

} // namespace
