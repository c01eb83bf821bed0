#include "project_file/ProjectFileFormat.h"

#include "platform/AppError.h"
#include "project_file/FieldReader.h"
#include "project_file/RecordWriter.h"
#include "project_file/Tools.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

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
    for (int number = 1; number <= NumSections; ++number) {
        if (Section(number).marker == field && sections.Find(number)) {
            return number;
        }
    }
    return 0;
}

constexpr std::string_view MetricUnitsWord = "METRIC";

// A text of the file as a message quotes it: a damaged file's field can be
// of any length.
std::string Shortened(std::string_view text) {
    constexpr size_t MaxShown = 40;
    std::string shown = Tools::TrimBlanks(text);
    if (shown.size() > MaxShown) {
        size_t cut = MaxShown;
        while (cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0) == 0x80) {
            --cut; // not inside a UTF-8 character
        }
        shown = shown.substr(0, cut) + "...";
    }
    return shown;
}

// `what` with the line, the section and the item (or group and index) of
// the record whose marker stands on `line` and whose fields follow at
// `record`, as far as they can be read.
std::string Named(std::string_view what, int line, const SectionFormat& section,
                  FieldReader record) {
    std::string name = std::string(what) + " (line " + std::to_string(line) + ", section " +
                       std::string(section.marker);
    try {
        if (section.itemNumbers) {
            name += ", item " + Shortened(record.ReadText());
        } else {
            name += ", group " + Shortened(record.ReadText());
            name += ", index " + Shortened(record.ReadText());
        }
    } catch (const AppError&) {
        // The name stops at what the record holds.
    }
    return name + ")";
}

// Where a record puts its value, and the value: the address is its section,
// its item (or group) and the integers after it up to its first text (an
// index, a row, a column); a record of integers only carries one value and
// goes by its item alone.
struct RecordPlace {
    std::string address;
    size_t value; // a hash of the fields after the address
};

// The next field, when it is an integer, as the readers take it: "03" and
// "3" name one row.
std::string ReadIndex(FieldReader& record) {
    std::string text = record.ReadText();
    try {
        return std::to_string(FieldReader(text).ReadInteger());
    } catch (const AppError&) {
        return text;
    }
}

RecordPlace PlaceOf(int number, FieldReader record, const FieldReader& end) {
    std::string address = std::to_string(number) + ":" + ReadIndex(record);
    std::string indexes;
    while (record.Offset() < end.Offset() && !record.NextFieldQuoted()) {
        indexes += "," + ReadIndex(record);
    }
    std::string value;
    if (record.Offset() < end.Offset()) {
        address += indexes;
    } else {
        value = indexes;
    }
    while (record.Offset() < end.Offset()) {
        value += "," + record.ReadText();
    }
    return {std::move(address), std::hash<std::string>()(value)};
}

struct SetBy {
    int line;
    size_t value;
};

} // namespace

const SectionFormat& Section(int number) {
    CheckNumber(number);
    return Sections[number - 1];
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
        const std::string units = in.ReadText();
        in.ReadText();
        in.ReadText();
        if (ContainsIgnoringCase(units, UnitsWord)) {
            return HeaderCheck::ProjectFile;
        }
        return ContainsIgnoringCase(units, MetricUnitsWord) ? HeaderCheck::MetricUnits
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

void SkippedRecords::Add(const std::function<std::string()>& name) {
    if (named_.size() < MaxNamed) {
        named_.push_back(name());
    }
    ++count_;
}

void ReadProject(FieldReader& in, const SectionTable& sections, SkippedRecords& skipped) {
    bool endRecordMet = false;
    // The rest of the line of a record counted as skipped is no second loss.
    int skippedLine = 0;
    // The last record that set each address.
    std::unordered_map<std::string, SetBy> setBy;
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
            if (field == EndOfFile) {
                endRecordMet = true;
            } else if ((!field.empty() || !tooLong.empty()) && line != skippedLine) {
                skippedLine = line;
                skipped.Add([&] {
                    return (tooLong.empty() ? "A field that is no section's marker: \"" +
                                                  Shortened(field) + "\""
                                            : tooLong) +
                           onLine;
                });
            }
            continue;
        }
        const SectionFormat& section = Section(number);
        const FieldReader record = in;
        try {
            sections.Find(number)->readRecord(in);
            RecordPlace place = PlaceOf(number, record, in);
            const auto [earlier, first] =
                setBy.try_emplace(std::move(place.address), SetBy{line, place.value});
            // The same record twice loses nothing.
            if (!first && earlier->second.value != place.value) {
                skipped.Add([&, earlierLine = earlier->second.line] {
                    return Named("The value of line " + std::to_string(earlierLine) +
                                     ", replaced by a second record for the same field",
                                 line, section, record);
                });
            }
            earlier->second = {line, place.value};
        } catch (const AppError& error) {
            const bool readOn =
                error.number == ReadError::RecordSkipped ||
                (section.onError == AbandonRecord && error.number != ReadError::InputPastEndOfFile);
            if (!readOn) {
                throw AppError(error.number, Named(error.description, line, section, record));
            }
            skipped.Add([&] { return Named(error.description, line, section, record); });
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
