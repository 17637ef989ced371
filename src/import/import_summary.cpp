// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/import_summary.h"

#include <QStringList>

#include <algorithm>
#include <tuple>

namespace {

// Changes of length are named one by one up to this many kinds; the rest
// are counted together.
constexpr std::size_t kLengthKindsNamed = 4;

QString Count(int count, const char* singular, const char* plural)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? singular : plural));
}

QString WasOrWere(int count)
{
    return count == 1 ? QStringLiteral("was") : QStringLiteral("were");
}

QString OctavesText(int octaves)
{
    const int count = std::abs(octaves);
    return count == 1 ? QStringLiteral("an octave") : QStringLiteral("%1 octaves").arg(count);
}

const char* ValueName(NoteValue value, bool plural)
{
    switch (value) {
    case NoteEighth: return plural ? "eighths" : "an eighth";
    case NoteDottedQuarter: return plural ? "dotted quarters" : "a dotted quarter";
    case NoteHalf: return plural ? "halves" : "a half";
    case NoteDottedHalf: return plural ? "dotted halves" : "a dotted half";
    case NoteWhole: return plural ? "whole notes" : "a whole note";
    default: return plural ? "quarters" : "a quarter";
    }
}

// "6 sixteenths were written as eighths": the most frequent kinds first.
void DescribeLengths(const ImportReport& report, QStringList& changes)
{
    std::vector<std::tuple<int, int, NoteValue>> kinds; // count, length named, value
    for (const auto& [change, count] : report.noteLengths)
        kinds.emplace_back(count, change.first, change.second);
    std::stable_sort(kinds.begin(), kinds.end(), [](const auto& a, const auto& b) {
        return std::get<0>(a) > std::get<0>(b);
    });
    int others = 0;
    std::size_t named = 0;
    for (const auto& [count, length, value] : kinds) {
        if (length == kOtherLength || named == kLengthKindsNamed) {
            others += count;
            continue;
        }
        ++named;
        const LengthName name = NamedLength(length);
        changes << QStringLiteral("%1 %2 written as %3")
                       .arg(Count(count, name.singular, name.plural), WasOrWere(count),
                            QLatin1String(ValueName(value, count > 1)));
    }
    if (others > 0) {
        const LengthName name = NamedLength(kOtherLength);
        changes << QStringLiteral("%1 %2 given the nearest value").arg(Count(others, name.singular, name.plural),
                                                                       WasOrWere(others));
    }
}

// "3 eighth rests were written as quarter rests".
void DescribeRests(const ImportReport& report, QStringList& changes)
{
    for (const auto& [change, count] : report.restLengths) {
        const auto& [length, rests] = change;
        const LengthName name = NamedLength(length);
        const QString silence = length == kOtherLength
            ? Count(count, "silence of another length", "silences of other lengths")
            : QStringLiteral("%1 %2 %3").arg(count).arg(QLatin1String(count == 1 ? name.singular : name.plural)).arg(
                  count == 1 ? QStringLiteral("rest") : QStringLiteral("rests"));
        const QString written = rests == 1 ? (count == 1 ? QStringLiteral("a quarter rest") : QStringLiteral("quarter rests"))
                                           : QStringLiteral("%1 quarter rests%2").arg(rests).arg(count == 1 ? "" : " each");
        changes << QStringLiteral("%1 %2 written as %3").arg(silence, WasOrWere(count), written);
    }
    if (report.silencesJoined > 0) {
        changes << QStringLiteral("%1 %2 added to the notes before them")
                       .arg(Count(report.silencesJoined, "silence shorter than an eighth",
                                  "silences shorter than an eighth"),
                            WasOrWere(report.silencesJoined));
    }
}

void DescribeOctaves(const ImportReport& report, QStringList& changes)
{
    for (const auto& [octaves, count] : report.octaveMoves) {
        const bool down = octaves < 0;
        changes << QStringLiteral("%1 %2 %3 moved %4 %5")
                       .arg(Count(count, "note", "notes"), down ? QStringLiteral("above E4") : QStringLiteral("below C2"),
                            WasOrWere(count), down ? QStringLiteral("down") : QStringLiteral("up"),
                            OctavesText(octaves));
    }
}

void DescribeLeftOut(const ImportReport& report, QStringList& changes)
{
    const struct {
        int count;
        const char* singular;
        const char* plural;
    } kinds[] = {
        {report.leftOut.belowTop, "note below the top of a chord", "notes below the top of chords"},
        {report.leftOut.otherVoices, "note of another voice", "notes of other voices"},
        {report.leftOut.grace, "grace or cue note", "grace and cue notes"},
        {report.leftOut.unpitched, "unpitched note", "unpitched notes"},
        {report.offStaff, "note off the staff", "notes off the staff"},
    };
    for (const auto& kind : kinds) {
        if (kind.count > 0)
            changes << QStringLiteral("%1 %2 left out").arg(Count(kind.count, kind.singular, kind.plural),
                                                          WasOrWere(kind.count));
    }
}

void DescribeHeader(const ImportReport& report, QStringList& changes)
{
    if (report.titleCut)
        changes << QStringLiteral("the title was cut to 30 characters");
    if (report.composerCut)
        changes << QStringLiteral("the composer's name was cut to 30 characters");
    if (report.tempo) {
        changes << QStringLiteral("the tempo, %1 beats a minute, was set to the nearest step, %2")
                       .arg(report.tempo->first)
                       .arg(report.tempo->second);
    }
}

} // namespace

CString ImportSummary(const ImportReport& report)
{
    QString summary = Count(report.notes, "note", "notes");
    if (report.rests > 0)
        summary += QStringLiteral(" and ") + Count(report.rests, "rest", "rests");
    summary += QStringLiteral(" imported");
    QStringList changes;
    DescribeLengths(report, changes);
    DescribeRests(report, changes);
    DescribeOctaves(report, changes);
    DescribeLeftOut(report, changes);
    DescribeHeader(report, changes);
    if (changes.isEmpty())
        return summary + QStringLiteral(" as written.");
    QString said = changes.join(QStringLiteral("; "));
    said[0] = said[0].toUpper();
    return summary + QStringLiteral(". ") + said + QLatin1Char('.');
}
