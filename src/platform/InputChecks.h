#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The input checks every window makes before it computes: each typed number in
// turn is required, then numeric, then in range, and the first failure stops
// the action with its message and the field to correct. Once every value has
// passed, each is held to the magnitude a culvert site can have.
namespace InputChecks {

// No discharge, area, length, elevation, slope, station or coefficient of a
// site comes near this in the units the windows use; beyond it a computation
// can overflow.
inline constexpr double LargestMagnitude = 1'000'000;

// Nearer 0 than this, a discharge squares to nothing in a critical depth (its
// flow areas are 0) and a barrel length makes a slope beyond any result shown.
inline constexpr double SmallestMagnitude = 1e-6;

// |value| <= LargestMagnitude.
bool WithinBound(double value);

// "The value entered for <name> is too large. Please re-enter the <name>."
std::string TooLarge(const std::string& name);

// "The value entered for <name> is too small. Please re-enter the <name>."
std::string TooSmall(const std::string& name);

// A range a value must keep, with the message when it does not.
struct Rule {
    std::function<bool(double)> holds;
    std::string message;
};

struct NumberCheck {
    std::string field; // names the control (or grid cell) the text came from
    std::string text;  // as typed; blanks around it are ignored
    // Message for blank text; when empty, blank text stands for `blankValue`
    // if it has one and is otherwise checked as a number (and so refused).
    std::string required;
    std::optional<double> blankValue;
    std::string notNumeric;
    std::vector<Rule> rules;
    // Message when the value is beyond LargestMagnitude; a check without one
    // re-tests a value that is held to the bound elsewhere.
    std::string tooLarge;
    // Message when the value is not 0 but nearer to it than `smallest`; when
    // empty, any small value is taken.
    std::string tooSmall;
    double smallest = SmallestMagnitude;
};

struct Failure {
    std::string field;
    std::string message;
};

// A grid cell as a field names it: the grid's name and the cell, as
// "GrdDesignQs(3, 4)".
struct CellName {
    std::string grid;
    int row = 0;
    int col = 0;
};
std::string CellField(const std::string& grid, int row, int col);
// The cell a field names; nullopt for a field that names no cell.
std::optional<CellName> ReadCellField(const std::string& field);

// The numbers in the order of the checks, or the first check's failure.
struct Outcome {
    std::vector<double> values;
    std::optional<Failure> failure;
};

Outcome Check(std::span<const NumberCheck> checks);

// Check without the bound, for a validation whose own later checks come
// before it; FirstOutOfBounds(checks, values) then holds the values to it.
Outcome CheckUnbounded(std::span<const NumberCheck> checks);

// A value already read, to be held to the bounds once every other check of
// its action has passed: beyond LargestMagnitude `tooLarge` refuses it, and
// nearer 0 than `smallest` (0 itself aside) `tooSmall` does, when given.
struct Magnitude {
    std::string field;
    double value = 0;
    std::string tooLarge;
    std::string tooSmall = {};
    double smallest = SmallestMagnitude;
};

// The values that checks read, with the bounds the checks set, appended in order.
void Append(std::vector<Magnitude>& bounded, std::span<const NumberCheck> checks,
            std::span<const double> values);

// CheckUnbounded, for one of several check routines of an action: the values
// taken join `bounded`, which the action holds to the bounds
// (FirstOutOfBounds) after its last check.
Outcome CheckDeferred(std::span<const NumberCheck> checks, std::vector<Magnitude>& bounded);

// The first value, in order, out of its bounds.
std::optional<Failure> FirstOutOfBounds(std::span<const Magnitude> values);
std::optional<Failure> FirstOutOfBounds(std::span<const NumberCheck> checks,
                                        std::span<const double> values);

// The usual wording: "A value is required for <requiredName>.", "The value
// entered for <name> can not be evaluated as a number. Please re-enter the
// <name>." and TooLarge(name).
NumberCheck TypedNumber(std::string field, std::string text, const std::string& requiredName,
                        const std::string& name);

bool Positive(double value);    // > 0
bool NotNegative(double value); // >= 0

} // namespace InputChecks
