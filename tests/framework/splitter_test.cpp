// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The splitter's columns follow their ideal and minimum widths.
#include "framework/splitter.h"
#include "framework/view.h"

#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class PlainView : public CView {
public:
    void OnDraw(CDC*) override {}
};

class SplitterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_splitter.CreateStatic(nullptr, 1, 2));
        m_splitter.resize(630, 400);
        ASSERT_TRUE(m_splitter.CreateView(0, 0, [] { return new PlainView(); }, CSize(100, 100), nullptr));
        ASSERT_TRUE(m_splitter.CreateView(0, 1, [] { return new PlainView(); }, CSize(100, 100), nullptr));
    }
    CView* Left() { return m_splitter.GetPane(0, 0); }
    CView* Right() { return m_splitter.GetPane(0, 1); }
    CSplitterWnd m_splitter;
};

TEST_F(SplitterTest, IdealWidthsWithTheRestForTheLastColumn)
{
    m_splitter.SetColumnInfo(0, 180, 150);
    m_splitter.SetColumnInfo(1, 480, 400);
    m_splitter.RecalcLayout();
    EXPECT_EQ(Left()->width(), 180);
    EXPECT_EQ(Right()->x(), 180 + CSplitterWnd::kBarWidth);
    EXPECT_EQ(Right()->width(), 630 - 180 - CSplitterWnd::kBarWidth);
    EXPECT_TRUE(Right()->isVisibleTo(&m_splitter));
}

TEST_F(SplitterTest, AColumnBelowItsMinimumIsNotShown)
{
    // The first column takes everything: the second is left too narrow.
    m_splitter.SetColumnInfo(0, 630, 180);
    m_splitter.SetColumnInfo(1, 480, 400);
    m_splitter.RecalcLayout();
    EXPECT_EQ(Left()->width(), 630);
    EXPECT_FALSE(Right()->isVisibleTo(&m_splitter));

    // An ideal width of nothing hides the first column.
    m_splitter.SetColumnInfo(0, 0, 0);
    m_splitter.SetColumnInfo(1, 630, 400);
    m_splitter.RecalcLayout();
    EXPECT_FALSE(Left()->isVisibleTo(&m_splitter));
    EXPECT_EQ(Right()->x(), 0);
    EXPECT_EQ(Right()->width(), 630);

    // An ideal width under its minimum hides the column too.
    m_splitter.SetColumnInfo(0, 100, 150);
    m_splitter.RecalcLayout();
    EXPECT_FALSE(Left()->isVisibleTo(&m_splitter));
}

TEST_F(SplitterTest, DraggingTheBarSetsTheIdealWidth)
{
    m_splitter.SetColumnInfo(0, 180, 150);
    m_splitter.SetColumnInfo(1, 480, 100);
    m_splitter.RecalcLayout();
    const QPoint bar(180 + 2, 100);
    QTest::mousePress(&m_splitter, Qt::LeftButton, {}, bar);
    QMouseEvent move(QEvent::MouseMove, QPointF(250 + 2, 100), QPointF(250 + 2, 100), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&m_splitter, &move);
    QTest::mouseRelease(&m_splitter, Qt::LeftButton, {}, QPoint(252, 100));
    EXPECT_EQ(m_splitter.GetIdealWidth(0), 250);
    EXPECT_EQ(Left()->width(), 250);
}

}
