// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file written under a temporary name next to the file it is to replace,
// and put in its place only once every byte is on disk; dropped before
// that, it leaves no trace. Names are reached by their exact bytes
// (framework/native_path.h). A link is followed to its end, so the link
// stays and the file it leads to is replaced; the new file keeps the
// earlier file's permissions, and a file that is new gets those the user's
// umask gives.
#include "framework/types.h"

#include <QFile>

class CReplacingFile {
public:
    explicit CReplacingFile(const CString& path);
    ~CReplacingFile();
    CReplacingFile(const CReplacingFile&) = delete;
    CReplacingFile& operator=(const CReplacingFile&) = delete;

    // Makes the temporary file; false when it cannot be made.
    bool Open();
    // Where the bytes are written, once open.
    QFile& Device() { return m_file; }
    // Writes out what is buffered, waits until it is on disk, and replaces
    // the file; false, and the earlier file untouched, when any step fails.
    bool Commit();

private:
    void Discard();

    CString m_target;
    CString m_temporary;
    int m_descriptor = -1;
    QFile m_file;
};
