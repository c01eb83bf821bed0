#include "project_file/ProjectFileFormat.h"

#include "platform/AppError.h"
#include "project_file/AppliedRecords.h"
#include "project_file/FieldEncoding.h"
#include "project_file/FieldReader.h"
#include "project_file/FileLines.h"
#include "project_file/RecordNames.h"
#include "project_file/RecordWriter.h"
#include "project_file/Tools.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace ProjectFileFormat {
namespace {

using enum OnError;

constexpr std::array<SectionFormat, NumSections> Sections = {{
    {Markers::SiteIDInfo, AbandonRecord},
    {Markers::VoskRunoffChartInfo, AbandonRecord},
    {Markers::USGSRunoffInfo, AbandonRecord},
    {Markers::USGSMavo1987Info, EndRead, false},
    {Markers::TailWaterCrossSectionInfo, AbandonRecord},
    {Markers::TailWaterRatingCurveInfo, AbandonRecord},
    {Markers::TWQDepthInfo, AbandonRecord},
    {Markers::VSHAStandardDesignInfo, EndRead},
    {Markers::TaperedInletDesignInfo, EndRead},
    {Markers::DropInletDesignInfo, EndRead},
    {Markers::GeneralDesignInfo, EndRead},
    {Markers::NEScourHoleInfo, EndRead},
    {Markers::NEPlungeBasinInfo, EndRead},
    {Markers::Hec14RipRapInfo, EndRead},
}};

void CheckNumber(int number) {
    if (number < 1 || number > NumSections) {
        throw AppError(ErrorNumber::SubscriptOutOfRange,
                       "No project file section " + std::to_string(number));
    }
}

// The registered section whose marker the field is, in full and in letter case.
int FindSection(const SectionTable& sections, std::string_view field) {
    const int number = SectionNumber(field);
    return number != 0 && sections.Find(number) ? number : 0;
}

constexpr std::string_view MetricUnitsWord = "METRIC";

// The section whose marker `field` is in another letter case, 0 for none: no
// marker to the read, but no stray text either, and named as what it is.
int SectionInAnotherCase(std::string_view field) {
    const int number = SectionNumberIgnoringCase(field);
    return number != 0 && Section(number).marker != field ? number : 0;
}

// The lines of a file that hold something, from its first on, each read on
// its own. A byte-order mark at the file's start marks its encoding and is no
// character of its first line.
class HeaderLines {
public:
    struct Line : FileLine {
        size_t offset;
        int number;
    };

    explicit HeaderLines(std::string_view content)
        : content_(content), pos_(content.starts_with(FieldEncoding::ZeroWidthNoBreakSpace)
                                      ? FieldEncoding::ZeroWidthNoBreakSpace.size()
                                      : 0) {}

    // The next line that holds something; none at the end of the file.
    std::optional<Line> Next() {
        while (pos_ < content_.size()) {
            const Line line{ReadLine(content_, pos_), pos_, number_++};
            pos_ = line.next;
            if (line.holds != LineHolds::Nothing) {
                return line;
            }
        }
        return std::nullopt;
    }

private:
    std::string_view content_;
    size_t pos_;
    int number_ = 1;
};

std::string OnLine(int line) {
    return " (line " + std::to_string(line) + ")";
}

// The line of the last character that `in` has read: at a line's start, it
// has read the line end of the line before.
int LastLineRead(const FieldReader& in) {
    return in.Line() - (in.AtLineStart() ? 1 : 0);
}

// The lines after its own that a record's fields ran into outside quoted
// texts: what a record cut short, or read by another item number than
// written, takes from the records after it. A text that holds line ends
// inside its quotes keeps its record on its lines.
struct TakenLines {
    int first = 0; // 0: the record kept to its lines
    int last = 0;
    bool endRecord = false; // the end record is among them

    explicit operator bool() const { return first != 0; }

    // Those of the record whose marker stands on `markerLine` and whose fields
    // the read took from `record` (just past the marker) to `end`.
    static TakenLines Of(int markerLine, FieldReader record, const FieldReader& end) {
        TakenLines taken;
        taken.last = LastLineRead(end);
        if (taken.last <= markerLine) {
            return taken; // the common case, found without reading the record again
        }
        const FieldReader start = record;
        // The line after the first text that ran on past its closing quote's
        // place into the lines after its own.
        int ranOnFrom = 0;
        while (record.Offset() < end.Offset()) {
            const bool lineStart = record.AtLineStart();
            const int line = record.Line();
            const int droppedTails = record.DroppedTails();
            if (lineStart && taken.first == 0) {
                taken.first = line;
            }
            if (lineStart && taken) {
                taken.endRecord =
                    taken.endRecord || ReadLine(record.Content(), record.Offset()).HoldsEndRecord();
            }
            try {
                record.ReadText();
            } catch (const AppError& error) {
                if (error.number != ReadError::FieldTooLong) {
                    break;
                }
            }
            if (ranOnFrom == 0 && record.DroppedTails() != droppedTails &&
                LastLineRead(record) > line) {
                ranOnFrom = line + 1;
            }
        }
        // The lines that such a text ran over were taken too, before the
        // lines the fields after it took.
        if (taken && ranOnFrom != 0 && ranOnFrom < taken.first) {
            taken.first = ranOnFrom;
            taken.endRecord = taken.endRecord ||
                              EndRecordOnALineAfter(end.Content(), start.Offset(), end.Offset());
        }
        return taken;
    }

    // "line 5" or "lines 5 to 7".
    std::string Span() const {
        return first == last ? "line " + std::to_string(first)
                             : "lines " + std::to_string(first) + " to " + std::to_string(last);
    }

    // Where the end record is one of them, the words that say so after Span().
    std::string EndRecordNote() const {
        if (!endRecord) {
            return "";
        }
        return first == last ? ", the end record" : ", the end record among them";
    }

    std::string Text() const {
        if (first == last) {
            return "takes " + Span() + EndRecordNote() + (endRecord ? "," : "") + " with it";
        }
        return "takes " + Span() + " with it" + EndRecordNote();
    }
};

// The lines after its own, read as the file holds them, that a record's texts
// ran on over: a text whose closing quote is missing runs to the next quote,
// the opening one of a later record (the end record, perhaps), and that
// record's first field is dropped as the text's tail.
TakenLines LinesTextsRanOver(int markerLine, const FieldReader& record, const FieldReader& end) {
    TakenLines taken;
    taken.last = LastLineRead(end);
    if (taken.last <= markerLine) {
        return taken;
    }
    taken.first = markerLine + 1;
    taken.endRecord = EndRecordOnALineAfter(end.Content(), record.Offset(), end.Offset());
    return taken;
}

std::string TextRunsOver(const TakenLines& lines) {
    return std::string("; the text runs on ") + (lines.first == lines.last ? "to " : "over ") +
           lines.Span() + lines.EndRecordNote();
}

// What a quoted field, as the file holds it, holds after its closing quote.
std::string_view AfterClosingQuote(std::string_view field) {
    return field.substr(std::min(field.find('"', 1) + 1, field.size()));
}

constexpr std::string_view RunsOn = "record that reads on past its line end and ";
constexpr std::string_view JoinedToEnd = "record joined on its line to the end record";
constexpr std::string_view DroppedTail = "Characters after a text's closing quote, which the read "
                                         "drops";

// The dispatch loop over the records after the header.
class ProjectRead {
public:
    ProjectRead(FieldReader& in, const SectionTable& sections, SkippedRecords& skipped,
                AppliedRecords& applied)
        : in_(in), sections_(sections), skipped_(skipped), applied_(applied) {}

    void Run() {
        while (!in_.AtEnd()) {
            const int line = in_.Line();
            const bool lineStart = in_.AtLineStart();
            const FieldReader before = in_;
            // Seen where it stands: a record's first field costs no copy.
            std::string converted;
            std::string_view field;
            try {
                field = Tools::TrimBlanks(in_.ReadText(converted));
            } catch (const AppError& error) {
                if (error.number != ReadError::FieldTooLong) {
                    throw AppError(error.number, error.description + OnLine(line));
                }
                if (lineStart) {
                    lineIsRecord_ = false;
                }
                CountLine(line, [&] { return error.description + OnLine(line); });
                continue;
            }
            const int number = FindSection(sections_, field);
            if (lineStart) {
                lineIsRecord_ = SectionNumberIgnoringCase(field) != 0;
            }
            if (number != 0) {
                ReadRecord(number, line, before.DroppedTails());
            } else {
                PassField(field, line, lineStart, before);
            }
        }
        // Every file this program writes ends with the end record; without it
        // the file was cut short, perhaps right after a complete record.
        if (!endRecordMet_) {
            throw AppError(ReadError::InputPastEndOfFile, "The file has no end record");
        }
    }

private:
    // Counts what stands on `line` unless a record counted there already.
    void CountLine(int line, const std::function<std::string()>& name) {
        if (line != skippedLine_) {
            skippedLine_ = line;
            skipped_.Add(name);
        }
    }

    // Whether the end record is joined to the line of the field just read:
    // glued to the end of the line's last field, or, on a line that is no
    // record, to any field.
    bool EndRecordGluedToField() const {
        return (!lineIsRecord_ || in_.AtEnd() || in_.AtLineStart()) &&
               EndsInJoinedEndRecord(in_.LastField());
    }

    // What a text read from `before` on `line` ran into when its closing
    // quote was missing, if the reader has dropped a tail since it had
    // dropped `droppedTails`, or else whether the end record is `glued` to
    // it: the words that say so, empty for none. The end record it ran into
    // still ends the file.
    std::string TextRanOn(int line, const FieldReader& before, int droppedTails, bool glued) {
        if (in_.DroppedTails() != droppedTails) {
            if (const TakenLines over = LinesTextsRanOver(line, before, in_)) {
                endRecordMet_ = endRecordMet_ || over.endRecord;
                return TextRunsOver(over);
            }
        }
        return glued ? "; the end record is joined to its line" : "";
    }

    // A field that begins no record, read from `before` on `line`, the
    // line's first field if `lineStart`.
    void PassField(std::string_view field, int line, bool lineStart, const FieldReader& before) {
        const LineHolds holds = lineStart ? HoldsOfFirstField(field) : LineHolds::Other;
        const bool glued = EndRecordGluedToField();
        // A line that is no record may hold the end record after a stray field.
        const bool endRecord =
            holds == LineHolds::EndRecord || (!lineStart && !lineIsRecord_ && IsEndRecord(field));
        endRecordMet_ = endRecordMet_ || endRecord || glued;
        const std::string ranOn = TextRanOn(line, before, before.DroppedTails(), glued);
        if (field.empty()) {
            return;
        }
        const HeaderLine previous =
            std::exchange(headerLineBefore_, holds == LineHolds::Signature ? HeaderLine::Signature
                                             : holds == LineHolds::Units   ? HeaderLine::Units
                                                                           : HeaderLine::None);
        if (endRecord) {
            // In any letter case a save writes its own end record, but no
            // characters after its closing quote.
            if (in_.DroppedTails() != before.DroppedTails()) {
                CountLine(line, [&] {
                    return "Characters after the end record's closing quote, which the read drops: "
                           "\"" +
                           RecordNames::ShownText(AfterClosingQuote(in_.LastField())) + "\"" +
                           OnLine(line);
                });
            }
            return;
        }
        if (holds == LineHolds::Signature || holds == LineHolds::Units ||
            holds == LineHolds::Version) {
            // The units line and the version line of a header written again
            // are counted with the line that leads them.
            if ((previous == HeaderLine::Signature && holds == LineHolds::Units) ||
                (previous != HeaderLine::None && holds == LineHolds::Version)) {
                skippedLine_ = line;
                return;
            }
            CountLine(line, [&] {
                return "A repeated header line: \"" + RecordNames::ShownText(field) + "\"" + ranOn +
                       OnLine(line);
            });
            return;
        }
        if (const int number = SectionInAnotherCase(field)) {
            CountLine(line, [&] {
                return RecordNames::Named("A section's marker in another letter case: \"" +
                                              RecordNames::ShownText(field) + "\"",
                                          line, Section(number), in_);
            });
            return;
        }
        CountLine(line, [&] {
            return "A field that is no section's marker: \"" +
                   RecordNames::ShownText(WithoutJoinedEndRecord(field)) + "\"" + ranOn +
                   OnLine(line);
        });
    }

    // The record of section `number` whose marker stands on `line`; the
    // reader had dropped `droppedTails` texts' tails before the marker.
    void ReadRecord(int number, int line, int droppedTails) {
        headerLineBefore_ = HeaderLine::None;
        const SectionFormat& section = Section(number);
        const FieldReader record = in_;
        std::optional<AppError> fault;
        try {
            sections_.Find(number)->readRecord(in_);
        } catch (const AppError& error) {
            fault = error;
        }
        // Whatever the reader left of its line is the record's too.
        lineIsRecord_ = true;
        const TakenLines taken = TakenLines::Of(line, record, in_);
        const bool joined = !taken && EndRecordGluedToField();
        const bool endRecordTaken = taken.endRecord || joined;
        endRecordMet_ = endRecordMet_ || endRecordTaken;
        std::string what;
        if (fault) {
            what = fault->description;
            if (taken) {
                what += ", in a " + std::string(RunsOn) + taken.Text();
            } else if (joined) {
                what += ", in a " + std::string(JoinedToEnd);
            }
        } else if (taken) {
            what = "A " + std::string(RunsOn) + taken.Text();
        } else if (joined) {
            what = "A " + std::string(JoinedToEnd);
        } else if (in_.DroppedTails() != droppedTails) {
            // A text cut before its closing quote has taken what follows, up
            // to the next quote.
            what = std::string(DroppedTail) + TextRanOn(line, record, droppedTails, false);
        } else {
            applied_.Add(number, line, record, in_, skipped_);
            return;
        }
        const auto named = [&] { return RecordNames::Named(what, line, section, record); };
        // Where the record took the end record, the file is whole though
        // the record ran out of fields at its end.
        const bool readOn =
            !fault || fault->number == ReadError::RecordSkipped ||
            (fault->number == ReadError::InputPastEndOfFile ? endRecordTaken
                                                            : section.onError == AbandonRecord);
        if (!readOn) {
            throw AppError(fault->number, named());
        }
        skipped_.Add(named);
        skippedLine_ = in_.AtLineStart() ? 0 : in_.Line();
    }

    FieldReader& in_;
    const SectionTable& sections_;
    SkippedRecords& skipped_;
    AppliedRecords& applied_;
    bool endRecordMet_ = false;
    // Whether the line of the field read last begins with a marker, in any
    // letter case: its fields are the record's, whatever they spell.
    bool lineIsRecord_ = false;
    // The rest of the line of a record counted as skipped is no second loss.
    int skippedLine_ = 0;
    // The header line, if any, that the field before was among the records.
    enum class HeaderLine { None, Signature, Units };
    HeaderLine headerLineBefore_ = HeaderLine::None;
};

} // namespace

const SectionFormat& Section(int number) {
    CheckNumber(number);
    return Sections[number - 1];
}

int SectionNumber(std::string_view field) {
    for (int number = 1; number <= NumSections; ++number) {
        if (Section(number).marker == field) {
            return number;
        }
    }
    return 0;
}

int SectionNumberIgnoringCase(std::string_view field) {
    for (int number = 1; number <= NumSections; ++number) {
        if (Tools::EqualIgnoringCase(field, Section(number).marker)) {
            return number;
        }
    }
    return 0;
}

void SectionTable::Register(int number, Handlers handlers) {
    CheckNumber(number);
    handlers_[number - 1] = std::move(handlers);
}

const SectionTable::Handlers* SectionTable::Find(int number) const {
    CheckNumber(number);
    const auto& handlers = handlers_[number - 1];
    return handlers ? &*handlers : nullptr;
}

std::string WriteProject(const SectionTable& sections) {
    RecordWriter out;
    out.Text(Signature).EndRecord();
    out.Text(UnitsWord).EndRecord();
    out.Text(VersionWord).Text(VersionNumber).EndRecord();
    for (int number = 1; number <= NumSections; ++number) {
        if (const SectionTable::Handlers* section = sections.Find(number)) {
            section->write(out);
        }
    }
    out.Text(EndOfFile).EndRecord();
    return out.Output();
}

HeaderCheck CheckHeader(FieldReader& in) {
    const std::string_view content = in.Content();
    HeaderLines lines(content);
    const std::optional<HeaderLines::Line> signature = lines.Next();
    if (!signature) {
        return content.empty() ? HeaderCheck::Incomplete : HeaderCheck::NotProjectFile;
    }
    if (!Tools::ContainsIgnoringCase(signature->first, Signature)) {
        return HeaderCheck::NotProjectFile;
    }
    // A signature line written again is left in front of the records, for
    // the read to name.
    std::optional<HeaderLines::Line> headerAgain;
    std::optional<HeaderLines::Line> units = lines.Next();
    while (units && units->holds == LineHolds::Signature) {
        headerAgain = headerAgain ? headerAgain : units;
        units = lines.Next();
    }
    if (!units) {
        return HeaderCheck::Incomplete;
    }
    if (!Tools::ContainsIgnoringCase(units->first, UnitsWord)) {
        return Tools::ContainsIgnoringCase(units->first, MetricUnitsWord)
                   ? HeaderCheck::MetricUnits
                   : HeaderCheck::UnknownUnits;
    }
    // The version line's fields say nothing the read uses; where it is
    // missing, the records begin where it belongs.
    std::optional<HeaderLines::Line> records = lines.Next();
    if (records && records->holds == LineHolds::Version) {
        records = lines.Next();
    }
    if (!records) {
        return HeaderCheck::Incomplete;
    }
    const HeaderLines::Line& start = headerAgain ? *headerAgain : *records;
    in.MoveToLine(start.offset, start.number);
    return HeaderCheck::ProjectFile;
}

void SkippedRecords::Add(const std::function<std::string()>& name) {
    if (named_.size() < MaxNamed) {
        named_.push_back(name());
    }
    ++count_;
}

void ReadProject(FieldReader& in, const SectionTable& sections, SkippedRecords& skipped,
                 AppliedRecords& applied) {
    ProjectRead(in, sections, skipped, applied).Run();
}

} // namespace ProjectFileFormat
