// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The staff after a run of resizes, on a screen of two device pixels a
// logical pixel, shows pixel for pixel what a staff painted afresh at the
// last size shows: a resize that keeps the picture paints all it changes.
#include "doc/voldrim_doc.h"
#include "model/key.h"
#include "support/recording_midi_output.h"
#include "views/staff/staff_view.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

constexpr int kRatio = 2;

// A chromatic melody of every value with rests, from the given note of it
// on, longer than the staff has columns at these sizes: the status line
// counts the notes left out.
struct Staff {
    explicit Staff(QSize size, int firstNote = 0)
    {
        constexpr int kNotes = 60;
        const NoteValue values[] = {NoteEighth, NoteQuarter, NoteDottedQuarter, NoteHalf, NoteDottedHalf, NoteWhole};
        doc.m_nKey = KeyChromatic;
        for (int i = firstNote; i < kNotes; ++i) {
            const bool rest = i % 13 == 12;
            doc.m_melody.push_back(
                std::make_unique<CNoteSeries>(rest ? NoteRest : values[i % 6], rest ? kRestPitch : 36 + i * 5 % 29));
        }
        doc.m_bReloadMelody = true;
        view.CreateView(nullptr, &doc, CSize(100, 100));
        Resize(size);
    }
    void Resize(QSize size)
    {
        view.resize(size);
        QApplication::processEvents();
        view.UpdateWindow();
    }
    QImage Shown() const { return view.BackingImage().copy(QRect(QPoint(0, 0), view.size() * kRatio)); }

    CRecordingMidiOutput midi;
    CVoldrimDoc doc;
    CStaffView view;
};

// The image pixels where two pictures differ, as one rectangle.
QRect Differences(const QImage& a, const QImage& b)
{
    QRect differ;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                differ |= QRect(x, y, 1, 1);
    return differ;
}

// From 874 to 917 pixels wide the staff has 18 columns a system, from 410
// to 614 high two systems: resizes within that keep the picture.
struct ResizeRun {
    const char* what;
    std::vector<QSize> sizes;
    std::function<void(Staff&)> beforeLast;
    bool keepsPicture;
    int firstNoteAfter = 0;
};

TEST(StaffResizeOnHiDpi, ShowsWhatAFreshPaintingAtTheSizeShows)
{
    const ResizeRun runs[] = {
        {"shrunk, grown, then both ways within one layout",
         {{880, 450}, {916, 450}, {890, 600}, {910, 420}},
         nullptr,
         true},
        {"across layouts", {{960, 450}, {880, 650}, {900, 450}}, nullptr, false},
        {"after drawing on the window",
         {{880, 450}, {910, 450}},
         [](Staff& staff) {
             CClientDC dc(&staff.view);
             dc.FillSolidRect(CRect(300, 100, 340, 140), RGB(255, 0, 0));
         },
         false},
        {"after the melody changed unseen",
         {{880, 450}, {910, 450}},
         [](Staff& staff) { staff.doc.m_melody.erase(staff.doc.m_melody.begin()); },
         true,
         1},
    };
    for (const ResizeRun& run : runs) {
        Staff staff(QSize(900, 450));
        ASSERT_EQ(staff.view.BackingImage().devicePixelRatio(), kRatio);
        for (std::size_t i = 0; i + 1 < run.sizes.size(); ++i)
            staff.Resize(run.sizes[i]);
        if (run.beforeLast)
            run.beforeLast(staff);
        staff.view.resize(run.sizes.back());
        EXPECT_EQ(staff.view.PendingRegion() != QRegion(staff.view.rect()), run.keepsPicture) << run.what;
        staff.Resize(run.sizes.back());

        Staff fresh(run.sizes.back(), run.firstNoteAfter);
        const QRect differ = Differences(staff.Shown(), fresh.Shown());
        EXPECT_TRUE(differ.isEmpty()) << run.what << ": image pixels " << differ.x() << "," << differ.y() << " "
                                      << differ.width() << "x" << differ.height();
    }
}

} // namespace
