// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File, Export Melody in the running program: the file dialog's filter
// chooses the format, the PDF holds the pages File Print prints, and a
// failure is said and leaves the earlier file as it was.
#include "framework/dialog.h"
#include "quiz/practice_log.h"
#include "res/resource.h"
#include "support/app_harness.h"
#include "support/file_bytes.h"
#include "support/full_disk.h"
#include "support/pdf_print_dialogs.h"
#include "support/scripted_file_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageSize>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const CString kMusicXmlFilter = QStringLiteral("MusicXML Files (*.musicxml)");
const CString kMidiFilter = QStringLiteral("MIDI Files (*.mid)");
const CString kPdfFilter = QStringLiteral("PDF Files (*.pdf)");
constexpr int kDpi = 50;
// Paper that Print Setup gives no margins gets 15 mm a side; a stroke's
// faint edge may come half a millimetre closer.
constexpr double kLeastMarginMm = 14;

class MelodyExport : public ::testing::Test {
protected:
    void SetMelodyOf(int count)
    {
        m_app.Doc()->m_melody.clear();
        for (int i = 0; i < count; ++i)
            m_app.Doc()->m_melody.push_back(std::make_unique<CNoteSeries>(NoteQuarter, 48 + i % 12));
    }
    // The file chosen in the export dialog under the filter, with the menu;
    // MusicXML and MIDI then in the meter of that index in the meter dialog
    // (none, the first, with OK), or none when it is cancelled.
    void ExportTo(const QString& path, const CString& filter, std::optional<int> meter = 0)
    {
        m_files.Expect(path, filter);
        if (filter != kPdfFilter) {
            m_app.m_responder.ExpectDialog([meter](CDialog& dialog) {
                if (!meter)
                    return IDCANCEL;
                if (*meter != 0)
                    dialog.SelectListEntry(IDC_EXPORT_METERS, *meter);
                dialog.ClickButton(IDOK);
                return IDOK;
            });
        }
        ASSERT_TRUE(m_app.ChooseFromMenu(ID_FILE_EXPORT));
    }

    QTemporaryDir m_folder;
    CAppHarness m_app;
    CScriptedFileDialog m_files;
    CPdfPrintDialogs m_print{m_folder.filePath("print.pdf"), QString()};
};

TEST_F(MelodyExport, TheFilterChoosesTheFormatWhateverTheName)
{
    SetMelodyOf(3);
    const struct {
        CString filter;
        QByteArray start;
    } cases[] = {{kMusicXmlFilter, "<?xml"}, {kMidiFilter, "MThd"}, {kPdfFilter, "%PDF"}};
    for (const auto& c : cases) {
        const QString path = m_folder.filePath("tune.out");
        ExportTo(path, c.filter);
        EXPECT_TRUE(ReadFileBytes(path).startsWith(c.start)) << c.filter.toStdString();
    }
    const CFileDialogRequest& request = m_files.Requests().front();
    EXPECT_FALSE(request.m_bOpen);
    EXPECT_EQ(request.m_strFilter, kMusicXmlFilter + ";;" + kMidiFilter + ";;" + kPdfFilter);
    EXPECT_EQ(request.m_strDefExt, "musicxml");
    EXPECT_EQ(request.m_strFileName, "Untitled");
}

TEST_F(MelodyExport, MusicXmlAndMidiTakeTheMeterChosenAndNoneIsTheDefault)
{
    SetMelodyOf(3);
    const struct {
        CString filter;
        std::optional<int> meter;
        QByteArray holds; // empty: no file at all
        QByteArray lacks;
    } cases[] = {
        {kMusicXmlFilter, 0, "<senza-misura/>", "<beats>"},
        {kMusicXmlFilter, 2, "<beats>3</beats>", "<senza-misura/>"},
        // The time signature of 6/8: a click each dotted quarter.
        {kMidiFilter, 4, QByteArray::fromHex("ff580406032408"), ""},
        {kMidiFilter, std::nullopt, "", ""},
    };
    int count = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(count);
        const QString path = m_folder.filePath(QStringLiteral("tune%1").arg(count++));
        ExportTo(path, c.filter, c.meter);
        const QByteArray bytes = ReadFileBytes(path);
        EXPECT_EQ(QFileInfo::exists(path), !c.holds.isEmpty());
        EXPECT_TRUE(bytes.contains(c.holds));
        if (!c.lacks.isEmpty()) {
            EXPECT_FALSE(bytes.contains(c.lacks));
        }
    }
}

TEST_F(MelodyExport, ThePdfHoldsThePagesOfFilePrintOnThePaperOfPrintSetup)
{
    // Eight by ten inches hold 24 notes a page.
    SetMelodyOf(25);
    m_app.Doc()->m_strMelodyTitle = "Swan";
    ASSERT_TRUE(m_app.Choose(ID_FILE_PRINT_SETUP));
    ASSERT_TRUE(m_app.Choose(ID_FILE_PRINT));
    const QString exported = m_folder.filePath("swan.pdf");
    ExportTo(exported, kPdfFilter);

    ASSERT_EQ(PdfPageCount(exported), 2);
    EXPECT_EQ(PdfPageCount(m_print.m_printPath), 2);
    for (int page = 1; page <= 2; ++page) {
        const QImage printed = RenderPdfPage(m_print.m_printPath, page, kDpi);
        ASSERT_FALSE(printed.isNull());
        EXPECT_EQ(RenderPdfPage(exported, page, kDpi), printed) << "page " << page;
    }
}

TEST_F(MelodyExport, ThePdfOfPaperWithoutMarginsKeepsItsInkClearOfTheEdgesAndIsTitled)
{
    SetMelodyOf(3);
    m_app.Doc()->m_strMelodyTitle = "Swan";
    // No printer is installed here: first the printer as it comes, then
    // Print Setup choosing no margins at all.
    for (const bool setUp : {false, true}) {
        SCOPED_TRACE(setUp ? "Print Setup without margins" : "no printer");
        if (setUp) {
            m_print.m_layout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
            ASSERT_TRUE(m_app.Choose(ID_FILE_PRINT_SETUP));
        }
        const QString exported = m_folder.filePath("swan.pdf");
        ExportTo(exported, kPdfFilter);
        EXPECT_GE(PdfInkClearanceMm(exported, 1), kLeastMarginMm);
        EXPECT_EQ(PdfInfo(exported, "Title"), "Swan");
        EXPECT_EQ(PdfInfo(exported, "Creator"), "Voldrim");
    }
}

TEST_F(MelodyExport, IsRefusedWhileAMelodyPlays)
{
    SetMelodyOf(3);
    m_app.Doc()->m_bPlaying = true;
    EXPECT_FALSE(m_app.IsEnabled(ID_FILE_EXPORT));
    EXPECT_FALSE(m_app.Choose(ID_FILE_EXPORT));
    // Even reached past the menu, it asks for no file.
    m_app.m_app->OnFileExport();
    EXPECT_TRUE(m_files.Requests().empty());
}

TEST_F(MelodyExport, AFailureIsSaidAndLeavesTheEarlierFileAsItWas)
{
    SetMelodyOf(24);
    const QString earlier = m_folder.filePath("earlier.mid");
    ASSERT_TRUE(WriteFileBytes(earlier, "earlier"));
    // The practice history opens once the window is painted; it opens now,
    // so that only the export meets the full disk.
    AfxGetPracticeLog()->Flush();
    m_app.m_responder.ExpectMessageBox();
    {
        FullDisk disk(64);
        ExportTo(earlier, kMidiFilter);
    }
    EXPECT_EQ(m_app.m_responder.Texts().back(), "Failed to save document.");
    EXPECT_EQ(ReadFileBytes(earlier), "earlier");
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files), QStringList({"earlier.mid"}));

    // A folder that cannot exist: its parent is a file.
    m_app.m_responder.ExpectMessageBox();
    ExportTo(earlier + "/tune.musicxml", kMusicXmlFilter);
    EXPECT_EQ(m_app.m_responder.Texts().back(), "Failed to save document.");
}

} // namespace
