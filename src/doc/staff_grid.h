// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the staff's note columns stand across the view: at x = 100, 44
// pixels apart, stopping 25 pixels short of the right edge. The
// document's layout places the columns there and the view draws its guides
// at them.
namespace staffgrid {
constexpr int kFirstColumnX = 100;
constexpr int kColumnPitch = 44;
constexpr int kRightMargin = 25;
} // namespace staffgrid
