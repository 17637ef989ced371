// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/musicxml_reader.h"

#include "import/import_error.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

namespace {

// MusicXML nests about ten deep; a file nested far deeper is made to
// exhaust the reader, not to hold a score.
constexpr int kDeepestNesting = 40;
// Of a text only this much is kept: titles are cut to 30 characters and
// numbers are short.
constexpr qsizetype kLongestText = 1024;
// A duration, a division or a tempo past this is no music.
constexpr double kLargestNumber = 1e9;
constexpr int kLowestOctave = 0;
constexpr int kHighestOctave = 9;
// Double sharps and flats; a quarter tone rounds to its neighbour.
constexpr double kLargestAlter = 2.5;
constexpr int kSemitonesPerOctave = 12;
// MIDI note 0 is C in octave -1.
constexpr int kOctaveOfNoteZero = -1;
constexpr int kNoStep = -1;
constexpr double kDotted = 1.5;
// A note without a voice is in voice 1.
const QString kFirstVoice = QStringLiteral("1");

bool Is(QStringView name, const char* text)
{
    return name == QLatin1String(text);
}

int StepSemitones(const QString& step)
{
    static const char kSteps[] = "C D EF G A B";
    if (step.size() != 1 || step[0] == QLatin1Char(' '))
        return kNoStep;
    const char* at = std::strchr(kSteps, step[0].toLatin1());
    return at && *at ? int(at - kSteps) : kNoStep;
}

// A beat unit in quarter notes; 0 for one that is none.
double QuartersOfUnit(const QString& unit)
{
    static const struct {
        const char* name;
        double quarters;
    } kUnits[] = {{"whole", 4}, {"half", 2}, {"quarter", 1}, {"eighth", 0.5}, {"16th", 0.25}};
    for (const auto& entry : kUnits) {
        if (unit == QLatin1String(entry.name))
            return entry.quarters;
    }
    return 0;
}

// One note element as read, before it is placed in the line.
struct NoteElement {
    bool chord = false;
    bool grace = false;
    bool cue = false;
    bool rest = false;
    bool unpitched = false;
    std::optional<int> pitch;
    double duration = 0; // in divisions
    QString voice;
    bool tieStart = false;
    bool tieStop = false;
};

// The notes of a chord, gathered until the chord is complete.
struct ChordUnderWay {
    double start = 0;
    double length = 0;
    int pitch = kRestPitch; // the top note
    bool tieStart = false;
    bool tieStop = false;
    int notes = 0;
};

class MusicXmlReader {
public:
    MusicXmlReader(const QByteArray& score, std::size_t part, std::size_t mostNotes)
        : m_xml(score), m_part(part), m_mostNotes(mostNotes)
    {
    }

    PartNames ReadParts()
    {
        ReadScore(true);
        if (m_partIds.empty())
            throw CImportError(ImportProblem::NoNotes);
        return m_partNames;
    }

    ScoreLine ReadLine()
    {
        ReadScore(false);
        if (m_bMarkedChromatic && !m_line.fifths)
            m_line.fifths = kOtherKeySignature;
        m_line.title = m_workTitle.isEmpty() ? m_movementTitle : m_workTitle;
        return std::move(m_line);
    }

private:
    // The next token; throws for what no score holds.
    void Pump()
    {
        switch (m_xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++m_depth > kDeepestNesting)
                throw CImportError(ImportProblem::XmlFeatures);
            break;
        case QXmlStreamReader::EndElement:
            --m_depth;
            break;
        case QXmlStreamReader::DTD:
            // An entity may expand to more than any file holds, or reach
            // outside the file.
            if (!m_xml.entityDeclarations().isEmpty() || m_xml.text().contains(QLatin1String("<!ENTITY")))
                throw CImportError(ImportProblem::XmlFeatures);
            break;
        case QXmlStreamReader::EntityReference:
            throw CImportError(ImportProblem::XmlFeatures);
        case QXmlStreamReader::Invalid:
        case QXmlStreamReader::EndDocument:
            throw CImportError(m_bRootSeen ? ImportProblem::Damaged : ImportProblem::NotMusicXml);
        default:
            break;
        }
    }

    // Reads the children of the element just started, handing each child's
    // start to onChild, which reads the child to its end; returns at the
    // element's end, or when onChild returns false.
    void ForEachChild(const std::function<bool(QStringView)>& onChild)
    {
        const int depth = m_depth;
        for (;;) {
            Pump();
            if (m_xml.isStartElement()) {
                if (!onChild(m_xml.name()))
                    return;
            } else if (m_xml.isEndElement() && m_depth < depth) {
                return;
            }
        }
    }

    // Passes over the element just started; a tempo inside it still counts,
    // whichever part it is in.
    void Skip()
    {
        const QStringView name = m_xml.name();
        if (Is(name, "metronome")) {
            ReadMetronome();
            return;
        }
        if (Is(name, "sound"))
            TakeSoundTempo();
        ForEachChild([this](QStringView) {
            Skip();
            return true;
        });
    }

    QString ReadText()
    {
        QString text;
        const int depth = m_depth;
        for (;;) {
            Pump();
            if (m_xml.isCharacters() && text.size() < kLongestText)
                text += m_xml.text().left(kLongestText - text.size());
            else if (m_xml.isStartElement())
                Skip();
            else if (m_xml.isEndElement() && m_depth < depth)
                return text.simplified();
        }
    }

    double ReadNumber(double lowest, double highest)
    {
        bool ok = false;
        const double number = ReadText().toDouble(&ok);
        if (!ok || !std::isfinite(number) || number < lowest || number > highest)
            throw CImportError(ImportProblem::Damaged);
        return number;
    }

    QString Attribute(const char* name) const { return m_xml.attributes().value(QLatin1String(name)).toString(); }

    void ReadScore(bool partsOnly)
    {
        do {
            Pump();
        } while (!m_xml.isStartElement());
        const bool timewise = Is(m_xml.name(), "score-timewise");
        if (!timewise && !Is(m_xml.name(), "score-partwise"))
            throw CImportError(ImportProblem::NotMusicXml);
        m_bRootSeen = true;
        ForEachChild([&](QStringView name) {
            if (Is(name, "part-list")) {
                ReadPartList();
                return !partsOnly;
            }
            if (Is(name, "work"))
                ReadWork();
            else if (Is(name, "movement-title"))
                m_movementTitle = ReadText();
            else if (Is(name, "identification"))
                ReadIdentification();
            else if (!timewise && Is(name, "part"))
                ReadPartwisePart();
            else if (timewise && Is(name, "measure"))
                ReadTimewiseMeasure();
            else
                Skip();
            return true;
        });
    }

    void ReadWork()
    {
        ForEachChild([this](QStringView name) {
            if (Is(name, "work-title"))
                m_workTitle = ReadText();
            else
                Skip();
            return true;
        });
    }

    void ReadIdentification()
    {
        ForEachChild([this](QStringView name) {
            if (Is(name, "creator") && Attribute("type") == QLatin1String("composer") && m_line.composer.isEmpty())
                m_line.composer = ReadText();
            else if (Is(name, "miscellaneous"))
                ReadMiscellaneous();
            else
                Skip();
            return true;
        });
    }

    // Voldrim marks a chromatic melody, which has no key signature.
    void ReadMiscellaneous()
    {
        ForEachChild([this](QStringView name) {
            if (Is(name, "miscellaneous-field") && Attribute("name") == QLatin1String("voldrim-key"))
                m_bMarkedChromatic = ReadText() == QLatin1String("chromatic");
            else
                Skip();
            return true;
        });
    }

    void ReadPartList()
    {
        ForEachChild([this](QStringView name) {
            if (!Is(name, "score-part")) {
                Skip();
                return true;
            }
            if (m_partIds.size() >= kMostImportParts)
                throw CImportError(ImportProblem::TooManyParts);
            m_partIds.push_back(Attribute("id"));
            QString partName;
            ForEachChild([&](QStringView child) {
                if (Is(child, "part-name") && partName.isEmpty())
                    partName = ReadText();
                else
                    Skip();
                return true;
            });
            if (partName.isEmpty())
                partName = QStringLiteral("Part %1").arg(m_partIds.size());
            m_partNames.push_back(partName);
            return true;
        });
    }

    bool IsChosenPart() const { return m_part < m_partIds.size() && Attribute("id") == m_partIds[m_part]; }

    void ReadPartwisePart()
    {
        if (!IsChosenPart()) {
            Skip();
            return;
        }
        ForEachChild([this](QStringView name) {
            if (Is(name, "measure"))
                ReadMeasureContent();
            else
                Skip();
            return true;
        });
    }

    void ReadTimewiseMeasure()
    {
        ForEachChild([this](QStringView name) {
            if (Is(name, "part") && IsChosenPart())
                ReadMeasureContent();
            else
                Skip();
            return true;
        });
    }

    // The notes, backups and forwards of one measure of the chosen part.
    void ReadMeasureContent()
    {
        m_position = 0;
        m_measureLength = 0;
        ForEachChild([this](QStringView name) {
            if (Is(name, "note")) {
                ReadNote();
            } else if (Is(name, "backup") || Is(name, "forward")) {
                const double sign = Is(name, "backup") ? -1 : 1;
                Move(sign * ReadDurationOf());
            } else if (Is(name, "attributes")) {
                ReadAttributes();
            } else {
                Skip();
            }
            return true;
        });
        FinishChord();
        m_measureStart += m_measureLength;
    }

    double ReadDurationOf()
    {
        double duration = 0;
        ForEachChild([&](QStringView name) {
            if (Is(name, "duration"))
                duration = ReadNumber(0, kLargestNumber) / m_divisions;
            else
                Skip();
            return true;
        });
        return duration;
    }

    void Move(double quarters)
    {
        FinishChord();
        m_position = std::max(0.0, m_position + quarters);
        m_measureLength = std::max(m_measureLength, m_position);
    }

    void ReadAttributes()
    {
        ForEachChild([this](QStringView name) {
            if (Is(name, "divisions"))
                m_divisions = ReadNumber(1 / kLargestNumber, kLargestNumber);
            else if (Is(name, "key"))
                ReadKey();
            else
                Skip();
            return true;
        });
    }

    void ReadKey()
    {
        std::optional<int> fifths;
        ForEachChild([&](QStringView name) {
            if (Is(name, "fifths"))
                fifths = int(ReadNumber(-kLargestNumber, kLargestNumber));
            else
                Skip();
            return true;
        });
        if (!m_line.fifths)
            m_line.fifths = fifths.value_or(kOtherKeySignature);
    }

    void TakeSoundTempo()
    {
        bool ok = false;
        const double tempo = Attribute("tempo").toDouble(&ok);
        if (!m_line.quarterBpm && ok && tempo > 0 && tempo < kLargestNumber)
            m_line.quarterBpm = tempo;
    }

    // A metronome mark: its first beat unit and the figure a minute, which
    // may come with words ("c. 60").
    void ReadMetronome()
    {
        QString unit;
        bool dotted = false;
        double perMinute = 0;
        ForEachChild([&](QStringView name) {
            if (Is(name, "beat-unit") && unit.isEmpty()) {
                unit = ReadText();
            } else if (Is(name, "beat-unit-dot") && perMinute == 0) {
                dotted = true;
                Skip();
            } else if (Is(name, "per-minute")) {
                static const QRegularExpression number(QStringLiteral("\\d+(\\.\\d+)?"));
                perMinute = number.match(ReadText()).captured().toDouble();
            } else {
                Skip();
            }
            return true;
        });
        const double tempo = perMinute * QuartersOfUnit(unit) * (dotted ? kDotted : 1);
        if (!m_line.quarterBpm && tempo > 0 && tempo < kLargestNumber)
            m_line.quarterBpm = tempo;
    }

    int ReadPitch()
    {
        int step = kNoStep;
        double alter = 0;
        int octave = kLowestOctave - 1;
        ForEachChild([&](QStringView name) {
            if (Is(name, "step"))
                step = StepSemitones(ReadText());
            else if (Is(name, "alter"))
                alter = ReadNumber(-kLargestAlter, kLargestAlter);
            else if (Is(name, "octave"))
                octave = int(ReadNumber(kLowestOctave, kHighestOctave));
            else
                Skip();
            return true;
        });
        if (step == kNoStep || octave < kLowestOctave)
            throw CImportError(ImportProblem::Damaged);
        return (octave - kOctaveOfNoteZero) * kSemitonesPerOctave + step + int(std::lround(alter));
    }

    void ReadTie(NoteElement& note)
    {
        const QString type = Attribute("type");
        note.tieStart = note.tieStart || type == QLatin1String("start");
        note.tieStop = note.tieStop || type == QLatin1String("stop");
        Skip();
    }

    NoteElement ReadNoteElement()
    {
        NoteElement note;
        ForEachChild([&](QStringView name) {
            if (Is(name, "pitch")) {
                note.pitch = ReadPitch();
                return true;
            }
            if (Is(name, "duration"))
                note.duration = ReadNumber(0, kLargestNumber);
            else if (Is(name, "voice"))
                note.voice = ReadText();
            else if (Is(name, "tie"))
                ReadTie(note);
            else if (Is(name, "notations"))
                ForEachChild([&](QStringView notation) {
                    if (Is(notation, "tied"))
                        ReadTie(note);
                    else
                        Skip();
                    return true;
                });
            else {
                note.chord = note.chord || Is(name, "chord");
                note.grace = note.grace || Is(name, "grace");
                note.cue = note.cue || Is(name, "cue");
                note.rest = note.rest || Is(name, "rest");
                note.unpitched = note.unpitched || Is(name, "unpitched");
                Skip();
            }
            return true;
        });
        if (!note.pitch && !note.rest)
            note.unpitched = true;
        return note;
    }

    void ReadNote()
    {
        const NoteElement note = ReadNoteElement();
        const QString voice = note.voice.isEmpty() ? kFirstVoice : note.voice;
        const bool sounds = !note.rest;
        if (note.grace) {
            if (sounds && voice == m_lineVoice)
                ++m_line.leftOut.grace;
            return;
        }
        const double length = note.duration / m_divisions;
        const bool inChord = note.chord && m_bChordStarted;
        double start = m_chordStart;
        if (!inChord) {
            FinishChord();
            start = m_position;
            m_chordStart = start;
            m_bChordStarted = true;
            m_position += length;
            m_measureLength = std::max(m_measureLength, m_position);
        }
        if (m_lineVoice.isEmpty())
            m_lineVoice = voice;
        if (voice != m_lineVoice) {
            m_line.leftOut.otherVoices += sounds ? 1 : 0;
        } else if (note.cue) {
            m_line.leftOut.grace += sounds ? 1 : 0;
        } else if (note.unpitched) {
            ++m_line.leftOut.unpitched;
        } else if (note.rest) {
            AddToLine(start, length, kRestPitch, false, false);
        } else if (inChord && m_chord.notes > 0) {
            ++m_line.leftOut.belowTop;
            ++m_chord.notes;
            if (*note.pitch > m_chord.pitch)
                m_chord = {start, length, *note.pitch, note.tieStart, note.tieStop, m_chord.notes};
        } else {
            m_chord = {start, length, *note.pitch, note.tieStart, note.tieStop, 1};
        }
    }

    // The top note of the chord under way goes into the line.
    void FinishChord()
    {
        if (m_chord.notes == 0)
            return;
        const ChordUnderWay chord = m_chord;
        m_chord = {};
        AddToLine(chord.start, chord.length, chord.pitch, chord.tieStart, chord.tieStop);
    }

    // A note tied from the one before lengthens it.
    void AddToLine(double start, double length, int pitch, bool tieStart, bool tieStop)
    {
        const double at = m_measureStart + start;
        std::vector<LineNote>& notes = m_line.notes;
        if (tieStop && m_bLastTiedOn && notes.back().pitch == pitch &&
            std::abs(notes.back().start + notes.back().length - at) < kSameTime) {
            notes.back().length += length;
            m_bLastTiedOn = tieStart;
            return;
        }
        if (notes.size() >= m_mostNotes)
            throw CImportError(ImportProblem::TooManyNotes);
        notes.push_back({at, length, pitch});
        m_bLastTiedOn = tieStart && pitch != kRestPitch;
    }

    QXmlStreamReader m_xml;
    std::size_t m_part;
    std::size_t m_mostNotes;
    int m_depth = 0;
    bool m_bRootSeen = false;
    bool m_bMarkedChromatic = false;
    std::vector<QString> m_partIds;
    PartNames m_partNames;
    QString m_workTitle;
    QString m_movementTitle;
    ScoreLine m_line;
    QString m_lineVoice;
    double m_divisions = 1;
    double m_measureStart = 0;
    double m_position = 0;
    double m_measureLength = 0;
    double m_chordStart = 0;
    bool m_bChordStarted = false;
    ChordUnderWay m_chord;
    bool m_bLastTiedOn = false;
};

} // namespace

PartNames MusicXmlParts(const QByteArray& score)
{
    return MusicXmlReader(score, 0, 0).ReadParts();
}

ScoreLine ReadMusicXmlLine(const QByteArray& score, std::size_t part, std::size_t mostNotes)
{
    return MusicXmlReader(score, part, mostNotes).ReadLine();
}
