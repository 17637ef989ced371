// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/font_configuration.h"

#include <fontconfig/fontconfig.h>

// Fontconfig keeps the first configuration read: Qt's own request finds it
// ready, or, should it come first, reads one itself and this one is dropped.
CFontConfigurationReader::CFontConfigurationReader() : m_reading([] { FcInit(); }) {}

CFontConfigurationReader::~CFontConfigurationReader()
{
    m_reading.join();
}
