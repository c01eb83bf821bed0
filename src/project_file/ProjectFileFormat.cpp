#include "project_file/ProjectFileFormat.h"

#include "platform/AppError.h"
#include "project_file/AppliedRecords.h"
#include "project_file/FieldReader.h"
#include "project_file/RecordNames.h"
#include "project_file/RecordWriter.h"
#include "project_file/Tools.h"

#include <algorithm>
#include <cctype>
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

bool ContainsIgnoringCase(std::string_view field, std::string_view word) {
    auto equal = [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) ==
               std::toupper(static_cast<unsigned char>(b));
    };
    return std::search(field.begin(), field.end(), word.begin(), word.end(), equal) != field.end();
}

// The registered section whose marker the field is, in full and in letter case.
int FindSection(const SectionTable& sections, std::string_view field) {
    const int number = SectionNumber(field);
    return number != 0 && sections.Find(number) ? number : 0;
}

constexpr std::string_view MetricUnitsWord = "METRIC";

bool EqualIgnoringCase(std::string_view field, std::string_view word) {
    return field.size() == word.size() && ContainsIgnoringCase(field, word);
}

bool IsBlank(std::string_view field) {
    return Tools::TrimBlanks(field).empty();
}

bool IsSignatureLine(std::string_view field) {
    return ContainsIgnoringCase(field, Signature) && !ContainsIgnoringCase(field, UnitsWord);
}

bool IsHeaderLine(std::string_view field) {
    return ContainsIgnoringCase(field, Signature) || ContainsIgnoringCase(field, UnitsWord);
}

bool IsEndRecord(std::string_view field) {
    return EqualIgnoringCase(Tools::TrimBlanks(field), EndOfFile);
}

// Whether a line of `read` after its first line end holds the end record
// alone, in its quotes or not, as the file holds it.
bool EndRecordOnALineOf(std::string_view read) {
    for (size_t lineEnd = read.find_first_of("\r\n"); lineEnd != std::string_view::npos;
         lineEnd = read.find_first_of("\r\n")) {
        read.remove_prefix(lineEnd + (read.substr(lineEnd, 2) == "\r\n" ? 2 : 1));
        std::string_view line = Tools::TrimBlanks(read.substr(0, read.find_first_of("\r\n")));
        if (line.size() >= 2 && line.front() == '"' && line.back() == '"') {
            line = line.substr(1, line.size() - 2);
        }
        if (IsEndRecord(line)) {
            return true;
        }
    }
    return false;
}

// Whether `read`, what a record or a field read, ends in the quoted end
// record on a line of its own: a record joined to the end record, whose
// quoted end record the read took as the tail or the last characters of a
// field.
bool JoinedToEndRecord(std::string_view read) {
    while (!read.empty() && (read.back() == '\r' || read.back() == '\n')) {
        read.remove_suffix(1);
    }
    read = Tools::TrimBlanks(read);
    const size_t quoted = EndOfFile.size() + 2;
    if (read.size() <= quoted || read.back() != '"' || read[read.size() - quoted] != '"') {
        return false;
    }
    const char before = read[read.size() - quoted - 1];
    return before != '\r' && before != '\n' &&
           EqualIgnoringCase(read.substr(read.size() - quoted + 1, EndOfFile.size()), EndOfFile);
}

// The section whose marker `field` is in another letter case, 0 for none: no
// marker to the read, but no stray text either, and named as what it is.
int SectionInAnotherCase(std::string_view field) {
    for (int number = 1; number <= NumSections; ++number) {
        const std::string_view marker = Section(number).marker;
        if (field != marker && EqualIgnoringCase(field, marker)) {
            return number;
        }
    }
    return 0;
}

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
            try {
                const std::string field = record.ReadText();
                taken.endRecord = taken.endRecord || (lineStart && taken && IsEndRecord(field));
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
            taken.endRecord = taken.endRecord || EndRecordOnALineOf(end.ReadSince(start));
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
    taken.endRecord = EndRecordOnALineOf(end.ReadSince(record));
    return taken;
}

std::string TextRunsOver(const TakenLines& lines) {
    return std::string("; the text runs on ") + (lines.first == lines.last ? "to " : "over ") +
           lines.Span() + lines.EndRecordNote();
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
                CountLine(line, [&] { return error.description + OnLine(line); });
                continue;
            }
            if (const int number = FindSection(sections_, field)) {
                ReadRecord(number, line, before.DroppedTails());
            } else {
                PassField(field, line, TextRanOn(line, before, before.DroppedTails()));
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

    // What a text read from `before` on `line` ran into when its closing
    // quote was missing, if the reader has dropped a tail since it had
    // dropped `droppedTails`: the words that say so, empty for none. The end
    // record it ran into still ends the file.
    std::string TextRanOn(int line, const FieldReader& before, int droppedTails) {
        if (in_.DroppedTails() == droppedTails) {
            return "";
        }
        if (const TakenLines over = LinesTextsRanOver(line, before, in_)) {
            endRecordMet_ = endRecordMet_ || over.endRecord;
            return TextRunsOver(over);
        }
        if (JoinedToEndRecord(in_.ReadSince(before))) {
            endRecordMet_ = true;
            return "; the end record is joined to its line";
        }
        return "";
    }

    // A field that begins no record; `ranOn` says what its text ran into.
    void PassField(std::string_view field, int line, const std::string& ranOn) {
        if (field.empty()) {
            return;
        }
        const HeaderLine before = std::exchange(
            headerLineBefore_, IsSignatureLine(field)                   ? HeaderLine::Signature
                               : ContainsIgnoringCase(field, UnitsWord) ? HeaderLine::Units
                                                                        : HeaderLine::None);
        // An end record in another letter case still says that the file is
        // whole, and a save writes its own.
        if (EqualIgnoringCase(field, EndOfFile)) {
            endRecordMet_ = true;
            return;
        }
        // The units line and the version record of a header written again
        // are counted with the line that leads them.
        if ((before == HeaderLine::Signature && ContainsIgnoringCase(field, UnitsWord)) ||
            (before != HeaderLine::None && EqualIgnoringCase(field, VersionWord))) {
            skippedLine_ = line;
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
            return std::string(IsHeaderLine(field) || EqualIgnoringCase(field, VersionWord)
                                   ? "A repeated header line"
                                   : "A field that is no section's marker") +
                   ": \"" + RecordNames::ShownText(field) + "\"" + ranOn + OnLine(line);
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
        const TakenLines taken = TakenLines::Of(line, record, in_);
        const bool joined = !taken && JoinedToEndRecord(in_.ReadSince(record));
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
            what = std::string(DroppedTail) + TextRanOn(line, record, droppedTails);
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
    try {
        std::string signature = in.ReadText();
        while (IsBlank(signature) && !in.AtEnd()) {
            signature = in.ReadText();
        }
        if (!ContainsIgnoringCase(signature, Signature)) {
            return HeaderCheck::NotProjectFile;
        }
        const bool signatureEndsInEmptyLines = FieldReader::LineEnds(in.LineEndAround()) > 1;
        // Empty lines hold nothing, here as between records. A signature line
        // written again is left in front of the records, for the read to name.
        std::optional<FieldReader> headerAgain;
        std::string units;
        do {
            const FieldReader before = in;
            units = in.ReadText();
            if (IsSignatureLine(units) && !headerAgain) {
                headerAgain = before;
            }
        } while (IsBlank(units) || IsSignatureLine(units));
        if (!ContainsIgnoringCase(units, UnitsWord)) {
            return ContainsIgnoringCase(units, MetricUnitsWord) ? HeaderCheck::MetricUnits
                                                                : HeaderCheck::UnknownUnits;
        }
        // Where each line end reads as two or more, as CR CR LF does, every
        // line ends so; an empty line after a header line or two is only that.
        if (signatureEndsInEmptyLines && !RepeatedLineEnd(in.Content()).empty()) {
            return HeaderCheck::ExtraLineEnds;
        }
        FieldReader versionLine = in;
        std::string version = in.ReadText();
        while (IsBlank(version)) {
            versionLine = in;
            version = in.ReadText();
        }
        in.ReadText();
        // A header line written again where the version record belongs is no
        // version record: the read names it, and takes the version record
        // after it.
        if (IsHeaderLine(version) && !headerAgain) {
            headerAgain = versionLine;
        }
        if (headerAgain) {
            in = *headerAgain;
        }
        return HeaderCheck::ProjectFile;
    } catch (const AppError& error) {
        switch (error.number) {
        case ReadError::InputPastEndOfFile:
            return HeaderCheck::Incomplete;
        case ReadError::FieldTooLong:
            // Longer than any header field: some other kind of file.
            return HeaderCheck::NotProjectFile;
        default:
            throw;
        }
    }
}

std::string_view RepeatedLineEnd(std::string_view content) {
    const auto isLineEnd = [](char c) { return c == '\r' || c == '\n'; };
    std::string_view repeated;
    bool quoted = false;
    for (size_t pos = 0; pos < content.size();) {
        if (content[pos] == '"') {
            quoted = !quoted;
        }
        if (quoted || !isLineEnd(content[pos])) {
            ++pos;
            continue;
        }
        size_t end = pos;
        while (end < content.size() && isLineEnd(content[end])) {
            ++end;
        }
        const std::string_view run = content.substr(pos, end - pos);
        if (repeated.empty()) {
            repeated = run;
        }
        if (run != repeated || FieldReader::LineEnds(run) < 2) {
            return {};
        }
        pos = end;
    }
    return repeated;
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
