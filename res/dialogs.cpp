// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog templates of the program: each dialog's template lives in a file
// of its own and is listed here.
#include "res/dialog_templates.h"
#include "framework/dialog_template.h"
#include "res/resource.h"

#include <map>

namespace {

const std::map<UINT, DialogTemplate>& Templates()
{
    static const std::map<UINT, DialogTemplate> templates = {
        {IDD_ABOUTBOX, AboutDialogTemplate()},
        {IDD_TEMPO, TempoDialogTemplate()},
        {IDD_MIDI, MidiDialogTemplate()},
        {IDD_TITLE, TitleDialogTemplate()},
        {IDD_SHOWME_OPTIONS, ShowMeOptionsDialogTemplate()},
        {IDD_SHOWME_MESSAGE, ShowMeMessageDialogTemplate()},
        {IDD_SHOWME_SCORES, ShowMeScoresDialogTemplate()},
        {IDD_IMPORT_PART, ImportPartDialogTemplate()},
        {IDD_EXPORT_METER, ExportMeterDialogTemplate()},
    };
    return templates;
}

}

const DialogTemplate* ProgramDialogTemplate(UINT id)
{
    const auto& templates = Templates();
    auto it = templates.find(id);
    return it == templates.end() ? nullptr : &it->second;
}
