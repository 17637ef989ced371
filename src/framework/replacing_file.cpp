// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/replacing_file.h"

#include "framework/native_path.h"

#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many links as the system follows before it gives up on a name.
constexpr int kMostLinksFollowed = 40;
constexpr int kTemporaryNameTries = 100;
constexpr int kTemporarySuffixLength = 6;
constexpr char kTemporaryNameLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
// A new file's mode before the umask, as any program creates one.
constexpr mode_t kNewFileMode = 0666;
// Until the earlier file's permissions are copied, no one else may look.
constexpr mode_t kOwnerOnlyMode = 0600;
constexpr mode_t kPermissionBits = 0777;
// fsync on a file system that cannot sync: the bytes are as far as they go.
constexpr int kSyncUnsupported = EINVAL;

// The name a link leads to, or an empty one when the name is no link.
CString LinkTarget(const CString& name)
{
    char target[PATH_MAX];
    const ssize_t length = ::readlink(AfxEncodePath(name).constData(), target, sizeof target);
    if (length <= 0 || length == ssize_t(sizeof target))
        return CString();
    const CString decoded = AfxDecodePath(QByteArray(target, qsizetype(length)));
    return decoded.startsWith(QLatin1Char('/')) ? decoded : AfxFolderOf(name) + QLatin1Char('/') + decoded;
}

// The file the name leads to, through any links, even one that does not
// exist yet; the name itself when the links go round in a circle.
CString FinalTarget(const CString& path)
{
    CString name = path;
    for (int followed = 0; followed < kMostLinksFollowed; ++followed) {
        const CString target = LinkTarget(name);
        if (target.isEmpty())
            return name;
        name = target;
    }
    return path;
}

// Creates a file of a name no other file has, next to the target.
int CreateTemporary(const CString& target, mode_t mode, CString& name)
{
    constexpr int kLetters = int(sizeof kTemporaryNameLetters) - 1;
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        name = target + QLatin1Char('.');
        for (int i = 0; i < kTemporarySuffixLength; ++i)
            name += QLatin1Char(kTemporaryNameLetters[QRandomGenerator::global()->bounded(kLetters)]);
        const int descriptor =
            ::open(AfxEncodePath(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
    return -1;
}

} // namespace

CReplacingFile::CReplacingFile(const CString& path) : m_target(FinalTarget(path)) {}

CReplacingFile::~CReplacingFile()
{
    Discard();
}

bool CReplacingFile::Open()
{
    struct stat earlier {};
    const bool replaces = ::stat(AfxEncodePath(m_target).constData(), &earlier) == 0;
    m_descriptor = CreateTemporary(m_target, replaces ? kOwnerOnlyMode : kNewFileMode, m_temporary);
    if (m_descriptor < 0) {
        m_temporary.clear();
        return false;
    }
    if (replaces && ::fchmod(m_descriptor, earlier.st_mode & kPermissionBits) != 0)
        return false;
    return m_file.open(m_descriptor, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
}

bool CReplacingFile::Commit()
{
    // The last bytes are written out here, where a full disk shows.
    const bool onDisk = m_file.flush() && (::fsync(m_descriptor) == 0 || errno == kSyncUnsupported);
    m_file.close();
    const bool closed = ::close(m_descriptor) == 0;
    m_descriptor = -1;
    if (!onDisk || !closed ||
        ::rename(AfxEncodePath(m_temporary).constData(), AfxEncodePath(m_target).constData()) != 0)
        return false;
    m_temporary.clear();
    return true;
}

void CReplacingFile::Discard()
{
    m_file.close();
    if (m_descriptor >= 0)
        ::close(m_descriptor);
    m_descriptor = -1;
    if (!m_temporary.isEmpty())
        ::unlink(AfxEncodePath(m_temporary).constData());
    m_temporary.clear();
}
