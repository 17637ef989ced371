// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Resource and command ids of the program.
#include "framework/command_ids.h"

// The main frame's menu, accelerators, icon and document string.
constexpr UINT IDR_MAINFRAME = 2;

// Dialog templates and bitmaps.
constexpr UINT IDD_ABOUTBOX = 100;
constexpr UINT IDB_SPLASH = 106;
constexpr UINT IDD_TEMPO = 123;
constexpr UINT IDD_SHOWME_OPTIONS = 128;
constexpr UINT IDD_SHOWME_MESSAGE = 129;
constexpr UINT IDD_MIDI = 137;
constexpr UINT IDD_TITLE = 139;
constexpr UINT IDD_SHOWME_SCORES = 144;
constexpr UINT IDD_IMPORT_PART = 145;
constexpr UINT IDD_EXPORT_METER = 146;
constexpr UINT IDB_METRONOME_LEFT = 150;
constexpr UINT IDB_METRONOME_RIGHT = 151;

// Icons: the faces of a right and of a wrong Show Me answer.
constexpr UINT IDI_RIGHT_ANSWER = 130;
constexpr UINT IDI_WRONG_ANSWER = 131;

// About box controls.
constexpr UINT IDC_VERSION = 1042;

// MIDI Options dialog controls.
constexpr UINT IDC_MIDI_TEST = 1015;
constexpr UINT IDC_MIDI_DEVICE = 1016;
constexpr UINT IDC_MIDI_CHANNEL = 1017;
constexpr UINT IDC_MIDI_INSTRUMENT = 1018;
constexpr UINT IDC_USE_MIDI = 1019;

// Set Tempo dialog controls.
constexpr UINT IDC_TEMPO_SCROLL = 1022;
constexpr UINT IDC_TEMPO_NAME = 1023;
constexpr UINT IDC_METRONOME_RIGHT = 1036;
constexpr UINT IDC_METRONOME_LEFT = 1037;
constexpr UINT IDC_TEMPO_BPM = 1040;

// Title Your Composition dialog controls.
constexpr UINT IDC_TITLE_EDIT = 1026;
constexpr UINT IDC_COMPOSER_EDIT = 1027;

// Show Me Options dialog: questions about both the staff and the
// fingerboard, the staff notes only, the fingerboard only.
constexpr UINT IDC_QUESTIONS_BOTH = 1005;
constexpr UINT IDC_QUESTIONS_STAFF = 1006;
constexpr UINT IDC_QUESTIONS_FINGERBOARD = 1007;

// Show Me Message dialog controls.
constexpr UINT IDC_SHOWME_MESSAGE = 1020;
constexpr UINT IDC_RIGHT_FACE = 1024;
constexpr UINT IDC_WRONG_FACE = 1025;

// Show Me Scores dialog controls.
constexpr UINT IDC_CORRECT_COUNT = 1028;
constexpr UINT IDC_INCORRECT_COUNT = 1029;
constexpr UINT IDC_RESET_SCORES = 1030;

// Import Melody's part list and Export Melody's time signatures.
constexpr UINT IDC_IMPORT_PARTS = 1043;
constexpr UINT IDC_EXPORT_METERS = 1044;

// Strings.
constexpr UINT IDS_MIDI_OPEN_FAILED = 3;
constexpr UINT IDS_STAFF_FULL = 4;
constexpr UINT IDS_SHOWME_CHROMATIC = 6;
constexpr UINT IDS_SHOWME_NEEDS_BOTH_VIEWS = 7;
constexpr UINT IDS_VERSION = 8;
constexpr UINT IDS_MIDI_NOT_RESPONDING = 10;
constexpr UINT IDS_NO_SOUNDFONT = 21;
constexpr UINT IDS_NO_SOUND_INPUT = 22;
constexpr UINT IDS_SOUND_INPUT_LOST = 23;

// Commands of the program's menus and buttons.
enum Command : UINT {
    ID_KEY_C = 32773,
    ID_KEY_G = 32774,
    ID_KEY_D = 32775,
    ID_KEY_F = 32776,
    ID_KEY_BB = 32777,
    ID_KEY_CHROMATIC = 32778,
    ID_PLAY = 32779,
    ID_ERASE = 32780,
    ID_TEMPO = 32781,
    ID_SHOWME_OPTIONS = 32782,
    ID_MIDI = 32784,
    ID_FB_NOTE_NAMES = 32787,
    ID_STAFF_SHOW_NAMES = 32788,
    ID_STAFF_HIDE_NAMES = 32789,
    ID_FB_FINGER_NUMBERS = 32790,
    ID_FB_ALL_POSITIONS = 32791,
    ID_FB_SINGLE_POSITION = 32792,
    ID_CONTINUOUS_PLAY = 32794,
    ID_FB_OPEN_STRINGS = 32796,
    ID_MODE_FLASH_CARD = 32798,
    ID_PLAY_BUTTON = 32799,
    ID_MODE_FINGERBOARD_STAFF = 32800,
    ID_SHOWME_SCORES = 32803,
    ID_MODE_STAFF_ONLY = 32806,
    ID_HELP_CONTENTS = 32813,
    ID_HELP_RHYTHM = 32814,
    ID_HELP_LESSONS = 32815,
    ID_FILE_EXPORT = 32816,
    ID_LISTEN = 32817,
    ID_PRACTICE_PROGRESS = 32818,
    ID_WEAK_NOTES = 32819,
    ID_FILE_IMPORT = 32820,

    IDC_ERASE_BUTTON = 102,
    IDC_SHOWME_BUTTON = 103,
    IDC_STOP_BUTTON = 104,
    IDC_TITLE_BUTTON = 105,
    IDC_EXIT_BUTTON = 107,
};

// Help contexts of the three help commands.
constexpr DWORD HELP_CONTEXT_CONTENTS = HID_BASE_RESOURCE + IDR_MAINFRAME; // 131074
constexpr DWORD HELP_CONTEXT_RHYTHM = 25;
constexpr DWORD HELP_CONTEXT_LESSONS = HID_BASE_COMMAND + ID_HELP_LESSONS; // 98351
