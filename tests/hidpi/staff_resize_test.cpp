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

// A chromatic melody of every value with rests, from the given note on,
// longer than the staff has columns: the status line counts the rest.
struct Staff {
    explicit Staff(QSize size, int firstNote = 0)
    {
        const NoteValue values[] = {NoteEighth, NoteQuarter, NoteDottedQuarter, NoteHalf, NoteDottedHalf, NoteWhole};
        doc.m_nKey = KeyChromatic;
        for (int i = firstNote; i < 60; ++i)
            doc.m_melody.push_back(i % 13 == 12 ? std::make_unique<CNoteSeries>(NoteRest, kRestPitch)
                                                : std::make_unique<CNoteSeries>(values[i % 6], 36 + i * 5 % 29));
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
    QImage Shown() const { return view.BackingImage().copy(QRect(QPoint(0, 0), view.size() * 2)); }

    CRecordingMidiOutput midi;
    CVoldrimDoc doc;
    CStaffView view;
};

TEST(StaffResizeOnHiDpi, ShowsWhatAFreshPaintingAtTheSizeShows)
{
    // From 874 to 917 pixels wide and 410 to 614 high the staff has two
    // systems of 18 columns: resizes within that keep the picture.
    const struct {
        const char* what;
        std::vector<QSize> sizes;
        std::function<void(Staff&)> beforeLast;
        bool keepsPicture;
        int firstNoteAfter;
    } runs[] = {
        {"shrunk, grown, then both ways", {{880, 450}, {916, 450}, {890, 600}, {910, 420}}, nullptr, true, 0},
        {"across layouts", {{880, 650}, {960, 450}, {900, 450}}, nullptr, false, 0},
        {"after drawing on the window", {{880, 450}, {910, 450}},
         [](Staff& s) { CClientDC(&s.view).FillSolidRect(CRect(300, 100, 340, 140), RGB(255, 0, 0)); }, false, 0},
        {"after the melody changed unseen", {{880, 450}, {910, 450}},
         [](Staff& s) { s.doc.m_melody.erase(s.doc.m_melody.begin()); }, true, 1},
    };
    for (const auto& run : runs) {
        Staff staff(QSize(900, 450));
        ASSERT_EQ(staff.view.BackingImage().devicePixelRatio(), 2);
        for (std::size_t i = 0; i + 1 < run.sizes.size(); ++i)
            staff.Resize(run.sizes[i]);
        if (run.beforeLast)
            run.beforeLast(staff);
        staff.view.resize(run.sizes.back());
        EXPECT_EQ(staff.view.PendingRegion() != QRegion(staff.view.rect()), run.keepsPicture) << run.what;
        staff.Resize(run.sizes.back());
        EXPECT_TRUE(staff.Shown() == Staff(run.sizes.back(), run.firstNoteAfter).Shown()) << run.what;
    }
}

} // namespace
