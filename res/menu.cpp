// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main frame's menu bar and accelerator table.
#include "res/program_resources.h"
#include "res/resource.h"

namespace {

MenuItemTemplate Item(const char* text, UINT id, UINT flags = MF_STRING)
{
    return MenuItemTemplate{text, id, flags, {}};
}
MenuItemTemplate Separator()
{
    return MenuItemTemplate{"", 0, MF_SEPARATOR, {}};
}
MenuItemTemplate Popup(const char* text, std::vector<MenuItemTemplate> items)
{
    return MenuItemTemplate{text, 0, MF_POPUP, std::move(items)};
}

const std::vector<MenuItemTemplate>& MainMenu()
{
    static const std::vector<MenuItemTemplate> menu = {
        Popup("&File", {
            Item("&New Melody\tCtrl+N", ID_FILE_NEW),
            Item("&Open Melody...\tCtrl+O", ID_FILE_OPEN),
            Separator(),
            Item("&Save Melody...\tCtrl+S", ID_FILE_SAVE),
            Item("Save Melody &As...", ID_FILE_SAVE_AS),
            Item("&Export Melody...", ID_FILE_EXPORT),
            Item("&Import Melody...", ID_FILE_IMPORT),
            Separator(),
            Item("&Print...\tCtrl+P", ID_FILE_PRINT),
            Item("Print Pre&view", ID_FILE_PRINT_PREVIEW),
            Item("P&rint Setup...", ID_FILE_PRINT_SETUP),
            Separator(),
            Item("E&xit", ID_APP_EXIT),
        }),
        Popup("&Keys", {
            Item("&C Major", ID_KEY_C, MF_CHECKED),
            Item("&G Major", ID_KEY_G),
            Item("&D Major", ID_KEY_D),
            Item("&F Major", ID_KEY_F),
            Item("&Bb Major", ID_KEY_BB),
            Separator(),
            Item("C&hromatic", ID_KEY_CHROMATIC),
        }),
        Popup("&Display", {
            Item("&Fingerboard and Staff", ID_MODE_FINGERBOARD_STAFF),
            Item("Fingerboard and Flash &Card", ID_MODE_FLASH_CARD),
            Item("&Staff Only", ID_MODE_STAFF_ONLY),
            Separator(),
            Item("Show &Me Scores...\tCtrl+M", ID_SHOWME_SCORES),
            Item("Practice &Progress...", ID_PRACTICE_PROGRESS),
            Separator(),
            Item("&Erase", ID_ERASE),
        }),
        Popup("&Options", {
            Popup("&Fingerboard", {
                Item("Show &Note Names", ID_FB_NOTE_NAMES, MF_CHECKED),
                Item("Show &Finger Numbers", ID_FB_FINGER_NUMBERS),
                Separator(),
                Item("&All Finger Positions", ID_FB_ALL_POSITIONS),
                Item("&Single Finger Position", ID_FB_SINGLE_POSITION, MF_CHECKED),
                Separator(),
                Item("&Always Show Open Strings", ID_FB_OPEN_STRINGS, MF_CHECKED),
            }),
            Separator(),
            Popup("&Staff", {
                Item("&Show Note Names", ID_STAFF_SHOW_NAMES, MF_CHECKED),
                Item("&Hide Note Names", ID_STAFF_HIDE_NAMES),
            }),
            Separator(),
            Item("&Tempo...", ID_TEMPO),
            Item("Show &Me...", ID_SHOWME_OPTIONS),
            Item("Practise &Weak Notes", ID_WEAK_NOTES),
            Separator(),
            Item("&Continuous Play", ID_CONTINUOUS_PLAY),
            Item("&Listen to My Cello", ID_LISTEN),
            Separator(),
            Item("&MIDI...", ID_MIDI),
        }),
        Popup("&Help", {
            Item("Help &Contents...", ID_HELP_CONTENTS),
            Item("&Help Topics...", ID_HELP_FINDER),
            Separator(),
            Item("&Mini Lessons...", ID_HELP_LESSONS),
            Item("&A&ssigning Rhythmic Values...", ID_HELP_RHYTHM),
            Separator(),
            Item("&About Voldrim...", ID_APP_ABOUT),
        }),
    };
    return menu;
}

const std::vector<AcceleratorTemplate>& MainAccelerators()
{
    static const std::vector<AcceleratorTemplate> table = {
        {Qt::CTRL | Qt::Key_N, ID_FILE_NEW},
        {Qt::CTRL | Qt::Key_O, ID_FILE_OPEN},
        {Qt::CTRL | Qt::Key_S, ID_FILE_SAVE},
        {Qt::CTRL | Qt::Key_P, ID_FILE_PRINT},
        {Qt::CTRL | Qt::Key_M, ID_SHOWME_SCORES},
        {QKeyCombination(Qt::Key_F1), ID_HELP},
        {Qt::SHIFT | Qt::Key_F1, ID_CONTEXT_HELP},
        {QKeyCombination(Qt::Key_F6), ID_NEXT_PANE},
        {Qt::SHIFT | Qt::Key_F6, ID_PREV_PANE},
        // Edit keys are bound but nothing handles them, so they do nothing.
        {Qt::CTRL | Qt::Key_C, ID_EDIT_COPY},
        {Qt::CTRL | Qt::Key_Insert, ID_EDIT_COPY},
        {Qt::CTRL | Qt::Key_V, ID_EDIT_PASTE},
        {Qt::SHIFT | Qt::Key_Insert, ID_EDIT_PASTE},
        {Qt::CTRL | Qt::Key_X, ID_EDIT_CUT},
        {Qt::SHIFT | Qt::Key_Delete, ID_EDIT_CUT},
        {Qt::CTRL | Qt::Key_Z, ID_EDIT_UNDO},
        {Qt::ALT | Qt::Key_Backspace, ID_EDIT_UNDO},
    };
    return table;
}

}

const std::vector<MenuItemTemplate>* ProgramMenu(UINT resourceId)
{
    return resourceId == IDR_MAINFRAME ? &MainMenu() : nullptr;
}

const std::vector<AcceleratorTemplate>* ProgramAccelerators(UINT resourceId)
{
    return resourceId == IDR_MAINFRAME ? &MainAccelerators() : nullptr;
}
