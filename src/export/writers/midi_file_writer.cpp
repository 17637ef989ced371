// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/midi_file_writer.h"

#include "framework/ansi_code_page.h"

#include <QBuffer>

namespace {

constexpr int kTicksPerQuarter = 480;
// One playback tick is an eighth note.
constexpr int kTicksPerEighth = kTicksPerQuarter / 2;
constexpr quint32 kMicrosecondsPerMillisecond = 1000;
// Notes start and end with the velocity the program sends them with.
constexpr quint8 kVelocity = 127;
constexpr quint8 kNoteOn = 0x90;
constexpr quint8 kNoteOff = 0x80;
constexpr quint8 kProgramChange = 0xC0;
constexpr quint8 kMeta = 0xFF;
constexpr quint8 kMetaText = 0x01;
constexpr quint8 kMetaTrackName = 0x03;
constexpr quint8 kMetaTempo = 0x51;
constexpr quint8 kMetaTimeSignature = 0x58;
constexpr quint8 kMetaKeySignature = 0x59;
constexpr char kMajor = 0;
constexpr quint8 kMetaEndOfTrack = 0x2F;
constexpr quint8 kChannelMask = 0x0F;
constexpr quint8 kDataMask = 0x7F;
constexpr quint32 kHeaderLength = 6;
// The largest time four bytes of seven bits can carry.
constexpr quint32 kLongestDelta = 0x0FFFFFFF;

void AppendBigEndian(QByteArray& bytes, quint32 value, int size)
{
    for (int shift = 8 * (size - 1); shift >= 0; shift -= 8)
        bytes.append(char((value >> shift) & 0xFF));
}

// A number in seven-bit groups, the highest first, each but the last
// with its top bit set.
void AppendVariableLength(QByteArray& bytes, quint32 value)
{
    QByteArray groups(1, char(value & 0x7F));
    while ((value >>= 7) != 0)
        groups.prepend(char(0x80 | (value & 0x7F)));
    bytes.append(groups);
}

// The track goes to the device as it is written, a piece at a time; its
// length, which comes first, is filled in at the end.
class TrackWriter {
public:
    explicit TrackWriter(QIODevice& device) : m_device(device)
    {
        m_bytes.append("MTrk", 4);
        m_lengthAt = m_device.pos() + m_bytes.size();
        AppendBigEndian(m_bytes, 0, 4);
    }

    // Events come in time order; each is written with the time since the
    // one before. A file may carry at most four bytes of it, so a longer
    // silence is bridged by empty text events.
    void At(quint32 time)
    {
        quint32 delta = time - m_last;
        while (delta > kLongestDelta) {
            AppendVariableLength(m_bytes, kLongestDelta);
            m_bytes.append(char(kMeta)).append(char(kMetaText)).append(char(0));
            delta -= kLongestDelta;
        }
        AppendVariableLength(m_bytes, delta);
        m_last = time;
        if (m_bytes.size() >= kPieceSize)
            Flush();
    }
    void Event(quint32 time, quint8 status, quint8 data)
    {
        At(time);
        m_bytes.append(char(status)).append(char(data & kDataMask));
    }
    void Event(quint32 time, quint8 status, quint8 data1, quint8 data2)
    {
        Event(time, status, data1);
        m_bytes.append(char(data2 & kDataMask));
    }
    void Meta(quint32 time, quint8 type, const QByteArray& data)
    {
        At(time);
        m_bytes.append(char(kMeta)).append(char(type));
        AppendVariableLength(m_bytes, quint32(data.size()));
        m_bytes.append(data);
    }
    // Writes what is left and the track's length; false when the device failed.
    bool Finish()
    {
        Flush();
        const qint64 end = m_device.pos();
        QByteArray length;
        AppendBigEndian(length, quint32(end - m_lengthAt - kLengthSize), kLengthSize);
        return m_bWritten && m_device.seek(m_lengthAt) && m_device.write(length) == kLengthSize &&
               m_device.seek(end);
    }

private:
    static constexpr int kLengthSize = 4;
    static constexpr qsizetype kPieceSize = 64 * 1024;
    void Flush()
    {
        m_bWritten = m_bWritten && m_device.write(m_bytes) == m_bytes.size();
        m_bytes.clear();
    }

    QIODevice& m_device;
    QByteArray m_bytes;
    qint64 m_lengthAt = 0;
    quint32 m_last = 0;
    bool m_bWritten = true;
};

// The time signature: its beats, its beat note as a power of two, the MIDI
// clocks of a metronome click (a quarter, or in 6/8 a dotted quarter) and
// the 32nd notes of a quarter.
QByteArray TimeSignature(const Meter& meter)
{
    constexpr int kClocksPerQuarter = 24;
    constexpr int kClocksPerEighth = kClocksPerQuarter / 2;
    constexpr char kThirtySecondsPerQuarter = 8;
    const int beatTicks = meter.BeamTicks();
    QByteArray data;
    data.append(char(meter.beats));
    data.append(char(qCountTrailingZeroBits(quint32(meter.beatType))));
    data.append(char(beatTicks * kClocksPerEighth));
    data.append(kThirtySecondsPerQuarter);
    return data;
}

// The length of a quarter note as playback gives it: two ticks of whole
// milliseconds, so that the file lasts exactly as long as playback.
quint32 MicrosecondsPerQuarter(int tempo)
{
    return quint32(tempo / 2 * 2) * kMicrosecondsPerMillisecond;
}

} // namespace

bool WriteMidiFile(const ScoreMelody& melody, QIODevice& device, const Meter& meter)
{
    const quint8 channel = quint8(melody.channel) & kChannelMask;

    QByteArray header("MThd", 4);
    AppendBigEndian(header, kHeaderLength, 4);
    AppendBigEndian(header, 0, 2); // format 0: one track
    AppendBigEndian(header, 1, 2);
    AppendBigEndian(header, kTicksPerQuarter, 2);
    if (device.write(header) != header.size())
        return false;

    TrackWriter track(device);
    if (!melody.title.isEmpty())
        track.Meta(0, kMetaTrackName, AfxToAnsi(melody.title));
    QByteArray tempo;
    AppendBigEndian(tempo, MicrosecondsPerQuarter(melody.beatMs), 3);
    track.Meta(0, kMetaTempo, tempo);
    if (!meter.IsNone())
        track.Meta(0, kMetaTimeSignature, TimeSignature(meter));
    // The chromatic key has no key signature.
    if (const std::optional<int> fifths = KeyFifths(melody.key))
        track.Meta(0, kMetaKeySignature, QByteArray(1, char(*fifths)).append(kMajor));
    track.Event(0, kProgramChange | channel, quint8(melody.program));

    // A note ends where the next begins, so the notes join without a gap.
    quint32 time = 0;
    for (const ExportNote& note : melody.notes) {
        const quint32 end = time + quint32(note.ticks * kTicksPerEighth);
        if (!note.IsRest()) {
            track.Event(time, kNoteOn | channel, quint8(note.pitch), kVelocity);
            track.Event(end, kNoteOff | channel, quint8(note.pitch), kVelocity);
        }
        time = end;
    }
    track.Meta(time, kMetaEndOfTrack, QByteArray());
    return track.Finish();
}

QByteArray MelodyToMidiFile(const ScoreMelody& melody, const Meter& meter)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteMidiFile(melody, buffer, meter);
    return buffer.data();
}
