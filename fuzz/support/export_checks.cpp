// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/export_checks.h"

#include "model/note_value.h"
#include "model/pitch.h"
#include "model/staff_position_table.h"

#include <QXmlStreamReader>

#include <array>

namespace {

// A playback tick is an eighth note: half of what both formats count a quarter in.
constexpr std::uint64_t kTicksPerQuarter = 2;

// The Standard MIDI File.
constexpr std::size_t kChunkTypeSize = 4;
constexpr int kChunkLengthSize = 4;
constexpr int kHeaderFieldSize = 2;
constexpr std::uint32_t kOneTrackFormat = 0;
constexpr std::uint32_t kTimecodeDivision = 0x8000;
constexpr int kLongestVariableLength = 4;
constexpr std::uint8_t kHighBit = 0x80;
constexpr std::uint8_t kLowSevenBits = 0x7F;
constexpr std::uint8_t kKindMask = 0xF0;
constexpr std::uint8_t kChannelMask = 0x0F;
constexpr std::uint8_t kNoteOff = 0x80;
constexpr std::uint8_t kNoteOn = 0x90;
constexpr std::uint8_t kProgramChange = 0xC0;
constexpr std::uint8_t kChannelPressure = 0xD0;
constexpr std::uint8_t kSystem = 0xF0;
constexpr std::uint8_t kSysEx = 0xF0;
constexpr std::uint8_t kSysExContinued = 0xF7;
constexpr std::uint8_t kMeta = 0xFF;
constexpr std::uint8_t kEndOfTrack = 0x2F;
constexpr std::size_t kChannels = 16;
constexpr std::size_t kMidiNotes = 128;

// What is wrong, thrown from deep in a reader to the function that says it.
struct Fault {
    std::string what;
};

[[noreturn]] void Fail(std::string what)
{
    throw Fault{std::move(what)};
}

// A stretch of the file's bytes, read from the front.
class Bytes {
public:
    Bytes(const QByteArray& data, std::size_t begin, std::size_t end) : m_data(data), m_pos(begin), m_end(end) {}

    bool AtEnd() const { return m_pos == m_end; }

    std::uint8_t Byte(const char* shortOf)
    {
        if (m_pos == m_end)
            Fail(shortOf);
        return std::uint8_t(m_data[qsizetype(m_pos++)]);
    }

    std::uint32_t BigEndian(int size, const char* shortOf)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < size; ++i)
            value = value << 8 | Byte(shortOf);
        return value;
    }

    // Seven bits a byte, the highest first; every byte but the last has its top bit set.
    std::uint32_t VariableLength(const char* shortOf)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < kLongestVariableLength; ++i) {
            const std::uint8_t byte = Byte(shortOf);
            value = value << 7 | (byte & kLowSevenBits);
            if (!(byte & kHighBit))
                return value;
        }
        Fail("a variable-length number of more than four bytes");
    }

    // The next count bytes as a stretch of their own.
    Bytes Take(std::uint64_t count, const char* shortOf)
    {
        if (count > m_end - m_pos)
            Fail(shortOf);
        const Bytes taken(m_data, m_pos, m_pos + std::size_t(count));
        m_pos += std::size_t(count);
        return taken;
    }

    std::string Text(std::size_t count, const char* shortOf)
    {
        std::string text;
        for (std::size_t i = 0; i < count; ++i)
            text += char(Byte(shortOf));
        return text;
    }

private:
    const QByteArray& m_data;
    std::size_t m_pos;
    std::size_t m_end;
};

struct Chunk {
    std::string type;
    Bytes body;
};

Chunk NextChunk(Bytes& file)
{
    std::string type = file.Text(kChunkTypeSize, "a chunk header cut short");
    const std::uint32_t length = file.BigEndian(kChunkLengthSize, "a chunk header cut short");
    return {std::move(type), file.Take(length, "a chunk longer than the file")};
}

struct TrackReadout {
    std::size_t noteOns = 0;
    std::uint64_t endTime = 0;
};

// The data bytes a channel message of this status carries.
int DataBytesOf(std::uint8_t status)
{
    const std::uint8_t kind = status & kKindMask;
    return kind == kProgramChange || kind == kChannelPressure ? 1 : 2;
}

class TrackReader {
public:
    explicit TrackReader(Bytes track) : m_track(track) {}

    TrackReadout Read()
    {
        while (!m_track.AtEnd()) {
            if (m_ended)
                Fail("an event after the end of the track");
            m_readout.endTime += m_track.VariableLength("a delta time cut short");
            Event(m_track.Byte("an event cut short"));
        }
        if (!m_ended)
            Fail("the track does not end with End of Track");
        for (int count : m_sounding) {
            if (count != 0)
                Fail("a note still sounds at the end of the track");
        }
        return m_readout;
    }

private:
    void Event(std::uint8_t first)
    {
        if (first == kMeta) {
            const std::uint8_t type = m_track.Byte("a meta event cut short");
            const std::uint32_t length = m_track.VariableLength("a meta event cut short");
            m_track.Take(length, "a meta event longer than its track");
            m_ended = type == kEndOfTrack;
            m_running = 0;
        } else if (first == kSysEx || first == kSysExContinued) {
            m_track.Take(m_track.VariableLength("a system exclusive event cut short"),
                         "a system exclusive event longer than its track");
            m_running = 0;
        } else if (first >= kSystem) {
            Fail("a system message, which a file may not hold");
        } else {
            ChannelMessage(first);
        }
    }

    // A channel message, or its data alone under the status before it.
    void ChannelMessage(std::uint8_t first)
    {
        const bool runs = !(first & kHighBit);
        if (runs && !m_running)
            Fail("data with no status before it");
        const std::uint8_t status = runs ? m_running : first;
        m_running = status;
        std::array<std::uint8_t, 2> data{};
        int filled = 0;
        if (runs)
            data[filled++] = first;
        for (; filled < DataBytesOf(status); ++filled) {
            data[std::size_t(filled)] = m_track.Byte("a channel message cut short");
            if (data[std::size_t(filled)] & kHighBit)
                Fail("a data byte above 127");
        }
        const std::uint8_t kind = status & kKindMask;
        if (kind != kNoteOn && kind != kNoteOff)
            return;
        int& sounding = m_sounding[(status & kChannelMask) * kMidiNotes + data[0]];
        // A note-on of velocity 0 ends the note.
        if (kind == kNoteOn && data[1] != 0) {
            ++sounding;
            ++m_readout.noteOns;
        } else if (sounding == 0) {
            Fail("a note ends that does not sound");
        } else {
            --sounding;
        }
    }

    Bytes m_track;
    TrackReadout m_readout;
    std::uint8_t m_running = 0;
    bool m_ended = false;
    std::array<int, kChannels * kMidiNotes> m_sounding{};
};

struct MidiReadout {
    TrackReadout track;
    std::uint32_t division = 0;
};

MidiReadout ReadMidiFile(const QByteArray& midi)
{
    Bytes file(midi, 0, std::size_t(midi.size()));
    Chunk header = NextChunk(file);
    if (header.type != "MThd")
        Fail("no header chunk first");
    const std::uint32_t format = header.body.BigEndian(kHeaderFieldSize, "a header chunk cut short");
    const std::uint32_t tracks = header.body.BigEndian(kHeaderFieldSize, "a header chunk cut short");
    MidiReadout readout;
    readout.division = header.body.BigEndian(kHeaderFieldSize, "a header chunk cut short");
    if (!header.body.AtEnd())
        Fail("a header chunk longer than its fields");
    if (format != kOneTrackFormat || tracks != 1)
        Fail("not a file of one track in format 0");
    if (readout.division == 0 || readout.division & kTimecodeDivision)
        Fail("a division that is no number of ticks a quarter note");
    std::uint32_t trackChunks = 0;
    while (!file.AtEnd()) {
        Chunk chunk = NextChunk(file);
        // Readers skip chunks of types they do not know.
        if (chunk.type == "MTrk") {
            readout.track = TrackReader(chunk.body).Read();
            ++trackChunks;
        }
    }
    if (trackChunks != tracks)
        Fail("another number of tracks than the header says");
    return readout;
}

struct ScoreReadout {
    std::size_t notes = 0;        // <note> elements
    std::size_t rests = 0;        // of them with a <rest>
    std::size_t measureRests = 0; // of them with a <rest measure="yes">
    std::uint64_t duration = 0;   // of them all, in divisions
    std::uint64_t divisions = 0;
};

std::uint64_t NumberIn(QXmlStreamReader& reader)
{
    bool ok = false;
    const std::uint64_t number = reader.readElementText().toULongLong(&ok);
    if (!ok)
        Fail("<" + reader.name().toString().toStdString() + "> holds no number");
    return number;
}

ScoreReadout ReadScore(const QByteArray& xml)
{
    QXmlStreamReader reader(xml);
    ScoreReadout readout;
    bool inNote = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement() && reader.name() == QLatin1String("note"))
            inNote = false;
        if (!reader.isStartElement())
            continue;
        const QStringView name = reader.name();
        if (name == QLatin1String("note")) {
            inNote = true;
            ++readout.notes;
        } else if (name == QLatin1String("divisions")) {
            readout.divisions = NumberIn(reader);
        } else if (inNote && name == QLatin1String("rest")) {
            ++(reader.attributes().value(QLatin1String("measure")) == QLatin1String("yes") ? readout.measureRests
                                                                                          : readout.rests);
        } else if (inNote && name == QLatin1String("duration")) {
            readout.duration += NumberIn(reader);
        }
    }
    if (reader.hasError())
        Fail("not well-formed XML at line " + std::to_string(reader.lineNumber()) + ": " +
             reader.errorString().toStdString());
    return readout;
}

void CheckScore(const ScoreReadout& score, const ShownMelody& melody)
{
    if (melody.notes + melody.rests == 0) {
        if (score.notes != 1 || score.measureRests != 1)
            Fail("an empty melody is not one rest filling its measure");
        return;
    }
    if (score.measureRests != 0)
        Fail("a melody with notes has a measure rest");
    if (score.rests != melody.rests)
        Fail("another number of rests than the staff shows");
    if (score.notes - score.rests != melody.notes)
        Fail("another number of notes than the staff shows");
    if (score.duration * kTicksPerQuarter != melody.ticks * score.divisions)
        Fail("the notes do not last as long as playback gives them");
}

void CheckMidi(const MidiReadout& midi, const ShownMelody& melody)
{
    if (midi.track.noteOns != melody.notes)
        Fail("another number of notes than the staff shows");
    if (midi.track.endTime * kTicksPerQuarter != melody.ticks * midi.division)
        Fail("the track does not end when the melody does");
}

template <class Read>
std::string FaultOf(Read read)
{
    try {
        read();
        return {};
    } catch (const Fault& fault) {
        return fault.what;
    }
}

} // namespace

ShownMelody ShownMelodyOf(const CObjectList<CNoteSeries>& melody)
{
    ShownMelody shown;
    for (const auto& record : melody) {
        const int pitch = record->GetPitch();
        if (!StaffShowsPitch(pitch))
            continue;
        ++(pitch == kRestPitch ? shown.rests : shown.notes);
        shown.ticks += std::uint64_t(PlaybackTicks(pitch, record->GetValue()));
    }
    return shown;
}

std::string MusicXmlFault(const QByteArray& xml, const ShownMelody& melody)
{
    return FaultOf([&] { CheckScore(ReadScore(xml), melody); });
}

std::string MidiFileFault(const QByteArray& midi, const ShownMelody& melody)
{
    return FaultOf([&] { CheckMidi(ReadMidiFile(midi), melody); });
}
