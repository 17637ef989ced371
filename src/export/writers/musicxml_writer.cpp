// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A melody has no meter, so unless the user chooses one the score has
// none: its time signature is "senza-misura" and hidden, and every note
// stands in a measure of its own whose barline is invisible. A single
// measure would hold the whole melody in one unbreakable line. Measures of
// one note each keep every value as written, let a notation program break
// the lines anywhere, and show no barline but the final one. A musician
// reads on across those unseen barlines, so the signs are written as the
// staff shows them (export/score_accidentals.h). With a meter the bars are
// real, notes are split and tied at them (export/score_measures.h), and a
// sign holds to the barline, as notation reads.
#include "export/musicxml_writer.h"

#include "export/score_accidentals.h"
#include "export/score_measures.h"
#include "model/note_value.h"
#include "framework/program_version.h"

#include <QBuffer>
#include <QXmlStreamWriter>

#include <algorithm>

namespace {

// Every duration counts eighth notes, the playback tick.
constexpr int kDivisionsPerQuarter = 2;
// The rest that fills the measure of an empty melody without a meter:
// readers reject a measure with no note, or stop at a part with no voice.
constexpr int kMeasureRestTicks = NoteWhole;
constexpr const char* kPartId = "P1";
constexpr const char* kInstrumentId = "P1-I1";
constexpr const char* kPartName = "Violoncello";
constexpr const char* kChromaticField = "voldrim-key";
constexpr const char* kChromaticValue = "chromatic";
// General MIDI's cello, counted from 1 as MusicXML counts programs.
constexpr int kCelloProgram = 43;

struct NoteType {
    const char* name;
    bool dotted;
};

NoteType TypeOfTicks(int ticks)
{
    switch (ticks) {
    case NoteEighth: return {"eighth", false};
    case NoteDottedQuarter: return {"quarter", true};
    case NoteHalf: return {"half", false};
    case NoteDottedHalf: return {"half", true};
    case NoteWhole: return {"whole", false};
    default: return {"quarter", false};
    }
}

const char* AccidentalName(int alter)
{
    return alter > 0 ? "sharp" : alter < 0 ? "flat" : "natural";
}

const char* BeamName(BeamPart beam)
{
    switch (beam) {
    case BeamPart::Begin: return "begin";
    case BeamPart::Continue: return "continue";
    case BeamPart::End: return "end";
    case BeamPart::None: break;
    }
    return "";
}

class ScoreWriter {
public:
    ScoreWriter(const ScoreMelody& melody, const Meter& meter, QIODevice* out) : m_melody(melody), m_meter(meter), m_xml(out)
    {
        m_xml.setAutoFormatting(true);
    }

    // False when the device failed.
    bool Write()
    {
        m_xml.writeStartDocument();
        m_xml.writeDTD(QStringLiteral("<!DOCTYPE score-partwise PUBLIC \"-//Recordare//DTD MusicXML 4.0 "
                                      "Partwise//EN\" \"http://www.musicxml.org/dtds/partwise.dtd\">"));
        m_xml.writeStartElement(QStringLiteral("score-partwise"));
        m_xml.writeAttribute(QStringLiteral("version"), QStringLiteral("4.0"));
        WriteHeader();
        WritePart();
        m_xml.writeEndElement();
        m_xml.writeEndDocument();
        return !m_xml.hasError();
    }

private:
    void Text(const char* element, const QString& text) { m_xml.writeTextElement(QLatin1String(element), text); }
    void Number(const char* element, int number) { Text(element, QString::number(number)); }
    void Start(const char* element) { m_xml.writeStartElement(QLatin1String(element)); }
    void Attribute(const char* name, const QString& value) { m_xml.writeAttribute(QLatin1String(name), value); }
    void End() { m_xml.writeEndElement(); }

    void WriteHeader()
    {
        if (!m_melody.title.isEmpty()) {
            Start("work");
            Text("work-title", m_melody.title);
            End();
        }
        Start("identification");
        if (!m_melody.composer.isEmpty()) {
            Start("creator");
            Attribute("type", QStringLiteral("composer"));
            m_xml.writeCharacters(m_melody.composer);
            End();
        }
        Start("encoding");
        Text("software", QStringLiteral("Voldrim ") + QLatin1String(ProgramVersion()));
        End();
        // No key signature says "chromatic": this field tells an import of
        // the file that it is not C major.
        if (!KeyFifths(m_melody.key)) {
            Start("miscellaneous");
            Start("miscellaneous-field");
            Attribute("name", QLatin1String(kChromaticField));
            m_xml.writeCharacters(QLatin1String(kChromaticValue));
            End();
            End();
        }
        End();

        Start("part-list");
        Start("score-part");
        Attribute("id", QLatin1String(kPartId));
        Text("part-name", QLatin1String(kPartName));
        Start("score-instrument");
        Attribute("id", QLatin1String(kInstrumentId));
        Text("instrument-name", QLatin1String(kPartName));
        Text("instrument-sound", QStringLiteral("strings.cello"));
        End();
        Start("midi-instrument");
        Attribute("id", QLatin1String(kInstrumentId));
        Number("midi-program", kCelloProgram);
        End();
        End();
        End();
    }

    void WritePart()
    {
        Start("part");
        Attribute("id", QLatin1String(kPartId));
        const std::vector<ScoreMeasure> measures = ScoreMeasures(m_melody.notes, m_meter);
        // An empty melody is one measure of rest with the clef, key and tempo.
        const std::size_t count = std::max<std::size_t>(measures.size(), 1);
        for (std::size_t i = 0; i < count; ++i) {
            Start("measure");
            Attribute("number", QString::number(i + 1));
            // Without a meter, measure numbers would count notes, not bars:
            // none is shown.
            if (m_meter.IsNone())
                Attribute("implicit", QStringLiteral("yes"));
            if (i == 0) {
                WriteAttributes();
                WriteTempo();
            } else if (!m_meter.IsNone()) {
                m_accidentals.StartMeasure();
            }
            if (i < measures.size())
                WriteMeasure(measures[i]);
            else
                WriteMeasureRest();
            if (m_meter.IsNone() || i + 1 == count)
                WriteBarline(i + 1 == count);
            End();
        }
        End();
    }
    void WriteMeasure(const ScoreMeasure& measure)
    {
        for (const ScorePiece& piece : measure.pieces)
            WriteNote(piece);
        // A short last bar ends in silence that no rest of the melody's fills.
        if (measure.unfilledTicks > 0) {
            Start("forward");
            Number("duration", measure.unfilledTicks);
            End();
        }
    }

    void WriteAttributes()
    {
        Start("attributes");
        Number("divisions", kDivisionsPerQuarter);
        if (const std::optional<int> fifths = KeyFifths(m_melody.key)) {
            Start("key");
            Number("fifths", *fifths);
            Text("mode", QStringLiteral("major"));
            End();
        }
        Start("time");
        if (m_meter.IsNone()) {
            Attribute("print-object", QStringLiteral("no"));
            m_xml.writeEmptyElement(QStringLiteral("senza-misura"));
        } else {
            Number("beats", m_meter.beats);
            Number("beat-type", m_meter.beatType);
        }
        End();
        Start("clef");
        Text("sign", QStringLiteral("F"));
        Number("line", 4);
        End();
        End();
    }

    // The figure the tempo dialog shows, played as it is shown.
    void WriteTempo()
    {
        const int perMinute = m_melody.beatsPerMinute;
        Start("direction");
        Attribute("placement", QStringLiteral("above"));
        Start("direction-type");
        Start("metronome");
        Text("beat-unit", QStringLiteral("quarter"));
        Number("per-minute", perMinute);
        End();
        End();
        m_xml.writeEmptyElement(QStringLiteral("sound"));
        Attribute("tempo", QString::number(perMinute));
        End();
    }

    void WriteNote(const ScorePiece& note)
    {
        const NoteType type = TypeOfTicks(note.ticks);
        Start("note");
        std::optional<StaffSpelling> spelling;
        if (!note.IsRest())
            spelling = StaffSpellingOf(note.pitch, m_melody.key);
        if (spelling) {
            Start("pitch");
            Text("step", QString(QLatin1Char(spelling->step)));
            if (spelling->alter != 0)
                Number("alter", spelling->alter);
            Number("octave", spelling->octave);
            End();
        } else {
            m_xml.writeEmptyElement(QStringLiteral("rest"));
        }
        Number("duration", note.ticks);
        WriteTies("tie", note);
        Number("voice", 1);
        Text("type", QLatin1String(type.name));
        if (type.dotted)
            m_xml.writeEmptyElement(QStringLiteral("dot"));
        // The note a tie carries on needs no sign of its own.
        if (spelling && !note.tiedFromBefore) {
            if (const std::optional<ScoreAccidental> sign = m_accidentals.Next(*spelling))
                WriteAccidental(*sign);
        }
        if (note.beam != BeamPart::None) {
            Start("beam");
            Attribute("number", QStringLiteral("1"));
            m_xml.writeCharacters(QLatin1String(BeamName(note.beam)));
            End();
        }
        if (note.tiedFromBefore || note.tiedToNext) {
            Start("notations");
            WriteTies("tied", note);
            End();
        }
        End();
    }
    // The tie that sounds ("tie") or the one that is drawn ("tied").
    void WriteTies(const char* element, const ScorePiece& note)
    {
        for (const auto& [tied, type] : {std::pair{note.tiedFromBefore, "stop"}, std::pair{note.tiedToNext, "start"}}) {
            if (tied) {
                m_xml.writeEmptyElement(QLatin1String(element));
                Attribute("type", QLatin1String(type));
            }
        }
    }

    void WriteAccidental(const ScoreAccidental& sign)
    {
        Start("accidental");
        // A reminder is what readers drop unless it is marked cautionary;
        // the staff shows it as a plain sign, without parentheses.
        if (sign.reminder) {
            Attribute("cautionary", QStringLiteral("yes"));
            Attribute("parentheses", QStringLiteral("no"));
        }
        m_xml.writeCharacters(QLatin1String(AccidentalName(sign.alter)));
        End();
    }

    void WriteMeasureRest()
    {
        Start("note");
        m_xml.writeEmptyElement(QStringLiteral("rest"));
        Attribute("measure", QStringLiteral("yes"));
        Number("duration", m_meter.IsNone() ? kMeasureRestTicks : m_meter.BarTicks());
        Number("voice", 1);
        End();
    }

    void WriteBarline(bool last)
    {
        Start("barline");
        Attribute("location", QStringLiteral("right"));
        Text("bar-style", last ? QStringLiteral("light-heavy") : QStringLiteral("none"));
        End();
    }

    const ScoreMelody& m_melody;
    const Meter m_meter;
    QXmlStreamWriter m_xml;
    ScoreAccidentals m_accidentals;
};

} // namespace

bool WriteMusicXml(const ScoreMelody& melody, QIODevice& device, const Meter& meter)
{
    return ScoreWriter(melody, meter, &device).Write();
}

QByteArray MelodyToMusicXml(const ScoreMelody& melody, const Meter& meter)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteMusicXml(melody, buffer, meter);
    return buffer.data();
}
