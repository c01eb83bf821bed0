#pragma once

#include "ProjectFileFrame.h"
#include "ProjectFileHarness.h"

#include <string>

// The records under test read between the fixed lines of a project file.
namespace HydrologyRecordsTest {

using ProjectFileFrame::End;
using ProjectFileFrame::Header;

inline ProjectFileHarness::Outcome ReadRecords(const std::string& records) {
    return ProjectFileHarness::Read(Header + records + End);
}

} // namespace HydrologyRecordsTest
