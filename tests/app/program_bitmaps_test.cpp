// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's bitmaps are compiled in and load by name and by number.
#include "framework/gdi_objects.h"

#include <QDir>
#include <QSvgRenderer>
#include <gtest/gtest.h>

TEST(ProgramBitmaps, LoadByNameAndNumberAtTheirDrawnSize)
{
    const QStringList names = QDir(QStringLiteral(":/res/bitmaps")).entryList({QStringLiteral("*.svg")}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& file : names) {
        const QString name = file.chopped(4);
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(name.toLatin1().constData())) << name.toStdString();
        const QSize size = QSvgRenderer(QStringLiteral(":/res/bitmaps/") + file).defaultSize();
        EXPECT_EQ(bitmap.GetSize(), CSize(size.width(), size.height())) << name.toStdString();
        bool numeric = false;
        const UINT id = name.toUInt(&numeric);
        if (numeric) {
            CBitmap byId;
            EXPECT_TRUE(byId.LoadBitmap(id)) << id;
        }
    }
}
