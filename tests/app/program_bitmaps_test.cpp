// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's bitmaps are compiled in and load by name and by number,
// the first window's rendered ahead.
#include "framework/bitmaps_ahead.h"
#include "framework/gdi_objects.h"
#include "framework/resources.h"
#include "views/staff/staff_view.h"

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

// The buttons' pictures rendered on a thread while the window is made are
// those rendered when asked; each is taken once, in any order, and one
// taken, missing or never rendered ahead is rendered where it is asked.
TEST(ProgramBitmaps, PicturesRenderedAheadAreThoseRenderedWhenAsked)
{
    const std::vector<QByteArray> names = CStaffView::FirstPictures();
    ASSERT_FALSE(names.empty());
    std::vector<QImage> inPlace;
    for (const QByteArray& name : names) {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(name.constData()));
        inPlace.push_back(bitmap.GetImage());
    }
    std::vector<QByteArray> ahead = names;
    ahead.push_back("NOPICTURE");
    const CBitmapsAhead rendering(ahead);
    const QString first = AfxBitmapPath(QString::fromLatin1(names.front()));
    const std::optional<QImage> taken = CBitmapsAhead::Take(first, AfxBitmapPixelRatio());
    ASSERT_TRUE(taken.has_value());
    EXPECT_EQ(*taken, inPlace.front());
    EXPECT_FALSE(CBitmapsAhead::Take(first, AfxBitmapPixelRatio()).has_value());
    for (std::size_t i = names.size(); i-- > 0;) {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(names[i].constData())) << names[i].constData();
        EXPECT_EQ(bitmap.GetImage(), inPlace[i]) << names[i].constData();
    }
    CBitmap missing, notAhead;
    EXPECT_FALSE(missing.LoadBitmap("NOPICTURE"));
    EXPECT_TRUE(notAhead.LoadBitmap("SHOWMED"));
}
