// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A folder of the test's own, removed with it, and the files it writes there
// as inputs for the program.
#include "support/file_bytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

class CScratchFolder : public QTemporaryDir {
public:
    // The path of the file written; a file that cannot be written fails the test.
    QString Write(const QByteArray& bytes, const QString& name) const
    {
        const QString path = filePath(name);
        EXPECT_TRUE(WriteFileBytes(path, bytes)) << path.toStdString();
        return path;
    }
};
