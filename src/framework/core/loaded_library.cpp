// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/loaded_library.h"

#include <dlfcn.h>

bool AfxLoadLibrary(const char* fileName)
{
    return dlopen(fileName, RTLD_NOW | RTLD_GLOBAL) != nullptr;
}

void* AfxFindSymbol(const char* name)
{
    return dlsym(RTLD_DEFAULT, name);
}
