#pragma once

#include <cstddef>
#include <string_view>

// The characters that bound a project file's fields, shared by FieldReader
// and by RecordFields, which splits records again as FieldReader did. Inline,
// as they run for every character of a file.
namespace FieldSyntax {

// Blanks before a field, and after an unquoted one, are not part of it.
inline bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

inline std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Where the field from `pos` ends: at the next comma or line end, else at the
// end of the text. A loop of its own: find_first_of looks for each character
// of the set in turn, several times slower on the short fields of a file.
inline size_t FieldEnd(std::string_view text, size_t pos) {
    while (pos < text.size() && text[pos] != ',' && text[pos] != '\r' && text[pos] != '\n') {
        ++pos;
    }
    return pos;
}

} // namespace FieldSyntax
