#pragma once

#include <cstddef>

// How long a text may be for a project file to hold it. Open refuses a longer
// field, and the boxes and grid cells take no text that a save would write
// longer, so that every file a save writes opens again.
namespace FieldLimit {

// The most characters a field of the project file holds, counted in UTF-16
// units as a text box counts them.
constexpr std::size_t MaxLength = 65536;

// The length in the file of a text of `length` characters (UTF-16 units)
// that holds `doubleQuotes` double quotes: a save writes each of these as two
// apostrophes, since a double quote would end the field.
constexpr std::size_t StoredLength(std::size_t length, std::size_t doubleQuotes) {
    return length + doubleQuotes;
}

} // namespace FieldLimit
