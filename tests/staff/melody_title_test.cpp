// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Title button's dialog and the caption it sets.
#include "res/resource.h"
#include "staff_entry_probe.h"
#include "support/app_harness.h"
#include "views/staff/title_dlg.h"

#include <QLineEdit>
#include <QTest>

namespace {

using staffentry::PressButton;

// Types the two texts and presses OK.
std::function<int(CDialog&)> Fill(const CString& title, const CString& composer)
{
    return [title, composer](CDialog& dialog) {
        dialog.TypeText(IDC_TITLE_EDIT, title);
        dialog.TypeText(IDC_COMPOSER_EDIT, composer);
        dialog.ClickButton(IDOK);
        return IDOK;
    };
}

TEST(TitleButton, SetsTheCaptionFromTitleAndComposerOnOkOnly)
{
    CAppHarness app;
    CVoldrimDoc* doc = app.Doc();
    app.m_responder.ExpectDialog(Fill("Minuet", "Anna"));
    PressButton(app.Staff(), IDC_TITLE_BUTTON);
    EXPECT_EQ(app.Frame()->windowTitle(), "Voldrim   -   Minuet by Anna");
    EXPECT_EQ(doc->m_strMelodyTitle, "Minuet");
    EXPECT_EQ(doc->m_strMelodyComposer, "Anna");

    // The dialog opens with the texts it was given; Cancel changes nothing.
    CString shownTitle;
    app.m_responder.ExpectDialog([&](CDialog& dialog) {
        shownTitle = dialog.GetDlgItemText(IDC_TITLE_EDIT);
        EXPECT_EQ(dialog.windowTitle(), "Title Your Composition");
        dialog.TypeText(IDC_TITLE_EDIT, "Gavotte");
        dialog.ClickButton(IDCANCEL);
        return IDCANCEL;
    });
    doc->m_bHeldW = true;
    PressButton(app.Staff(), IDC_TITLE_BUTTON);
    EXPECT_EQ(shownTitle, "Minuet");
    EXPECT_EQ(doc->m_strMelodyTitle, "Minuet");
    EXPECT_EQ(app.Frame()->windowTitle(), "Voldrim   -   Minuet by Anna");
    EXPECT_FALSE(doc->m_bHeldW);

    app.m_responder.ExpectDialog(Fill("Minuet", ""));
    PressButton(app.Staff(), IDC_TITLE_BUTTON);
    EXPECT_EQ(app.Frame()->windowTitle(), "Voldrim   -   Minuet");
    // A composer without a title does not show.
    app.m_responder.ExpectDialog(Fill("", "Anna"));
    PressButton(app.Staff(), IDC_TITLE_BUTTON);
    EXPECT_EQ(app.Frame()->windowTitle(), "Voldrim");
    EXPECT_EQ(doc->m_strMelodyComposer, "Anna");
}

TEST(TitleButton, RefusesMoreThanThirtyCharacters)
{
    CAppHarness app;
    const CString thirty(30, QLatin1Char('a'));
    bool endedOnLongText = true;
    app.m_responder.ExpectMessageBox();
    app.m_responder.ExpectMessageBox();
    app.m_responder.ExpectDialog([&](CDialog& dialog) {
        dialog.TypeText(IDC_TITLE_EDIT, thirty + "b");
        dialog.ClickButton(IDOK);
        endedOnLongText = dialog.IsEnded();
        dialog.TypeText(IDC_TITLE_EDIT, thirty);
        dialog.TypeText(IDC_COMPOSER_EDIT, thirty + "b");
        dialog.ClickButton(IDOK);
        endedOnLongText = endedOnLongText || dialog.IsEnded();
        dialog.TypeText(IDC_COMPOSER_EDIT, "Anna");
        dialog.ClickButton(IDOK);
        return IDOK;
    });
    PressButton(app.Staff(), IDC_TITLE_BUTTON);
    EXPECT_FALSE(endedOnLongText);
    EXPECT_EQ(app.m_responder.Texts(), (std::vector<CString>(2, "Please enter no more than 30 characters.")));
    EXPECT_EQ(app.Doc()->m_strMelodyTitle, thirty);
    EXPECT_EQ(app.Frame()->windowTitle(), "Voldrim   -   " + thirty + " by Anna");
}

// Typing stops at 30 characters in either box; a longer title read from a
// file shows whole, takes no more typing, and may be shortened.
TEST(TitleButton, EditBoxesTakeNoMoreThanThirtyCharactersWhileTyping)
{
    CAppHarness app;
    const CString forty(40, QLatin1Char('t'));
    app.Doc()->m_strMelodyTitle = forty;
    struct Typing {
        UINT edit;
        const char* keys;
        CString shows;
    };
    const Typing cases[] = {
        {IDC_COMPOSER_EDIT, "abcdefghijklmnopqrstuvwxyz01234", "abcdefghijklmnopqrstuvwxyz0123"},
        {IDC_TITLE_EDIT, "x", forty},
        {IDC_TITLE_EDIT, "\b", forty.left(39)},
    };
    app.m_responder.ExpectDialog([&](CDialog& dialog) {
        for (const Typing& c : cases) {
            auto* edit = dialog.GetDlgItemAs<QLineEdit>(c.edit);
            edit->setFocus();
            edit->end(false);
            QTest::keyClicks(edit, c.keys);
            EXPECT_EQ(edit->text().toStdString(), c.shows.toStdString()) << c.keys;
        }
        dialog.ClickButton(IDCANCEL);
        return IDCANCEL;
    });
    PressButton(app.Staff(), IDC_TITLE_BUTTON);
}

} // namespace
