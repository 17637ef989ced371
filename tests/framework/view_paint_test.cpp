// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Views paint like classic windows: an invalid region, an optional erase,
// a paint pass that runs on its own, and window drawing that shows at once.
#include "framework/document.h"
#include "framework/view.h"

#include <QApplication>
#include <QPaintEvent>
#include <gtest/gtest.h>

namespace {

// Fills what it is asked to paint with a colour, and can run drawing of
// its own while it paints.
class ProbeView : public CView {
public:
    void OnDraw(CDC* pDC) override
    {
        ++m_draws;
        if (m_fill)
            pDC->FillSolidRect(CRect(0, 0, width(), height()), RGB(0, 0, 255));
        if (m_nested)
            m_nested();
    }
    int m_draws = 0;
    bool m_fill = true;
    std::function<void()> m_nested;
    // What Qt was asked to bring to the screen.
    QRegion m_shown;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        m_shown += event->region();
        CView::paintEvent(event);
    }
};

QRgb At(const CView& view, int x, int y)
{
    return view.BackingImage().pixel(x, y) & 0xFFFFFF;
}

constexpr QRgb kWhite = 0xFFFFFF, kBlue = 0x0000FF, kRed = 0xFF0000;

class ViewPaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_view.CreateView(nullptr, &m_doc, CSize(60, 40)));
        m_view.UpdateWindow();
        PaintAllRed();
    }
    void PaintAllRed()
    {
        CClientDC dc(&m_view);
        dc.FillSolidRect(CRect(0, 0, 60, 40), RGB(255, 0, 0));
    }
    CDocument m_doc;
    ProbeView m_view;
};

TEST_F(ViewPaintTest, WindowDrawingLandsAtOnce)
{
    EXPECT_EQ(At(m_view, 0, 0), kRed);
    EXPECT_EQ(At(m_view, 59, 39), kRed);
    EXPECT_FALSE(m_view.IsPaintPending());
}

TEST_F(ViewPaintTest, WindowDrawingShowsOnlyWhatItDrew)
{
    QApplication::processEvents();
    m_view.m_shown = QRegion();
    {
        CClientDC dc(&m_view);
        dc.FillSolidRect(CRect(20, 10, 25, 30), RGB(0, 0, 255));
        dc.SetPixel(40, 5, RGB(0, 0, 255));
    }
    QApplication::processEvents();
    EXPECT_EQ(m_view.m_shown.boundingRect(), QRect(20, 5, 21, 25));
}

TEST_F(ViewPaintTest, APaintPassIsClippedToTheInvalidRegion)
{
    const int before = m_view.m_draws;
    m_view.InvalidateRect(CRect(5, 5, 6, 6), FALSE);
    EXPECT_TRUE(m_view.IsPaintPending());
    EXPECT_EQ(m_view.m_draws, before) << "nothing paints until the pass runs";
    QApplication::processEvents();
    EXPECT_EQ(m_view.m_draws, before + 1);
    EXPECT_EQ(At(m_view, 5, 5), kBlue);
    EXPECT_EQ(At(m_view, 6, 5), kRed);
    EXPECT_EQ(At(m_view, 4, 4), kRed);
}

TEST_F(ViewPaintTest, EraseFillsTheRegionWithTheClassBackground)
{
    m_view.m_fill = false;
    m_view.InvalidateRect(CRect(0, 0, 10, 10), FALSE);
    m_view.UpdateWindow();
    EXPECT_EQ(At(m_view, 2, 2), kRed) << "without erase the old picture stays";
    m_view.InvalidateRect(CRect(0, 0, 10, 10), TRUE);
    m_view.UpdateWindow();
    EXPECT_EQ(At(m_view, 2, 2), kWhite);
    EXPECT_EQ(At(m_view, 10, 10), kRed);
}

TEST_F(ViewPaintTest, InvalidationsMergeIntoOnePass)
{
    const int before = m_view.m_draws;
    m_view.InvalidateRect(CRect(0, 0, 2, 2), FALSE);
    m_view.InvalidateRect(CRect(50, 30, 52, 32), FALSE);
    QApplication::processEvents();
    EXPECT_EQ(m_view.m_draws, before + 1);
    EXPECT_EQ(At(m_view, 1, 1), kBlue);
    EXPECT_EQ(At(m_view, 51, 31), kBlue);
    EXPECT_EQ(At(m_view, 30, 20), kRed);
}

TEST_F(ViewPaintTest, WindowDrawingDuringAPassShowsInFullAndDoesNotClash)
{
    // A view may draw on its window while it paints (a highlight, a
    // message box): both device contexts share one image.
    std::vector<QString> warnings;
    static std::vector<QString>* sink = nullptr;
    sink = &warnings;
    auto previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        sink->push_back(text);
    });
    m_view.m_fill = false;
    m_view.m_nested = [this] {
        CClientDC dc(&m_view);
        dc.FillSolidRect(CRect(20, 20, 30, 30), RGB(0, 0, 255));
    };
    m_view.InvalidateRect(CRect(0, 0, 1, 1), FALSE);
    m_view.UpdateWindow();
    qInstallMessageHandler(previous);
    EXPECT_EQ(At(m_view, 25, 25), kBlue) << "the window context is not clipped to the pass";
    EXPECT_EQ(At(m_view, 19, 19), kRed);
    for (const QString& w : warnings)
        EXPECT_FALSE(w.contains("QPainter")) << w.toStdString();
}

TEST_F(ViewPaintTest, InvalidatingDuringAPassAsksForAnotherPass)
{
    bool again = true;
    m_view.m_nested = [&] {
        if (again) {
            again = false;
            m_view.InvalidateRect(CRect(40, 0, 41, 1), FALSE);
        }
    };
    const int before = m_view.m_draws;
    m_view.InvalidateRect(CRect(0, 0, 1, 1), FALSE);
    m_view.UpdateWindow();
    EXPECT_TRUE(m_view.IsPaintPending());
    QApplication::processEvents();
    EXPECT_EQ(m_view.m_draws, before + 2);
    EXPECT_EQ(At(m_view, 40, 0), kBlue);
}

TEST_F(ViewPaintTest, GrowingExposesOnlyTheNewArea)
{
    m_view.m_fill = false;
    m_view.resize(80, 40);
    m_view.UpdateWindow();
    EXPECT_EQ(At(m_view, 10, 10), kRed) << "what was drawn stays";
    EXPECT_EQ(At(m_view, 70, 10), kWhite) << "the new strip is erased";
}

TEST(DocumentViews, UpdateAllViewsSkipsTheSender)
{
    struct HintView : ProbeView {
        void OnUpdate(CView*, LPARAM hint, CObject*) override { m_hints.push_back(int(hint)); }
        std::vector<int> m_hints;
    };
    CDocument doc;
    HintView a, b;
    ASSERT_TRUE(a.CreateView(nullptr, &doc, CSize(10, 10)));
    ASSERT_TRUE(b.CreateView(nullptr, &doc, CSize(10, 10)));
    doc.UpdateAllViews(&a, 4);
    doc.UpdateAllViews(nullptr, 1);
    EXPECT_EQ(a.m_hints, std::vector<int>({1}));
    EXPECT_EQ(b.m_hints, std::vector<int>({4, 1}));
}

}
