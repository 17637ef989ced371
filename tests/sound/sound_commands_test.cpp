// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The document's Tempo and MIDI commands, run from the menu of the whole
// program, with their dialogs answered as a user answers them.
#include "framework/view.h"
#include "res/resource.h"
#include "sound/midi_device.h"
#include "sound/dialogs/midi_dlg.h"
#include "sound/dialogs/tempo_dlg.h"
#include "support/app_harness.h"

#include <QCheckBox>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

using Words = std::vector<DWORD>;

// A view that only keeps the hints the document sends.
class HintRecorder : public CView {
public:
    explicit HintRecorder(CDocument* document) : m_pDoc(document) { document->AddView(this); }
    ~HintRecorder() override { m_pDoc->RemoveView(this); }
    void OnDraw(CDC*) override {}
    void OnUpdate(CView*, LPARAM hint, CObject*) override { m_hints.push_back(int(hint)); }

    CDocument* m_pDoc;
    std::vector<int> m_hints;
};

void StepDown(CDialog& dialog)
{
    dialog.GetDlgItemAs<QScrollBar>(IDC_TEMPO_SCROLL)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}

TEST(TempoCommand, CancelStillTakesTheTempoShownAndRepaintsTheStatusLine)
{
    CAppHarness app;
    CVoldrimDoc* doc = app.Doc();
    HintRecorder views(doc);
    doc->m_bStaffNoteShown = false;
    doc->m_bHeldH = true;
    app.m_responder.ExpectDialog([](CDialog& dialog) {
        EXPECT_NE(dynamic_cast<CTempoDlg*>(&dialog), nullptr);
        EXPECT_EQ(dialog.parentWidget(), AfxGetMainWnd());
        StepDown(dialog);
        dialog.ClickButton(IDCANCEL);
        return IDCANCEL;
    });

    ASSERT_TRUE(app.Choose(ID_TEMPO));

    EXPECT_EQ(doc->m_nTempo, 625);
    EXPECT_TRUE(doc->m_bStaffNoteShown);
    EXPECT_FALSE(doc->m_bHeldH);
    EXPECT_EQ(views.m_hints, std::vector<int>({1}));
}

TEST(TempoCommand, ATempoFromAMelodyFileSurvivesCancelButOkTakesTheSlowestStep)
{
    CAppHarness app;
    CVoldrimDoc* doc = app.Doc();
    doc->m_nTempo = 650;
    app.m_responder.ExpectDialog([](CDialog& dialog) {
        dialog.ClickButton(IDCANCEL);
        return IDCANCEL;
    });
    app.Choose(ID_TEMPO);
    EXPECT_EQ(doc->m_nTempo, 650);

    app.m_responder.ExpectDialog([](CDialog& dialog) {
        dialog.ClickButton(IDOK);
        return IDOK;
    });
    app.Choose(ID_TEMPO);
    EXPECT_EQ(doc->m_nTempo, 2000);
}

TEST(TempoCommand, DoesNothingWhileAMelodyPlays)
{
    CAppHarness app;
    CVoldrimDoc* doc = app.Doc();
    HintRecorder views(doc);
    doc->m_bPlaying = true;
    doc->m_bStaffNoteShown = false;

    app.Choose(ID_TEMPO);

    EXPECT_EQ(app.m_responder.DialogCount(), 0);
    EXPECT_EQ(doc->m_nTempo, CVoldrimDoc::kStartTempo);
    EXPECT_FALSE(doc->m_bStaffNoteShown);
    EXPECT_TRUE(views.m_hints.empty());
    doc->m_bPlaying = false;
}

TEST(MidiCommand, UseMidiFollowsTheBoxOnOkOnly)
{
    CAppHarness app;
    CVoldrimDoc* doc = app.Doc();
    ASSERT_EQ(doc->m_bUseMidi, 1);
    const auto untickAndPress = [](UINT button) {
        return [button](CDialog& dialog) {
            EXPECT_TRUE(dialog.GetDlgItemAs<QCheckBox>(IDC_USE_MIDI)->isChecked());
            dialog.ClickButton(IDC_USE_MIDI);
            dialog.ClickButton(button);
            return int(button);
        };
    };

    app.m_responder.ExpectDialog(untickAndPress(IDCANCEL));
    ASSERT_TRUE(app.Choose(ID_MIDI));
    EXPECT_TRUE(doc->m_bUseMidi);

    doc->m_bHeldW = true;
    app.m_responder.ExpectDialog(untickAndPress(IDOK));
    ASSERT_TRUE(app.Choose(ID_MIDI));
    EXPECT_FALSE(doc->m_bUseMidi);
    EXPECT_FALSE(doc->m_bHeldW);
}

TEST(MidiCommand, ClosingDuringTheTestNoteEndsIt)
{
    CAppHarness app;
    app.m_midi.ClearWords();
    app.m_responder.ExpectDialog([&app](CDialog& dialog) {
        dialog.ClickButton(IDC_MIDI_TEST);
        EXPECT_EQ(app.m_midi.AllWords(), Words({0x007F3C90}));
        dialog.ClickButton(IDCANCEL);
        return IDCANCEL;
    });

    ASSERT_TRUE(app.Choose(ID_MIDI));

    EXPECT_EQ(app.m_midi.AllWords(), Words({0x007F3C90, 0x007F3C80}));
}

TEST(MidiCommand, ChoicesMadeInTheDialogStayAfterCancel)
{
    CAppHarness app;
    app.m_responder.ExpectDialog([](CDialog& dialog) {
        dialog.SelectListEntry(IDC_MIDI_INSTRUMENT, 7);
        dialog.SelectListEntry(IDC_MIDI_CHANNEL, 1);
        dialog.ClickButton(IDCANCEL);
        return IDCANCEL;
    });
    ASSERT_TRUE(app.Choose(ID_MIDI));

    CMidiDevice* device = app.Doc()->m_pMidiDevice;
    EXPECT_EQ(device->GetProgram(), 42);
    EXPECT_EQ(device->GetChannel(), 1);
}

}
