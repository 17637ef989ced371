// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the document's file, and the framework's words for
// what went wrong.
#include "framework/archive.h"
#include "framework/document.h"
#include "framework/message_box.h"
#include "framework/native_file.h"
#include "framework/native_path.h"
#include "framework/replacing_file.h"
#include "framework/save_file.h"

#include <QFile>

namespace {

const char kNotFound[] = "%1 was not found.";
const char kAccessDenied[] = "Access to %1 was denied.";
const char kInvalidFormat[] = "Unexpected file format.";
const char kFailedToOpen[] = "Failed to open document.";
const char kFailedToSave[] = "Failed to save document.";

// The file as the user can read its name, whatever bytes the name holds.
CString WithFileName(const char* text, const CString& path)
{
    return QString::fromLatin1(text).arg(AfxDisplayPath(path));
}

// Why a file cannot be read: only a regular file can hold a document (a
// device or a pipe might never end, or never answer).
CString OpenFailure(const CString& path)
{
    const CFileFacts facts = AfxFileFacts(path);
    if (!facts.exists)
        return WithFileName(kNotFound, path);
    if (!facts.readable)
        return WithFileName(kAccessDenied, path);
    return QString::fromLatin1(kFailedToOpen);
}

// Why a file cannot be written, or empty when nothing speaks against it.
// A file marked read-only is not replaced, though its folder would allow
// it; nor is anything but a regular file, wherever a link leads: a save
// would turn a device or a pipe into an ordinary file.
CString SaveObstacle(const CString& path)
{
    const CFileFacts facts = AfxFileFacts(path);
    if (facts.exists && (!facts.isFile || !facts.writable || facts.markedReadOnly))
        return WithFileName(kAccessDenied, path);
    return CString();
}

CString SaveFailure(const CString& path)
{
    const CFileFacts folder = AfxFileFacts(AfxFolderOf(path));
    if (folder.isFolder && !folder.writable)
        return WithFileName(kAccessDenied, path);
    return QString::fromLatin1(kFailedToSave);
}

} // namespace

BOOL CDocument::OnOpenDocument(const CString& path)
{
    QFile file;
    if (!AfxFileFacts(path).isFile || !AfxOpenForReading(path, file)) {
        AfxMessageBox(OpenFailure(path));
        return FALSE;
    }
    DeleteContents();
    m_bEmptiedByFailedRead = true;
    if (!LoadContents(file))
        return FALSE;
    m_bEmptiedByFailedRead = false;
    SetModifiedFlag(false);
    return TRUE;
}

BOOL CDocument::LoadContents(QIODevice& device)
{
    if (device.size() == 0)
        return TRUE;
    try {
        CArchive archive(&device, CArchive::load);
        Serialize(archive);
        return TRUE;
    } catch (const CArchiveException& exception) {
        // Whatever was read is dropped, so no half-read document is shown.
        DeleteContents();
        AfxMessageBox(QString::fromLatin1(exception.m_cause == CArchiveException::generic ? kFailedToOpen
                                                                                           : kInvalidFormat));
        return FALSE;
    }
}

CString AfxSaveFile(const CString& path, const std::function<bool(QIODevice&)>& write)
{
    if (const CString obstacle = SaveObstacle(path); !obstacle.isEmpty())
        return obstacle;
    CReplacingFile file(path);
    if (!file.Open())
        return SaveFailure(path);
    // The earlier file is replaced only when every byte is on disk.
    if (!write(file.Device()) || !file.Commit())
        return QString::fromLatin1(kFailedToSave);
    return CString();
}

BOOL CDocument::OnSaveDocument(const CString& path)
{
    const CString failure = AfxSaveFile(path, [this](QIODevice& device) { return StoreContents(device) != FALSE; });
    if (!failure.isEmpty()) {
        AfxMessageBox(failure);
        return FALSE;
    }
    SetModifiedFlag(false);
    return TRUE;
}

BOOL CDocument::StoreContents(QIODevice& device)
{
    try {
        CArchive archive(&device, CArchive::store);
        Serialize(archive);
        return TRUE;
    } catch (const CArchiveException&) {
        return FALSE;
    }
}
