// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sound brought to another sample rate: a recording made at any rate is
// heard as the microphone's is, at the listener's own rate. Windowed-sinc
// interpolation; on the way down, what the new rate cannot hold is left
// out rather than folded back onto the notes.
#include <vector>

std::vector<float> Resampled(const std::vector<float>& samples, int fromRate, int toRate);
