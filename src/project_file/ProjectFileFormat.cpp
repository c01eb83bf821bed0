#include "project_file/ProjectFileFormat.h"

#include "platform/AppError.h"
#include "project_file/FieldReader.h"
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
    for (int number = 1; number <= NumSections; ++number) {
        if (Section(number).marker == field && sections.Find(number)) {
            return number;
        }
    }
    return 0;
}

// The section and the record's item (or group and index) of a record whose
// fields follow at `record`, as far as they can be read.
std::string RecordName(const SectionFormat& section, FieldReader record) {
    std::string name = "section " + std::string(section.marker);
    try {
        if (section.itemNumbers) {
            name += ", item " + Tools::TrimBlanks(record.ReadText());
        } else {
            name += ", group " + Tools::TrimBlanks(record.ReadText());
            name += ", index " + Tools::TrimBlanks(record.ReadText());
        }
    } catch (const AppError&) {
        // The name stops at what the record holds.
    }
    return name;
}

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
    std::string first;
    try {
        first = in.ReadText();
    } catch (const AppError& error) {
        // A first field longer than any project file holds: some other kind of file.
        if (error.number == ReadError::FieldTooLong) {
            return HeaderCheck::NotProjectFile;
        }
        throw;
    }
    if (!ContainsIgnoringCase(first, Signature)) {
        return HeaderCheck::NotProjectFile;
    }
    if (!ContainsIgnoringCase(in.ReadText(), UnitsWord)) {
        return HeaderCheck::OtherUnits;
    }
    return HeaderCheck::ProjectFile;
}

void ReadProject(FieldReader& in, const SectionTable& sections, std::vector<AppError>& lostFields) {
    in.ReadText();
    in.ReadText();
    bool endRecordMet = false;
    while (!in.AtEnd()) {
        std::string field = Tools::TrimBlanks(in.ReadText());
        int number = FindSection(sections, field);
        if (number == 0) {
            endRecordMet = endRecordMet || field == EndOfFile;
            continue;
        }
        const FieldReader record = in;
        try {
            sections.Find(number)->readRecord(in);
        } catch (const AppError& error) {
            const SectionFormat& section = Section(number);
            if (error.number == ReadError::FieldTooLong) {
                AppError lost(error.number,
                              error.description + " (" + RecordName(section, record) + ")");
                if (section.onError == EndRead) {
                    throw lost;
                }
                lostFields.push_back(std::move(lost));
            } else if (section.onError == EndRead ||
                       error.number == ReadError::InputPastEndOfFile) {
                throw;
            }
        }
    }
    // Every file this program writes ends with the end record; without it the
    // file was cut short, perhaps right after a complete record.
    if (!endRecordMet) {
        throw AppError(ReadError::InputPastEndOfFile, "Input past end of file");
    }
}

} // namespace ProjectFileFormat
