// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fontconfig reads its configuration, some fifty files, when the first
// font is asked for: 7 to 9 ms before the main window can draw its first
// letter. Read on a thread of its own while the application connects to
// the display, it is ready by then. Made before the application object;
// its end waits for the reading.
#include <thread>

class CFontConfigurationReader {
public:
    CFontConfigurationReader();
    ~CFontConfigurationReader();
    CFontConfigurationReader(const CFontConfigurationReader&) = delete;
    CFontConfigurationReader& operator=(const CFontConfigurationReader&) = delete;

private:
    std::thread m_reading;
};
