#pragma once

#include "platform/AppError.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class FieldReader;
class RecordWriter;

// The grammar of the project file: a fixed header, fourteen sections in a
// fixed order (one per input window, each record led by its section's
// marker), and an end record. Reading is a dispatch loop over fields that
// hands each record to its section and skips whatever it does not know.
namespace ProjectFileFormat {

inline constexpr std::string_view Signature = "TARNWELLSOFTWAREVSHACHS";
inline constexpr std::string_view UnitsWord = "ENGLISHUNITS";
inline constexpr std::string_view VersionWord = "VERSION";
inline constexpr std::string_view VersionNumber = "2.00";
inline constexpr std::string_view EndOfFile = "END_OF_FILE";

// The section markers, by section.
namespace Markers {
inline constexpr std::string_view SiteIDInfo = "SITEIDINFO7438579";
inline constexpr std::string_view VoskRunoffChartInfo = "VOSKRUNOFFCHARTINFO328457";
inline constexpr std::string_view USGSRunoffInfo = "USGSRUNOFFINFO847338";
inline constexpr std::string_view USGSMavo1987Info = "[USGSMAVO1987DAQ]";
inline constexpr std::string_view TailWaterCrossSectionInfo = "TAILWATERCROSSSECTIONINFO432078";
inline constexpr std::string_view TailWaterRatingCurveInfo = "TAILWATERRATINGCURVEINFO43582";
inline constexpr std::string_view TWQDepthInfo = "TWQDEPTHINFO34853";
inline constexpr std::string_view VSHAStandardDesignInfo = "VSHASTANDARDDESIGNINFO2379";
inline constexpr std::string_view TaperedInletDesignInfo = "TAPEREDINLETDESIGNINFO98384";
inline constexpr std::string_view DropInletDesignInfo = "DROPINLETDESIGNINFO837321";
inline constexpr std::string_view GeneralDesignInfo = "GENERALDESIGNINFO271829";
inline constexpr std::string_view NEScourHoleInfo = "NESCOURHOLEINFO620";
inline constexpr std::string_view NEPlungeBasinInfo = "NEPLUNGEBASIN847363";
inline constexpr std::string_view Hec14RipRapInfo = "HEC14RIPRAP857982";
} // namespace Markers

inline constexpr int NumSections = 14;

// The highest grid row any reader writes to or grows a grid to; rows beyond
// it (and rows below 1) are ignored, so a damaged file cannot make a grid huge.
inline constexpr int MaxGridRow = 9999;

// What a fault inside one section's record does to the read.
enum class OnError {
    AbandonRecord, // drop the rest of the record and read on
    EndRead        // end the whole read
};

struct SectionFormat {
    std::string_view marker;
    OnError onError;
    // Whether a record's first field after the marker is its item number; the
    // section without one leads each record with a group and an index.
    bool itemNumbers = true;
};

// Sections 1 to NumSections.
const SectionFormat& Section(int number);

// The section whose marker `field` is, in full and in letter case; 0 for none.
int SectionNumber(std::string_view field);
// The section whose marker `field` is, in full, in any letter case; 0 for none.
int SectionNumberIgnoringCase(std::string_view field);

// The sections whose windows exist: each writes its records and reads one
// record at a time after the dispatch loop has read its marker. A section
// left out writes nothing, and its records are skipped on reading.
class SectionTable {
public:
    struct Handlers {
        std::function<void(RecordWriter&)> write;
        std::function<void(FieldReader&)> readRecord;
    };

    void Register(int number, Handlers handlers);
    const Handlers* Find(int number) const;

private:
    std::array<std::optional<Handlers>, NumSections> handlers_;
};

// The whole file: header, the registered sections in order, end record.
std::string WriteProject(const SectionTable& sections);

enum class HeaderCheck {
    ProjectFile,
    NotProjectFile,
    MetricUnits,  // the units line of the metric edition
    UnknownUnits, // a units line of neither edition
    Incomplete    // the file holds its first lines at most
};

// Reads the header, line by line, each line known by what it holds: the
// signature line, whose first field holds the signature anywhere in any
// letter case, then the units line, whose first field holds the units word
// so, then, if the next line is one, the version line, whose fields are not
// used. A byte-order mark before the signature line, and empty lines before
// and between them, hold nothing. A version line missing or short loses
// nothing: the records begin at the line where the read finds them. A file
// that holds nothing after its header is found here, before anything is read
// into the windows. A header line written again (the signature line before
// the units line, or a header line where the version line belongs) is left in
// front of the records, for the read to name.
HeaderCheck CheckHeader(FieldReader& in);

// What a read could not use, or a save would not write back as the file holds
// it, each counted once: a record that its section skipped, a record cut short
// by a fault in a section that reads on past it, a field that begins no
// record, a record that sets again what an earlier record of the file set (the
// earlier value is lost), a record that a save would not write back, a record
// whose fields ran on into the lines after its own, and a record with a text
// whose characters after its closing quote were dropped. Only the first few
// are named, each by its fault, its line, its section and its item.
class SkippedRecords {
public:
    static constexpr size_t MaxNamed = 10;

    // `name` is called only for a record that is named.
    void Add(const std::function<std::string()>& name);

    size_t Count() const { return count_; }
    const std::vector<std::string>& Named() const { return named_; }

private:
    size_t count_ = 0;
    std::vector<std::string> named_;
};

class AppliedRecords;

// The rest of the file after a passed header check: every record to the
// physical end of the file, in file order (records after the end record too).
// The file is a stream of fields, so a record whose fields run short takes
// its fields from the lines after it; such a record is read as ever, and
// counted, by the lines it took. Faults that end the read are thrown as
// AppError naming the record's line, section and item. So that a truncated
// file is never taken for a complete one, a record cut short by the end of the
// file ends the read whatever its section, and so does a file without a line
// that holds its end record (in any letter case: a file in lower case is
// whole; its markers are named as markers in another case). The end record
// and the header lines are known by their line (FileLines.h), never by a
// field that stands elsewhere: a record's text that spells one is the
// record's text. A record that took the end record's line with it says that
// the file is whole: it is counted, even where it then ran out of fields at
// the end of the file. A header written again among the records is counted
// once, by its first line. Whatever else the read
// could not use is added to `skipped`, for the caller to report, whether the
// read then ends early or not; every record applied and not counted is added
// to `applied`, for the caller to hold against what a save would write.
void ReadProject(FieldReader& in, const SectionTable& sections, SkippedRecords& skipped,
                 AppliedRecords& applied);

} // namespace ProjectFileFormat
