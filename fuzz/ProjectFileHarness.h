#pragma once

#include "project_file/SiteIDRecords.h"

#include <string>
#include <string_view>

// Reads a project file's bytes the way File Open does (header check, then
// every record), into plain stand-ins for the windows. The fuzz target and the
// robustness test share it.
namespace ProjectFileHarness {

enum class Result {
    Refused, // not a project file, or another units edition
    Failed,  // the read ended early; `error` says why
    Complete // read to the end, end record met
};

struct Outcome {
    Result result = Result::Refused;
    std::string error;
    SiteIDRecords::Texts site;
};

Outcome Read(std::string_view bytes);

} // namespace ProjectFileHarness
