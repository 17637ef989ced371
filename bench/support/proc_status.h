// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Figures of this process from /proc/self/status.
#include <fstream>
#include <string>

// The value of a field given in kB, such as "VmRSS" (resident now) or
// "VmHWM" (the peak resident so far); 0 when there is none.
inline long ProcStatusKb(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = field + ":";
    while (std::getline(status, line)) {
        if (line.rfind(prefix, 0) == 0)
            return std::stol(line.substr(prefix.size()));
    }
    return 0;
}
