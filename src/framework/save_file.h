// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing a file so that nothing is left half-written: the bytes go to a
// temporary file, which replaces the file only once every byte is on disk.
#include "framework/types.h"

#include <functional>

class QIODevice;

// Writes the file with the writer, which returns false when it failed; an
// earlier file of that name stays as it was unless everything is written.
// Returns the framework's message for what went wrong ("Access to %1 was
// denied.", "Failed to save document."), empty when the file is written
// (document_file.cpp).
CString AfxSaveFile(const CString& path, const std::function<bool(QIODevice&)>& write);
