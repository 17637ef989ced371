// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A system library loaded when it is first needed instead of linked, so
// that it and the libraries it brings are not loaded and relocated before
// the program's first window shows. Its functions are kept in a table of
// pointers, found the way a linked library's are: the program's own
// definitions first.
#include <optional>

// Loads the library (by its SONAME) as linking would have: its names
// global, never unloaded. False when it does not load.
bool AfxLoadLibrary(const char* fileName);
// The symbol of that name in the program and the libraries loaded; null
// when there is none.
void* AfxFindSymbol(const char* name);

template <typename Function>
bool AfxFindFunction(Function*& function, const char* name)
{
    function = reinterpret_cast<Function*>(AfxFindSymbol(name));
    return function != nullptr;
}

// The table of the library's functions, filled by findAll (false when one
// is missing) once the library has loaded. Loaded by the first call, from
// any thread, and kept; null when it does not load or lacks a function.
template <typename Table>
const Table* AfxLoadedLibrary(const char* fileName, bool (*findAll)(Table& table))
{
    static const std::optional<Table> loaded = [&]() -> std::optional<Table> {
        Table table;
        if (!AfxLoadLibrary(fileName) || !findAll(table))
            return std::nullopt;
        return table;
    }();
    return loaded ? &*loaded : nullptr;
}
