// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/show_me_commands.h"

#include "doc/voldrim_doc.h"
#include "framework/message_box.h"
#include "quiz/show_me_options_dlg.h"
#include "quiz/show_me_scores_dlg.h"

#include <QSettings>

namespace {

// The program's settings file, $XDG_CONFIG_HOME/Voldrim/Voldrim.conf.
const QString kSettingsName = QStringLiteral("Voldrim");
const QString kWeakNotesSetting = QStringLiteral("Show Me/Practise Weak Notes");

CShowMeOptionsDlg::Option OptionOfMode(QuestionMode mode)
{
    switch (mode) {
    case QuestionModeFingerboard: return CShowMeOptionsDlg::OptionFingerboard;
    case QuestionModeStaff: return CShowMeOptionsDlg::OptionStaff;
    default: return CShowMeOptionsDlg::OptionBoth;
    }
}

void ApplyOption(CVoldrimDoc& doc, int option)
{
    switch (option) {
    case CShowMeOptionsDlg::OptionStaff:
        doc.m_nQuestionMode = QuestionModeStaff;
        doc.m_nQuestionType = AnswerOnStaff;
        break;
    case CShowMeOptionsDlg::OptionFingerboard:
        doc.m_nQuestionMode = QuestionModeFingerboard;
        doc.m_nQuestionType = AnswerOnFingerboard;
        break;
    default:
        doc.m_nQuestionMode = QuestionModeBoth;
        doc.m_nQuestionType = AnswerOnStaff;
        break;
    }
}

}  // namespace

void RunShowMeOptions(CVoldrimDoc& doc, QWidget* owner)
{
    if (doc.m_bPlaying)
        return;
    CShowMeOptionsDlg dialog(owner);
    dialog.m_nQuestionOption = OptionOfMode(doc.m_nQuestionMode);
    if (dialog.DoModal() == IDOK)
        ApplyOption(doc, dialog.m_nQuestionOption);
    // Even Cancel ends a running question.
    doc.ResetState();
}

void RunShowMeScores(CVoldrimDoc& doc, QWidget* owner)
{
    CShowMeScoresDlg dialog(owner);
    dialog.m_pDoc = &doc;
    dialog.DoModal();
    doc.ClearHeldKeys();
}

void ToggleWeakNotes(CVoldrimDoc& doc)
{
    doc.m_bWeakNotes = !doc.m_bWeakNotes;
    QSettings(kSettingsName, kSettingsName).setValue(kWeakNotesSetting, doc.m_bWeakNotes);
    if (doc.IsQuestionRunning())
        doc.ResetState();
}

void LoadWeakNotesOption(CVoldrimDoc& doc)
{
    doc.m_bWeakNotes = QSettings(kSettingsName, kSettingsName).value(kWeakNotesSetting, false).toBool();
}
