#pragma once

#include "project_file/ProjectFileFormat.h"

namespace FileHandling {

// The sections of the input windows that this build has, in file order.
ProjectFileFormat::SectionTable ProjectSections();

} // namespace FileHandling
