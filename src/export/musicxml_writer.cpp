// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A melody has no meter, so the score has none: its time signature is
// "senza-misura" and hidden, and every note stands in a measure of its own
// whose barline is invisible. A single measure would hold the whole melody
// in one unbreakable line; measures of a meter would split and tie the
// notes. Measures of one note each keep every value as written, let a
// notation program break the lines anywhere, and show no barline but the
// final one. A musician reads on across those unseen barlines, so the
// signs are written as the staff shows them (export/score_accidentals.h).
#include "export/musicxml_writer.h"

#include "doc/voldrim_doc.h"
#include "export/melody_notes.h"
#include "export/score_accidentals.h"
#include "res/program_version.h"
#include "sound/tempo_table.h"

#include <QBuffer>
#include <QXmlStreamWriter>

#include <algorithm>

namespace {

// Every duration counts eighth notes, the playback tick.
constexpr int kDivisionsPerQuarter = 2;
// The rest that fills the measure of an empty melody: readers reject a
// measure with no note, or stop at a part with no voice.
constexpr int kMeasureRestTicks = NoteWhole;
constexpr const char* kPartId = "P1";
constexpr const char* kInstrumentId = "P1-I1";
constexpr const char* kPartName = "Violoncello";
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

class ScoreWriter {
public:
    ScoreWriter(const CVoldrimDoc& doc, QIODevice* out) : m_doc(doc), m_xml(out)
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
        if (!m_doc.m_strMelodyTitle.isEmpty()) {
            Start("work");
            Text("work-title", m_doc.m_strMelodyTitle);
            End();
        }
        Start("identification");
        if (!m_doc.m_strMelodyComposer.isEmpty()) {
            Start("creator");
            Attribute("type", QStringLiteral("composer"));
            m_xml.writeCharacters(m_doc.m_strMelodyComposer);
            End();
        }
        Start("encoding");
        Text("software", QStringLiteral("Voldrim ") + QLatin1String(ProgramVersion()));
        End();
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
        const std::vector<ExportNote> notes = ExportNotes(m_doc.m_melody);
        // An empty melody is one measure of rest with the clef, key and tempo.
        const std::size_t measures = std::max<std::size_t>(notes.size(), 1);
        for (std::size_t i = 0; i < measures; ++i) {
            Start("measure");
            Attribute("number", QString::number(i + 1));
            // Measure numbers would count notes, not bars: none is shown.
            Attribute("implicit", QStringLiteral("yes"));
            if (i == 0) {
                WriteAttributes();
                WriteTempo();
            }
            if (i < notes.size())
                WriteNote(notes[i]);
            else
                WriteMeasureRest();
            WriteBarline(i + 1 == measures);
            End();
        }
        End();
    }

    void WriteAttributes()
    {
        Start("attributes");
        Number("divisions", kDivisionsPerQuarter);
        if (const std::optional<int> fifths = KeyFifths(m_doc.m_nKey)) {
            Start("key");
            Number("fifths", *fifths);
            Text("mode", QStringLiteral("major"));
            End();
        }
        Start("time");
        Attribute("print-object", QStringLiteral("no"));
        m_xml.writeEmptyElement(QStringLiteral("senza-misura"));
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
        const int perMinute = TempoBpmOf(m_doc.m_nTempo);
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

    void WriteNote(const ExportNote& note)
    {
        const NoteType type = TypeOfTicks(note.ticks);
        Start("note");
        std::optional<StaffSpelling> spelling;
        if (!note.IsRest())
            spelling = StaffSpellingOf(note.pitch, m_doc.m_nKey);
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
        Number("voice", 1);
        Text("type", QLatin1String(type.name));
        if (type.dotted)
            m_xml.writeEmptyElement(QStringLiteral("dot"));
        if (spelling) {
            if (const std::optional<ScoreAccidental> sign = m_accidentals.Next(*spelling))
                WriteAccidental(*sign);
        }
        End();
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
        Number("duration", kMeasureRestTicks);
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

    const CVoldrimDoc& m_doc;
    QXmlStreamWriter m_xml;
    ScoreAccidentals m_accidentals;
};

} // namespace

bool WriteMusicXml(const CVoldrimDoc& doc, QIODevice& device)
{
    return ScoreWriter(doc, &device).Write();
}

QByteArray MelodyToMusicXml(const CVoldrimDoc& doc)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteMusicXml(doc, buffer);
    return buffer.data();
}
