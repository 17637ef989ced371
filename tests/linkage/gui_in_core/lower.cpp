// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A library's one source.
int LowerLayer()
{
    return 0;
}
