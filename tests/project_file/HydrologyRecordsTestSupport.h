#pragma once

#include "ProjectFileHarness.h"

#include <string>

// The fixed parts of a project file around the records under test.
namespace HydrologyRecordsTest {

inline const std::string Header = "\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n"
                                  "\"VERSION\",\"2.00\"\r\n";
inline const std::string End = "\"END_OF_FILE\"\r\n";

inline ProjectFileHarness::Outcome ReadRecords(const std::string& records) {
    return ProjectFileHarness::Read(Header + records + End);
}

} // namespace HydrologyRecordsTest
