// The program's dialogs as their templates build them: every label shows
// a whole line.
#include "framework/dialog.h"
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
    for (UINT id : {IDD_ABOUTBOX, IDD_TEMPO, IDD_MIDI, IDD_TITLE}) {
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

} // namespace
