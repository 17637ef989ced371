// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's dialogs as their templates build them: every label shows
// a whole line, and the About box shows its whole icon.
#include "app/about_dlg.h"
#include "res/resource.h"
#include "support/scripted_responder.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

// The labels that show text (not pictures) of a dialog up on the screen.
std::vector<QLabel*> TextLabels(CDialog& dialog)
{
    std::vector<QLabel*> labels;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->pixmap().isNull())
            labels.push_back(label);
    }
    return labels;
}

TEST(ProgramDialogs, EveryLabelIsAWholeLineHigh)
{
    for (UINT id : {IDD_ABOUTBOX, IDD_TEMPO, IDD_MIDI, IDD_TITLE, IDD_IMPORT_PART, IDD_EXPORT_METER}) {
        SCOPED_TRACE(id);
        CScriptedResponder responder;
        CDialog dialog(id);
        responder.ExpectDialog([](CDialog& shown) {
            for (QLabel* label : TextLabels(shown))
                EXPECT_GE(label->height(), label->fontMetrics().height()) << label->text().toStdString();
            return IDCANCEL;
        });
        dialog.DoModal();
    }
}

// The icon control takes the size of the icon, as a dialog's icon does, and
// the icon is drawn whole at the size of an icon.
TEST(ProgramDialogs, AboutBoxShowsTheWholeIcon)
{
    CScriptedResponder responder;
    CAboutDlg about(QStringLiteral("Version 1.1"));
    responder.ExpectDialog([](CDialog& shown) -> int {
        QLabel* icon = nullptr;
        for (QLabel* label : shown.findChildren<QLabel*>()) {
            if (!label->pixmap().isNull())
                icon = label;
        }
        if (!icon) {
            ADD_FAILURE() << "no icon";
            return IDOK;
        }
        EXPECT_EQ(icon->pixmap().size(), QSize(32, 32));
        EXPECT_EQ(icon->geometry(), QRect(DialogUnitsToPixelsX(23), DialogUnitsToPixelsY(16), 32, 32));
        return IDOK;
    });
    about.DoModal();
}

} // namespace
