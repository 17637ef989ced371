// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application's style, as the desktop chose it, but for the icons of
// widgets that are made with the main window and seldom shown: the menu
// bar's overflow button asks for its icon as the menu bar is made, and the
// style reads it from picture files by asking every image plugin Qt has
// what it holds, which costs the window's first showing more than the
// whole menu. Those icons are made when first drawn.

// Makes this the application's style; once is enough.
void AfxUseLateIconStyle();
