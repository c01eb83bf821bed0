#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Project files are written in UTF-8, but files saved by programs on Windows
// hold their texts in the Windows-1252 code page. A field is taken as UTF-8
// when it is valid UTF-8 and as Windows-1252 otherwise, so that accented
// letters survive either way.
namespace FieldEncoding {

// U+FEFF in UTF-8: a byte-order mark at the start of a file, a zero-width
// no-break space within a text.
inline constexpr std::string_view ZeroWidthNoBreakSpace = "\xEF\xBB\xBF";

// True when the bytes are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing past U+10FFFF).
bool IsUtf8(std::string_view bytes);

// The Windows-1252 bytes as UTF-8. The five bytes the code page leaves
// undefined become the control characters of the same number.
std::string Windows1252ToUtf8(std::string_view bytes);

// The length of valid UTF-8 text in UTF-16 code units, the way a text box
// counts its characters.
std::size_t Utf16Length(std::string_view utf8);

} // namespace FieldEncoding
