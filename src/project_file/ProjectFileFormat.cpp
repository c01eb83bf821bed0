#include "project_file/ProjectFileFormat.h"

#include "platform/AppError.h"
#include "project_file/AppliedRecords.h"
#include "project_file/FieldReader.h"
#include "project_file/RecordNames.h"
#include "project_file/RecordWriter.h"
#include "project_file/Tools.h"

#include <algorithm>
#include <cctype>

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

// A section's marker in another letter case: no marker to the read, but no
// stray text either, and named as what it is.
bool IsMarkerInAnotherCase(std::string_view field) {
    for (const SectionFormat& section : Sections) {
        if (field != section.marker && EqualIgnoringCase(field, section.marker)) {
            return true;
        }
    }
    return false;
}

// What a field that begins no record is, for its name in the message.
std::string UnusedField(std::string_view field) {
    if (IsMarkerInAnotherCase(field)) {
        return "A section's marker in another letter case";
    }
    if (ContainsIgnoringCase(field, Signature) || ContainsIgnoringCase(field, UnitsWord)) {
        return "A header line again, where records belong";
    }
    return "A field that is no section's marker";
}

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
        if (!ContainsIgnoringCase(in.ReadText(), Signature)) {
            return HeaderCheck::NotProjectFile;
        }
        int signatureLineEnds = FieldReader::LineEnds(in.LineEndAround());
        std::string units = in.ReadText();
        // A signature line written twice holds nothing a save would not
        // write again: the units line follows the last of them.
        while (ContainsIgnoringCase(units, Signature) && !ContainsIgnoringCase(units, UnitsWord)) {
            signatureLineEnds = FieldReader::LineEnds(in.LineEndAround());
            units = in.ReadText();
        }
        const FieldReader afterUnitsLine = in;
        const std::string afterUnits = in.ReadText();
        in.ReadText();
        // Where each line end reads as two, as CR CR LF does, an empty line
        // stands where the units line belongs and the units come one line late.
        const bool oneLineLate = Tools::TrimBlanks(units).empty() && signatureLineEnds > 1;
        const std::string& unitsLine = oneLineLate ? afterUnits : units;
        if (ContainsIgnoringCase(unitsLine, UnitsWord)) {
            if (oneLineLate) {
                return HeaderCheck::ExtraLineEnds;
            }
            // A units line written twice is no version record: the read
            // names it, and takes the version record after it.
            if (ContainsIgnoringCase(afterUnits, UnitsWord)) {
                in = afterUnitsLine;
            }
            return HeaderCheck::ProjectFile;
        }
        return ContainsIgnoringCase(unitsLine, MetricUnitsWord) ? HeaderCheck::MetricUnits
                                                                : HeaderCheck::UnknownUnits;
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

std::string FirstLineEnd(std::string_view content) {
    FieldReader in(content);
    try {
        in.ReadText();
    } catch (const AppError&) {
        return {};
    }
    return RecordNames::ShownLineEnd(in.LineEndAround());
}

void SkippedRecords::Add(const std::function<std::string()>& name) {
    if (named_.size() < MaxNamed) {
        named_.push_back(name());
    }
    ++count_;
}

void ReadProject(FieldReader& in, const SectionTable& sections, SkippedRecords& skipped,
                 AppliedRecords& applied) {
    bool endRecordMet = false;
    // The rest of the line of a record counted as skipped is no second loss.
    int skippedLine = 0;
    while (!in.AtEnd()) {
        const int line = in.Line();
        const std::string onLine = " (line " + std::to_string(line) + ")";
        std::string field;
        std::string tooLong; // the fault of a field too long to be a marker
        try {
            field = Tools::TrimBlanks(in.ReadText());
        } catch (const AppError& error) {
            if (error.number != ReadError::FieldTooLong) {
                throw AppError(error.number, error.description + onLine);
            }
            tooLong = error.description;
        }
        const int number = tooLong.empty() ? FindSection(sections, field) : 0;
        if (number == 0) {
            // An end record in another letter case still says that the file
            // is whole, and a save writes its own.
            if (EqualIgnoringCase(field, EndOfFile)) {
                endRecordMet = true;
            } else if (EqualIgnoringCase(field, VersionWord)) {
                // A version record after a repeated header line: its number
                // is not used anywhere, so nothing is lost.
                skippedLine = line;
            } else if ((!field.empty() || !tooLong.empty()) && line != skippedLine) {
                skippedLine = line;
                skipped.Add([&] {
                    if (!tooLong.empty()) {
                        return tooLong + onLine;
                    }
                    return UnusedField(field) + ": \"" + RecordNames::ShownText(field) + "\"" +
                           onLine;
                });
            }
            continue;
        }
        const SectionFormat& section = Section(number);
        const FieldReader record = in;
        try {
            sections.Find(number)->readRecord(in);
            applied.Add(number, line, record, in, skipped);
        } catch (const AppError& error) {
            const auto named = [&] {
                return RecordNames::Named(error.description, line, section, record);
            };
            const bool readOn =
                error.number == ReadError::RecordSkipped ||
                (section.onError == AbandonRecord && error.number != ReadError::InputPastEndOfFile);
            if (!readOn) {
                throw AppError(error.number, named());
            }
            skipped.Add(named);
            skippedLine = in.AtLineStart() ? 0 : in.Line();
        }
    }
    // Every file this program writes ends with the end record; without it the
    // file was cut short, perhaps right after a complete record.
    if (!endRecordMet) {
        throw AppError(ReadError::InputPastEndOfFile, "The file has no end record");
    }
}

} // namespace ProjectFileFormat
