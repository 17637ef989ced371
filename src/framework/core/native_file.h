// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files reached by the exact bytes of their names (framework/native_path.h),
// which Qt's file classes cannot name when they are not UTF-8.
#include "framework/types.h"

class QFile;

// What the file system says of a path, through any links.
struct CFileFacts {
    bool exists = false;
    bool isFile = false; // a regular file
    bool isFolder = false;
    // What the running user may do, as the system judges it.
    bool readable = false;
    bool writable = false;
    // No write permission for anyone in its mode, which even the
    // superuser is meant to respect.
    bool markedReadOnly = false;
};

CFileFacts AfxFileFacts(const CString& path);

// Opens a regular file for reading into file, which closes it; false when
// it is no regular file or cannot be opened.
bool AfxOpenForReading(const CString& path, QFile& file);
