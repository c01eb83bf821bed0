#pragma once

#include <optional>
#include <string>
#include <string_view>

// Reading and writing numbers as the program's users see them: always U.S.
// English ('.' decimal, ',' grouping), whatever the machine's locale.
namespace Numbers {

// Trimmed text with an optional sign, digits with optional ',' grouping in
// threes (the first group never starting with 0, so "0,005" is refused), an
// optional fraction and an optional exponent. Blank text and non-finite
// values are not numbers.
bool IsNumeric(std::string_view text);

// The value of numeric text; nullopt where IsNumeric is false.
std::optional<double> ParseNumber(std::string_view text);

// The value of numeric text; throws AppError (type mismatch) otherwise.
double ToDouble(std::string_view text);

// Integer conversion of a typed count: rounds half to even; throws AppError on
// text that is not a number or does not fit a 32-bit integer.
long CLng(std::string_view text);
long CLng(double value);

// Formats with a fixed pattern such as "###,###,##0.00", "0.0###", "###.00" or
// "##0": '0' is a digit always shown, '#' a digit shown when significant, ','
// in the integer part asks for grouping, '.' marks the decimals; any other
// characters before or after the digits are copied. Rounds half away from zero
// on the value's decimal text (15 significant digits), so 2.675 gives "2.68".
std::string Format(double value, std::string_view pattern);

// The largest magnitude a result is shown with: beyond it a number no longer
// holds the two decimals the tables show, and its text outgrows their columns.
// Only absurd combinations of inputs (a Manning n near 0 on a steep slope, a
// Manning n of a million) come near it.
inline constexpr double LargestShownValue = 1e15;

// A finite value no larger in magnitude than LargestShownValue.
bool Showable(double value);

// The pattern of most numbers the program shows: grouped, two decimals.
inline constexpr std::string_view GroupedTwoDecimals = "###,###,###,###,###,##0.00";

// The default number-to-text conversion: at most 15 significant digits, no
// grouping, no trailing zeros (1/3 gives "0.333333333333333").
std::string GeneralText(double value);

// Leading and trailing blanks (spaces and tabs) removed.
std::string Trim(std::string_view text);

} // namespace Numbers
