// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A folder of the test's own, removed with it, and the files it writes there
// as inputs for the program.
#include "support/file_bytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>

class CScratchFolder : public QTemporaryDir {
public:
    CScratchFolder() = default;
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;
    // Removed by the bytes of its names: Qt cannot name a file whose name
    // is not UTF-8, and would leave it behind.
    ~CScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(QFile::encodeName(path()).toStdString(), ignored);
    }

    // The path of the file written; a file that cannot be written fails the test.
    QString Write(const QByteArray& bytes, const QString& name) const
    {
        const QString path = filePath(name);
        EXPECT_TRUE(WriteFileBytes(path, bytes)) << path.toStdString();
        return path;
    }

    // The bytes of a name in the folder, which need not be UTF-8.
    QByteArray NativePath(const QByteArray& name) const { return QFile::encodeName(path()) + '/' + name; }
};
