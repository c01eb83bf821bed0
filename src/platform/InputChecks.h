#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The input checks every window makes before it computes: each typed number in
// turn is required, then numeric, then in range, and the first failure stops
// the action with its message and the field to correct.
namespace InputChecks {

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
};

struct Failure {
    std::string field;
    std::string message;
};

// The numbers in the order of the checks, or the first check's failure.
struct Outcome {
    std::vector<double> values;
    std::optional<Failure> failure;
};

Outcome Check(std::span<const NumberCheck> checks);

// The usual wording: "A value is required for <requiredName>." and "The value
// entered for <name> can not be evaluated as a number. Please re-enter the <name>."
NumberCheck TypedNumber(std::string field, std::string text, const std::string& requiredName,
                        const std::string& name);

bool Positive(double value);    // > 0
bool NotNegative(double value); // >= 0

} // namespace InputChecks
