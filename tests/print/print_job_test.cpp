// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Real print jobs of the running program, to PDF files read back by
// poppler's tools: how many pages they have and where the ink is.
#include "framework/command_ids.h"
#include "support/app_harness.h"
#include "support/pdf_print_dialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int kDpi = 100; // one pixel is one hundredth of an inch
// The printable area's corner on the paper: margins of 0.25 and 0.5 inch.
constexpr int kLeft = 25;
constexpr int kTop = 50;
constexpr int kInk = 128;

class PrintJobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(m_app.Choose(ID_FILE_PRINT_SETUP));
    }
    void SetMelodyOf(int count)
    {
        m_app.Doc()->m_melody.clear();
        for (int i = 0; i < count; ++i)
            m_app.Doc()->m_melody.push_back(std::make_unique<CNoteSeries>(NoteQuarter, 48));
    }
    // Grey level of the page at a point in hundredths of an inch, y upward
    // from the printable area's top-left corner.
    static int GreyAt(const QImage& page, int x, int y) { return qGray(page.pixel(kLeft + x, kTop - y)); }

    QTemporaryDir m_dir;
    CAppHarness m_app;
    CPdfPrintDialogs m_dialogs{m_dir.filePath("print.pdf"), m_dir.filePath("preview.pdf")};
};

TEST_F(PrintJobTest, TheJobEndsAfterThePageOfTheLastNote)
{
    struct Case {
        int notes;
        bool fromStaff;
        int fromPage, toPage; // 0: all pages
        int pages;
    };
    // Eight by ten inches hold 24 notes a page; an empty melody prints its
    // frame; a range asked for past the last note ends at it.
    const Case cases[] = {{0, false, 0, 0, 1}, {24, true, 0, 0, 1}, {25, false, 0, 0, 2}, {49, true, 2, 9, 2}};
    for (const Case& c : cases) {
        QFile::remove(m_dialogs.m_printPath);
        SetMelodyOf(c.notes);
        m_dialogs.m_nFromPage = c.fromPage;
        m_dialogs.m_nToPage = c.toPage;
        m_app.Frame()->SetActiveView(c.fromStaff ? static_cast<CView*>(m_app.Staff()) : m_app.Fboard());
        ASSERT_TRUE(m_app.Choose(ID_FILE_PRINT));
        EXPECT_EQ(PdfPageCount(m_dialogs.m_printPath), c.pages) << c.notes << " notes";
    }
    EXPECT_EQ(m_dialogs.m_nPrintDialogs, 4);
}

TEST_F(PrintJobTest, ThePageShowsStaffLinesAndTheFirstNoteHead)
{
    SetMelodyOf(1);
    m_app.Doc()->m_strMelodyTitle = "Swan";
    ASSERT_TRUE(m_app.Choose(ID_FILE_PRINT));
    const QImage page = RenderPdfPage(m_dialogs.m_printPath, 1, kDpi);
    ASSERT_FALSE(page.isNull());
    for (int line = 0; line < 5; ++line) {
        EXPECT_LT(GreyAt(page, 110, -150 - 20 * line), kInk) << "staff line " << line;
        EXPECT_GT(GreyAt(page, 110, -160 - 20 * line), kInk) << "between lines " << line;
    }
    // The C below the middle line: head from x 150 to 175, y -210 to -191.
    EXPECT_LT(GreyAt(page, 162, -200), kInk) << "first note head";
    EXPECT_GT(GreyAt(page, 262, -200), kInk) << "no second note";
}

TEST_F(PrintJobTest, PreviewPagesOnPastTheLastNoteButPrintsUpToIt)
{
    SetMelodyOf(1);
    m_dialogs.m_nPreviewPages = 3;
    m_dialogs.m_bPrintFromPreview = true;
    ASSERT_TRUE(m_app.Choose(ID_FILE_PRINT_PREVIEW));
    EXPECT_EQ(m_dialogs.m_nPrintDialogs, 0);
    EXPECT_EQ(PdfPageCount(m_dialogs.m_previewPath), 3);
    const QImage last = RenderPdfPage(m_dialogs.m_previewPath, 3, kDpi);
    ASSERT_FALSE(last.isNull());
    EXPECT_LT(GreyAt(last, 110, -150), kInk) << "the staff";
    EXPECT_GT(GreyAt(last, 162, -200), kInk) << "no note";
    EXPECT_EQ(PdfPageCount(m_dialogs.m_printPath), 1);
}

TEST_F(PrintJobTest, ACancelledOrFailedJobLeavesTheMelody)
{
    SetMelodyOf(3);
    m_dialogs.m_bCancelPrint = true;
    ASSERT_TRUE(m_app.Choose(ID_FILE_PRINT));
    EXPECT_FALSE(QFile::exists(m_dialogs.m_printPath));

    m_dialogs.m_bCancelPrint = false;
    m_dialogs.m_printPath = m_dir.filePath("no such folder/print.pdf");
    m_app.m_responder.ExpectMessageBox(IDOK);
    ASSERT_TRUE(m_app.Choose(ID_FILE_PRINT));
    ASSERT_EQ(m_app.m_responder.Texts().size(), 1u);
    EXPECT_EQ(m_app.m_responder.Texts()[0], "The pages could not be printed.");
    EXPECT_EQ(m_app.Doc()->m_melody.size(), 3u);
}

} // namespace
