#pragma once

#include "project_file/FieldReader.h"
#include "project_file/ProjectFileFormat.h"

#include <string>
#include <string_view>

// How messages show what a project file holds: a damaged file's text can be
// of any length and hold any character.
namespace RecordNames {

// `text` trimmed of blanks and cut to a length a message line takes, every
// control character and the invisible zero-width no-break space named in
// angle brackets ("<CR>", "<NUL>", "<U+0085>", "<U+FEFF>") so that it neither
// vanishes nor breaks the line.
std::string ShownText(std::string_view text);

// `what`, then the line, the section and the item (or group and index) of the
// record whose marker stands on `line` and whose fields follow at `record`, as
// far as they can be read on the marker's line.
std::string Named(std::string_view what, int line, const ProjectFileFormat::SectionFormat& section,
                  FieldReader record);

} // namespace RecordNames
