// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/practice/note_maps.h"

#include "model/finger_stop.h"
#include "model/note_names.h"
#include "model/staff_position_table.h"
#include "quiz/question_tables.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <set>

namespace {

// Red for no answer right, yellow for half, green for all.
constexpr double kHueOfAllRight = 120.0 / 360.0;
constexpr double kSaturation = 0.75;
constexpr double kValue = 0.95;
const QColor kNotAsked(235, 235, 235);
const QColor kInk(Qt::black);
const QColor kOutOfKey(200, 200, 200);
constexpr int kMargin = 8;
// The staff's 17 rows, top (E4) to bottom (C2), take half a line space
// each, with a row's room above and below.
constexpr int kRowsWithRoom = kStaffPositionsPerColumn + 2;
// Rows of the five lines and of the ledger lines.
constexpr int kLineRows[] = {4, 6, 8, 10, 12};
constexpr int kLedgerRows[] = {0, 2, 14, 16};
constexpr double kHeadWidthPerHeight = 1.35;
// Heads side by side at most: a line's and a space's, twice where a row
// carries two notes.
constexpr int kMostHeadsAcross = 4;
// A row's name fills most of the height from one row to the next, and
// "F#3 100%" fits this many of those heights across.
constexpr double kNamePerRowStep = 0.9;
constexpr int kSmallestNamePixels = 9;
constexpr double kNameWidthInRowSteps = 5;
// A stop's name is this high for the stop's height.
constexpr double kNamePerStopHeight = 0.4;
constexpr int kMsPerSecond = 1000;

const Key kKeys[] = {KeyC, KeyG, KeyD, KeyF, KeyBb};

// The notes Show Me asks in the key, or in any key.
std::set<int> AskedPitches(int key)
{
    std::set<int> pitches;
    for (Key each : kKeys) {
        if (key == kAllKeys || key == each) {
            const QuestionTable& table = QuestionTableOf(each);
            pitches.insert(table.begin(), table.end());
        }
    }
    return pitches;
}

QString Percent(int part, int whole)
{
    return QString::number(qRound(100.0 * part / whole)) + QLatin1Char('%');
}

} // namespace

void CNoteMap::Show(const std::vector<NoteStanding>& standings, PracticeSide side, int key)
{
    m_standings.clear();
    std::copy_if(standings.begin(), standings.end(), std::back_inserter(m_standings),
                 [side](const NoteStanding& standing) { return standing.side == side; });
    m_side = side;
    m_key = key;
    update();
}

const NoteStanding* CNoteMap::StandingOf(int pitch) const
{
    const auto it = std::find_if(m_standings.begin(), m_standings.end(),
                                 [pitch](const NoteStanding& standing) { return standing.pitch == pitch; });
    return it == m_standings.end() ? nullptr : &*it;
}

QColor CNoteMap::ColourOf(const NoteStanding* standing)
{
    if (!standing || standing->answers == 0)
        return kNotAsked;
    const double accuracy = double(standing->right) / standing->answers;
    return QColor::fromHsvF(float(accuracy * kHueOfAllRight), float(kSaturation), float(kValue));
}

QString CNoteMap::SideName() const
{
    return m_side == PracticeSide::Fingerboard ? QStringLiteral("found on the fingerboard")
                                               : QStringLiteral("found on the staff");
}

QString CNoteMap::DescriptionOf(int pitch) const
{
    const QString name = NoteNameWithOctave(pitch);
    const NoteStanding* standing = StandingOf(pitch);
    if (!standing)
        return QStringLiteral("%1, %2: not asked yet").arg(name, SideName());
    return QStringLiteral("%1, %2: %3 of %4 right (%5), median %6 s")
        .arg(name, SideName())
        .arg(standing->right)
        .arg(standing->answers)
        .arg(Percent(standing->right, standing->answers))
        .arg(double(standing->medianMs) / kMsPerSecond, 0, 'f', 1);
}

int CNoteMap::PitchAt(const QPoint& point) const
{
    for (const Mark& mark : Layout(m_key)) {
        if (mark.rect.contains(point))
            return mark.pitch;
    }
    return 0;
}


QRectF CNoteMap::RectOf(int pitch) const
{
    for (const Mark& mark : Layout(m_key)) {
        if (mark.pitch == pitch)
            return mark.rect;
    }
    return QRectF();
}

void CNoteMap::PaintMark(QPainter& painter, const Mark& mark, const NoteStanding* standing) const
{
    painter.setBrush(ColourOf(standing));
    painter.drawEllipse(mark.rect);
}

void CNoteMap::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    PaintBackground(painter);
    painter.setPen(QPen(kInk, 1));
    for (const Mark& mark : Layout(m_key))
        PaintMark(painter, mark, StandingOf(mark.pitch));
}

bool CNoteMap::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    if (const int pitch = PitchAt(help->pos()))
        QToolTip::showText(help->globalPos(), DescriptionOf(pitch), this);
    else
        QToolTip::hideText();
    return true;
}

CFingerboardMap::CFingerboardMap(QWidget* parent) : CNoteMap(parent)
{
    setMinimumSize(120, 200);
}

namespace {

// The stops as the fingerboard lays them out, and the scale and offset
// that fit them into the rectangle.
struct BoardFit {
    CObjectList<CFingerStop> stops;
    QRectF bounds;
    double scale = 1;
    QPointF origin;
};

BoardFit FitBoard(const QRect& area)
{
    BoardFit fit;
    BuildFingerStops(fit.stops);
    for (const auto& stop : fit.stops) {
        const CRect r = stop->GetRect();
        fit.bounds |= QRectF(r.left, r.top, r.Width(), r.Height());
    }
    const QRectF inner = QRectF(area).adjusted(kMargin, kMargin, -kMargin, -kMargin);
    fit.scale = std::min(inner.width() / fit.bounds.width(), inner.height() / fit.bounds.height());
    fit.origin = QPointF(inner.center().x() - fit.bounds.width() * fit.scale / 2, inner.top());
    return fit;
}

QRectF Placed(const BoardFit& fit, const CRect& r)
{
    return QRectF(fit.origin.x() + (r.left - fit.bounds.left()) * fit.scale,
                  fit.origin.y() + (r.top - fit.bounds.top()) * fit.scale, r.Width() * fit.scale,
                  r.Height() * fit.scale);
}

} // namespace

std::vector<CNoteMap::Mark> CFingerboardMap::Layout(int key) const
{
    const std::set<int> asked = AskedPitches(key);
    const BoardFit fit = FitBoard(rect());
    std::vector<Mark> marks;
    for (const auto& stop : fit.stops) {
        if (asked.count(stop->GetPitch()))
            marks.push_back({stop->GetPitch(), Placed(fit, stop->GetRect())});
    }
    return marks;
}

void CFingerboardMap::PaintBackground(QPainter& painter) const
{
    const BoardFit fit = FitBoard(rect());
    const QRectF board(fit.origin, fit.bounds.size() * fit.scale);
    // The strings run through their stops; a stop no question asks is an outline.
    painter.setPen(QPen(kInk, 1));
    for (const auto& stop : fit.stops) {
        const QRectF placed = Placed(fit, stop->GetRect());
        painter.drawLine(QPointF(placed.center().x(), board.top()), QPointF(placed.center().x(), board.bottom()));
    }
    painter.setPen(QPen(kOutOfKey, 1));
    painter.setBrush(Qt::white);
    for (const auto& stop : fit.stops)
        painter.drawEllipse(Placed(fit, stop->GetRect()));
}

void CFingerboardMap::PaintMark(QPainter& painter, const Mark& mark, const NoteStanding* standing) const
{
    CNoteMap::PaintMark(painter, mark, standing);
    QFont font = painter.font();
    font.setPixelSize(std::max(kSmallestNamePixels, int(mark.rect.height() * kNamePerStopHeight)));
    painter.setFont(font);
    painter.drawText(mark.rect, Qt::AlignCenter, NoteNameOfPitch(mark.pitch));
}

CStaffMap::CStaffMap(QWidget* parent) : CNoteMap(parent)
{
    // Rows far enough apart to read their names.
    setMinimumSize(200, 300);
}

int CStaffMap::HeadsAcross() const
{
    return m_key == kAllKeys ? kMostHeadsAcross : kMostHeadsAcross / 2;
}

double CStaffMap::RowStep() const
{
    const double byHeight = double(height() - 2 * kMargin) / kRowsWithRoom;
    const int names = HeadsAcross() / 2;
    const double byWidth = double(width() - 2 * kMargin) /
                           ((HeadsAcross() + 1) * 2 * kHeadWidthPerHeight + names * kNameWidthInRowSteps);
    return std::min(byHeight, byWidth);
}

double CStaffMap::RowY(int row) const
{
    // The staff in the middle of the height.
    const double step = RowStep();
    return (height() - kRowsWithRoom * step) / 2 + (row + 1) * step;
}

double CStaffMap::HeadWidth() const
{
    return 2 * RowStep() * kHeadWidthPerHeight;
}

double CStaffMap::StaffRight() const
{
    // Half a head of line before the heads and after them.
    return kMargin + (HeadsAcross() + 1) * HeadWidth();
}

std::vector<CNoteMap::Mark> CStaffMap::Layout(int key) const
{
    const double step = RowStep();
    const double headWidth = HeadWidth();
    std::vector<Mark> marks;
    for (int row = 0; row < kStaffPositionsPerColumn; ++row) {
        std::set<int> pitches;
        for (Key each : kKeys) {
            const int pitch = StaffPitchForKey(row, each);
            if ((key == kAllKeys || key == each) && AskedPitches(each).count(pitch))
                pitches.insert(pitch);
        }
        int inRow = 0;
        for (int pitch : pitches) {
            // A line's heads take the even places, a space's the odd ones.
            const int across = 2 * inRow + row % 2;
            const double left = kMargin + (across + 0.5) * headWidth;
            marks.push_back({pitch, QRectF(left, RowY(row) - step, headWidth, 2 * step), inRow++});
        }
    }
    return marks;
}

void CStaffMap::PaintBackground(QPainter& painter) const
{
    painter.setPen(QPen(kInk, 1));
    for (int row : kLineRows)
        painter.drawLine(QPointF(kMargin, RowY(row)), QPointF(StaffRight(), RowY(row)));
    // Ledger lines, a little shorter, for the notes above and below.
    const double inset = HeadWidth() / 4;
    for (int row : kLedgerRows)
        painter.drawLine(QPointF(kMargin + inset, RowY(row)), QPointF(StaffRight() - inset, RowY(row)));
}

void CStaffMap::PaintMark(QPainter& painter, const Mark& mark, const NoteStanding* standing) const
{
    CNoteMap::PaintMark(painter, mark, standing);
    // The note's name and share of right answers after the staff, on its
    // row; a row's second note after its first.
    const QString label = NoteNameWithOctave(mark.pitch) +
                          (standing ? QLatin1Char(' ') + Percent(standing->right, standing->answers) : QString());
    const double step = RowStep();
    const double nameWidth = kNameWidthInRowSteps * step;
    const QRectF text(StaffRight() + kMargin + mark.inRow * nameWidth, mark.rect.top(), nameWidth,
                      mark.rect.height());
    QFont font = painter.font();
    font.setPixelSize(std::max(kSmallestNamePixels, int(step * kNamePerRowStep)));
    painter.setFont(font);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, label);
}
