// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// While one of these lives, the ALSA library keeps its error reports to
// itself. Opening an output that is not there is expected on machines
// without sound hardware and is answered by the program's own result
// codes, not by lines on the terminal.
class CQuietAlsaErrors {
public:
    CQuietAlsaErrors();
    ~CQuietAlsaErrors();
    CQuietAlsaErrors(const CQuietAlsaErrors&) = delete;
    CQuietAlsaErrors& operator=(const CQuietAlsaErrors&) = delete;
};
