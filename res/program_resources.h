// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's resources, handed to the framework at start-up.
#include "framework/resources.h"

// The program's string table, dialog templates, menu, keys and help pages.
const CResources& ProgramResources();
// Registers them with the framework; idempotent.
void RegisterProgramResources();

const std::vector<MenuItemTemplate>* ProgramMenu(UINT resourceId);
const std::vector<AcceleratorTemplate>* ProgramAccelerators(UINT resourceId);
CString ProgramHelpPage(DWORD contextId);
