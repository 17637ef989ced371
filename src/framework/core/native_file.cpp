// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/native_file.h"

#include "framework/native_path.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
}

CFileFacts AfxFileFacts(const CString& path)
{
    const QByteArray name = AfxEncodePath(path);
    struct stat status {};
    CFileFacts facts;
    if (::stat(name.constData(), &status) != 0)
        return facts;
    facts.exists = true;
    facts.isFile = S_ISREG(status.st_mode);
    facts.isFolder = S_ISDIR(status.st_mode);
    facts.readable = ::access(name.constData(), R_OK) == 0;
    facts.writable = ::access(name.constData(), W_OK) == 0;
    facts.markedReadOnly = (status.st_mode & kAnyWrite) == 0;
    return facts;
}

bool AfxOpenForReading(const CString& path, QFile& file)
{
    // Without blocking: a pipe would wait for a writer. What opened is
    // judged again, as the name may have come to mean another file.
    const int descriptor = ::open(AfxEncodePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return false;
    }
    return true;
}
