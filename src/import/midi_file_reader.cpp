// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/midi_file_reader.h"

#include "framework/ansi_code_page.h"
#include "import/import_error.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <deque>
#include <map>

namespace {

constexpr char kHeaderId[] = "MThd";
constexpr char kTrackId[] = "MTrk";
constexpr int kChunkIdSize = 4;
constexpr quint32 kHeaderLength = 6;
constexpr int kUnsupportedFormat = 2;
// A division with its top bit set counts frames of a second, not beats.
constexpr int kFramesTiming = 0x8000;
constexpr int kNotes = 128;
constexpr quint8 kStatusBit = 0x80;
constexpr quint8 kMeta = 0xFF;
constexpr quint8 kSysEx = 0xF0;
constexpr quint8 kSysExContinued = 0xF7;
constexpr quint8 kNoteOff = 0x80;
constexpr quint8 kNoteOn = 0x90;
constexpr quint8 kProgramChange = 0xC0;
constexpr quint8 kChannelPressure = 0xD0;
constexpr quint8 kMetaTrackName = 0x03;
constexpr quint8 kMetaEndOfTrack = 0x2F;
constexpr quint8 kMetaTempo = 0x51;
constexpr quint8 kMetaKeySignature = 0x59;
constexpr int kMostVariableLengthBytes = 4;
// A file without a tempo event plays at 120 quarters a minute.
constexpr double kDefaultQuarterBpm = 120;
constexpr double kMicrosecondsPerMinute = 60e6;
// Notes of one track and channel kept before the line is drawn from them:
// chords may hold several for each note of the line.
constexpr std::size_t kNotesPerLineNote = 4;

struct MidiNote {
    qint64 start = 0;
    qint64 end = 0;
    int pitch = 0;
};

// A value that the earliest event of the file sets.
template <class T>
struct Earliest {
    std::optional<T> value;
    qint64 tick = 0;
    void Offer(qint64 at, T offered)
    {
        if (!value || at < tick) {
            value = offered;
            tick = at;
        }
    }
};

class ByteReader {
public:
    ByteReader(const QByteArray& bytes, qsizetype from, qsizetype to) : m_bytes(bytes), m_at(from), m_end(to) {}
    bool AtEnd() const { return m_at >= m_end; }
    qsizetype Left() const { return m_end - m_at; }
    qsizetype At() const { return m_at; }
    quint8 Peek() const
    {
        Need(1);
        return quint8(m_bytes[m_at]);
    }
    quint8 Byte()
    {
        const quint8 byte = Peek();
        ++m_at;
        return byte;
    }
    quint32 BigEndian(int size)
    {
        quint32 value = 0;
        for (int i = 0; i < size; ++i)
            value = value << 8 | Byte();
        return value;
    }
    quint32 VariableLength()
    {
        quint32 value = 0;
        for (int i = 0; i < kMostVariableLengthBytes; ++i) {
            const quint8 byte = Byte();
            value = value << 7 | (byte & 0x7F);
            if (!(byte & kStatusBit))
                return value;
        }
        throw CImportError(ImportProblem::Damaged);
    }
    QByteArray Take(quint32 size)
    {
        Need(qsizetype(size));
        const QByteArray data = m_bytes.mid(m_at, qsizetype(size));
        m_at += qsizetype(size);
        return data;
    }
    void SkipBytes(qsizetype size)
    {
        Need(size);
        m_at += size;
    }

private:
    void Need(qsizetype size) const
    {
        if (size > m_end - m_at)
            throw CImportError(ImportProblem::Damaged);
    }
    const QByteArray& m_bytes;
    qsizetype m_at;
    qsizetype m_end;
};

// Names in newer files are UTF-8; older ones wrote the Windows code page.
QString TextOf(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? AfxFromAnsi(bytes) : text;
}

using TrackChannel = std::pair<int, int>;

struct MidiContents {
    int format = 0;
    int division = 1;
    std::vector<QString> trackNames;
    std::map<TrackChannel, int> noteCounts;
    Earliest<double> quarterBpm;
    Earliest<int> fifths;
    std::vector<MidiNote> notes; // of the track and channel wanted
    qint64 wantedEnd = 0;        // the tick that track ends at
};

class MidiParser {
public:
    MidiParser(const QByteArray& file, std::optional<TrackChannel> wanted, std::size_t mostNotes)
        : m_file(file), m_wanted(wanted), m_mostNotes(mostNotes)
    {
    }

    MidiContents Parse()
    {
        if (!m_file.startsWith(kHeaderId))
            throw CImportError(ImportProblem::NotMidi);
        ByteReader reader(m_file, kChunkIdSize, m_file.size());
        const quint32 headerLength = reader.BigEndian(4);
        if (headerLength < kHeaderLength)
            throw CImportError(ImportProblem::Damaged);
        m_contents.format = int(reader.BigEndian(2));
        reader.BigEndian(2); // the track count, which the chunks say again
        m_contents.division = int(reader.BigEndian(2));
        if (m_contents.format >= kUnsupportedFormat || (m_contents.division & kFramesTiming))
            throw CImportError(ImportProblem::UnsupportedMidi);
        if (m_contents.division == 0)
            throw CImportError(ImportProblem::Damaged);
        reader.SkipBytes(qsizetype(headerLength - kHeaderLength));
        constexpr qsizetype kChunkHeaderSize = 8;
        // Some files end in a few bytes of padding.
        while (reader.Left() >= kChunkHeaderSize) {
            const QByteArray id = reader.Take(kChunkIdSize);
            const quint32 length = reader.BigEndian(4);
            if (qsizetype(length) > reader.Left())
                throw CImportError(ImportProblem::Damaged);
            if (id == kTrackId)
                ParseTrack(reader.At(), reader.At() + qsizetype(length));
            reader.SkipBytes(qsizetype(length));
        }
        return std::move(m_contents);
    }

private:
    void ParseTrack(qsizetype from, qsizetype to)
    {
        if (m_contents.trackNames.size() >= kMostMidiTracks)
            throw CImportError(ImportProblem::Damaged);
        const int track = int(m_contents.trackNames.size());
        m_contents.trackNames.emplace_back();
        const bool wantedTrack = m_wanted && m_wanted->first == track;
        std::array<std::deque<qint64>, kNotes> sounding;
        std::size_t soundingCount = 0;
        ByteReader reader(m_file, from, to);
        qint64 tick = 0;
        quint8 running = 0;
        while (!reader.AtEnd()) {
            tick += reader.VariableLength();
            quint8 status = reader.Peek();
            if (status & kStatusBit)
                reader.Byte();
            else if (running)
                status = running;
            else
                throw CImportError(ImportProblem::Damaged);
            if (status == kMeta) {
                running = 0;
                const quint8 type = reader.Byte();
                const QByteArray data = reader.Take(reader.VariableLength());
                if (type == kMetaEndOfTrack)
                    break;
                TakeMeta(track, tick, type, data);
            } else if (status == kSysEx || status == kSysExContinued) {
                running = 0;
                reader.SkipBytes(qsizetype(reader.VariableLength()));
            } else if (status > kSysEx) {
                throw CImportError(ImportProblem::Damaged);
            } else {
                running = status;
                const quint8 kind = status & 0xF0;
                const int channel = status & 0x0F;
                const quint8 note = DataByte(reader);
                const bool twoBytes = kind != kProgramChange && kind != kChannelPressure;
                const quint8 velocity = twoBytes ? DataByte(reader) : 0;
                const bool wanted = wantedTrack && m_wanted->second == channel;
                if (kind == kNoteOn && velocity > 0) {
                    CountNote({track, channel});
                    if (wanted) {
                        // Notes started and never ended count as notes.
                        if (++soundingCount + m_contents.notes.size() > m_mostNotes * kNotesPerLineNote)
                            throw CImportError(ImportProblem::TooManyNotes);
                        sounding[note].push_back(tick);
                    }
                } else if ((kind == kNoteOff || kind == kNoteOn) && wanted && !sounding[note].empty()) {
                    AddNote(sounding[note].front(), tick, note);
                    sounding[note].pop_front();
                    --soundingCount;
                }
            }
        }
        if (wantedTrack)
            m_contents.wantedEnd = tick;
        // A note never ended lasts to the end of its track.
        for (int note = 0; note < kNotes; ++note) {
            for (const qint64 start : sounding[std::size_t(note)])
                AddNote(start, tick, note);
        }
    }

    void CountNote(const TrackChannel& part)
    {
        auto counted = m_contents.noteCounts.find(part);
        if (counted == m_contents.noteCounts.end()) {
            if (m_contents.noteCounts.size() >= kMostImportParts)
                throw CImportError(ImportProblem::TooManyParts);
            counted = m_contents.noteCounts.emplace(part, 0).first;
        }
        ++counted->second;
    }

    static quint8 DataByte(ByteReader& reader)
    {
        const quint8 byte = reader.Byte();
        if (byte & kStatusBit)
            throw CImportError(ImportProblem::Damaged);
        return byte;
    }

    void AddNote(qint64 start, qint64 end, int pitch)
    {
        if (m_contents.notes.size() >= m_mostNotes * kNotesPerLineNote)
            throw CImportError(ImportProblem::TooManyNotes);
        m_contents.notes.push_back({start, end, pitch});
    }

    void TakeMeta(int track, qint64 tick, quint8 type, const QByteArray& data)
    {
        constexpr int kTempoSize = 3;
        if (type == kMetaTrackName && m_contents.trackNames[std::size_t(track)].isEmpty()) {
            m_contents.trackNames[std::size_t(track)] = TextOf(data).simplified();
        } else if (type == kMetaTempo && data.size() == kTempoSize) {
            const quint32 microseconds = quint32(quint8(data[0])) << 16 | quint32(quint8(data[1])) << 8 | quint8(data[2]);
            if (microseconds > 0)
                m_contents.quarterBpm.Offer(tick, kMicrosecondsPerMinute / microseconds);
        } else if (type == kMetaKeySignature && !data.isEmpty()) {
            m_contents.fifths.Offer(tick, int(qint8(data[0])));
        }
    }

    const QByteArray& m_file;
    std::optional<TrackChannel> m_wanted;
    std::size_t m_mostNotes;
    MidiContents m_contents;
};

std::vector<TrackChannel> PartsOf(const MidiContents& contents)
{
    std::vector<TrackChannel> parts;
    for (const auto& [part, count] : contents.noteCounts)
        parts.push_back(part);
    return parts;
}

QString PartName(const MidiContents& contents, const TrackChannel& part)
{
    const QString channel = QStringLiteral("Channel %1").arg(part.second + 1);
    if (contents.trackNames.size() == 1)
        return channel;
    QString track = contents.trackNames[std::size_t(part.first)];
    if (track.isEmpty())
        track = QStringLiteral("Track %1").arg(part.first + 1);
    const auto channels = std::count_if(contents.noteCounts.begin(), contents.noteCounts.end(),
                                        [&](const auto& entry) { return entry.first.first == part.first; });
    return channels > 1 ? track + QStringLiteral(", ") + channel.toLower() : track;
}

// The notes of the line: of notes that start together the top one; a note
// that starts while the line's note sounds ends it, unless it is lower and
// the line's note sounds on past a sixteenth: then it lies under the line.
// Notes played legato overlap by less.
std::vector<MidiNote> TopLine(std::vector<MidiNote> notes, qint64 ticksPerQuarter, int& belowTop)
{
    constexpr qint64 kSixteenthsPerQuarter = 4;
    const qint64 legatoOverlap = ticksPerQuarter / kSixteenthsPerQuarter;
    std::sort(notes.begin(), notes.end(), [](const MidiNote& a, const MidiNote& b) {
        return a.start != b.start ? a.start < b.start : a.pitch > b.pitch;
    });
    std::vector<MidiNote> line;
    for (const MidiNote& note : notes) {
        if (!line.empty() && line.back().end > note.start) {
            MidiNote& last = line.back();
            if (note.start == last.start || (note.pitch < last.pitch && last.end - note.start > legatoOverlap)) {
                ++belowTop;
                continue;
            }
            last.end = note.start;
        }
        line.push_back(note);
    }
    return line;
}

} // namespace

PartNames MidiFileParts(const QByteArray& file)
{
    const MidiContents contents = MidiParser(file, std::nullopt, 0).Parse();
    PartNames names;
    for (const TrackChannel& part : PartsOf(contents))
        names.push_back(PartName(contents, part));
    if (names.empty())
        throw CImportError(ImportProblem::NoNotes);
    return names;
}

ScoreLine ReadMidiFileLine(const QByteArray& file, std::size_t part, std::size_t mostNotes)
{
    const std::vector<TrackChannel> parts = PartsOf(MidiParser(file, std::nullopt, 0).Parse());
    if (part >= parts.size())
        throw CImportError(ImportProblem::NoNotes);
    const MidiContents contents = MidiParser(file, parts[part], mostNotes).Parse();
    ScoreLine line;
    const double ticksPerQuarter = contents.division;
    for (const MidiNote& note : TopLine(contents.notes, contents.division, line.leftOut.belowTop))
        line.notes.push_back({note.start / ticksPerQuarter, (note.end - note.start) / ticksPerQuarter, note.pitch});
    line.end = contents.wantedEnd / ticksPerQuarter;
    line.fifths = contents.fifths.value;
    line.quarterBpm = contents.quarterBpm.value.value_or(kDefaultQuarterBpm);
    // A file of several tracks names the piece in its first.
    line.title = contents.trackNames.front();
    if (line.title.isEmpty())
        line.title = contents.trackNames[std::size_t(parts[part].first)];
    return line;
}
