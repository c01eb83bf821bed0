#pragma once

#include <string>
#include <string_view>

// Small text helpers of the project file.
namespace Tools {

// `text` without its leading and trailing blanks (space characters only): a
// view into `text`.
std::string_view TrimBlanks(std::string_view text);

// Whether `word` stands in `text`, or is all of `text`, letter case ignored
// (ASCII letters only: the file's own words are ASCII).
bool ContainsIgnoringCase(std::string_view text, std::string_view word);
bool EqualIgnoringCase(std::string_view text, std::string_view word);

// The text escape of stored texts: empty for an empty or all-blank text;
// otherwise the text unchanged except that every double quote becomes two
// apostrophes, so that a stored text never ends its quoted field early.
std::string ReplaceDoubleQuotes(std::string_view text);

// A control's text as the project file stores it: trimmed, then escaped.
std::string StoredText(std::string_view text);

} // namespace Tools
