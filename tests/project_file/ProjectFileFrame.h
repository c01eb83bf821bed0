#pragma once

#include <string>

// The fixed lines of a project file around the records a test writes: the
// header as the program writes it, for English units, and the end record.
namespace ProjectFileFrame {

inline const std::string Header = "\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n"
                                  "\"VERSION\",\"2.00\"\r\n";
inline const std::string End = "\"END_OF_FILE\"\r\n";

} // namespace ProjectFileFrame
