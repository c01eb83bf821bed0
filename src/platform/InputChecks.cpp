#include "platform/InputChecks.h"

#include "platform/Numbers.h"

#include <cmath>
#include <cstdio>

namespace InputChecks {
namespace {

std::optional<Failure> Read(const NumberCheck& check, double& value) {
    const std::string text = Numbers::Trim(check.text);
    if (text.empty()) {
        if (!check.required.empty()) {
            return Failure{check.field, check.required};
        }
        if (check.blankValue) {
            value = *check.blankValue;
            return std::nullopt;
        }
    }
    const std::optional<double> number = Numbers::ParseNumber(text);
    if (!number) {
        return Failure{check.field, check.notNumeric};
    }
    for (const Rule& rule : check.rules) {
        if (!rule.holds(*number)) {
            return Failure{check.field, rule.message};
        }
    }
    value = *number;
    return std::nullopt;
}

} // namespace

std::string CellField(const std::string& grid, int row, int col) {
    return grid + "(" + std::to_string(row) + ", " + std::to_string(col) + ")";
}

std::optional<CellName> ReadCellField(const std::string& field) {
    CellName cell;
    const size_t open = field.find('(');
    if (open == std::string::npos || open == 0) {
        return std::nullopt;
    }
    cell.grid = field.substr(0, open);
    char close = 0;
    int length = 0;
    if (std::sscanf(field.c_str() + open, "(%d, %d%c%n", &cell.row, &cell.col, &close, &length) !=
            3 ||
        close != ')' || open + static_cast<size_t>(length) != field.size()) {
        return std::nullopt;
    }
    return cell;
}

bool WithinBound(double value) {
    return std::fabs(value) <= LargestMagnitude;
}

std::string TooLarge(const std::string& name) {
    return "The value entered for " + name + " is too large. Please re-enter the " + name + ".";
}

std::string TooSmall(const std::string& name) {
    return "The value entered for " + name + " is too small. Please re-enter the " + name + ".";
}

void Append(std::vector<Magnitude>& bounded, std::span<const NumberCheck> checks,
            std::span<const double> values) {
    for (size_t i = 0; i < checks.size() && i < values.size(); ++i) {
        const NumberCheck& check = checks[i];
        bounded.push_back({check.field, values[i], check.tooLarge, check.tooSmall, check.smallest});
    }
}

std::optional<Failure> FirstOutOfBounds(std::span<const Magnitude> values) {
    for (const Magnitude& magnitude : values) {
        if (!magnitude.tooLarge.empty() && !WithinBound(magnitude.value)) {
            return Failure{magnitude.field, magnitude.tooLarge};
        }
        if (!magnitude.tooSmall.empty() && magnitude.value != 0 &&
            std::fabs(magnitude.value) < magnitude.smallest) {
            return Failure{magnitude.field, magnitude.tooSmall};
        }
    }
    return std::nullopt;
}

std::optional<Failure> FirstOutOfBounds(std::span<const NumberCheck> checks,
                                        std::span<const double> values) {
    std::vector<Magnitude> bounded;
    Append(bounded, checks, values);
    return FirstOutOfBounds(bounded);
}

Outcome CheckUnbounded(std::span<const NumberCheck> checks) {
    Outcome outcome;
    for (const NumberCheck& check : checks) {
        double value = 0;
        if (auto failure = Read(check, value)) {
            outcome.failure = std::move(failure);
            outcome.values.clear();
            return outcome;
        }
        outcome.values.push_back(value);
    }
    return outcome;
}

Outcome CheckDeferred(std::span<const NumberCheck> checks, std::vector<Magnitude>& bounded) {
    Outcome outcome = CheckUnbounded(checks);
    if (!outcome.failure) {
        Append(bounded, checks, outcome.values);
    }
    return outcome;
}

Outcome Check(std::span<const NumberCheck> checks) {
    Outcome outcome = CheckUnbounded(checks);
    // After every other check, so that their messages come in their own order.
    if (!outcome.failure) {
        outcome.failure = FirstOutOfBounds(checks, outcome.values);
        if (outcome.failure) {
            outcome.values.clear();
        }
    }
    return outcome;
}

NumberCheck TypedNumber(std::string field, std::string text, const std::string& requiredName,
                        const std::string& name) {
    NumberCheck check;
    check.field = std::move(field);
    check.text = std::move(text);
    check.required = "A value is required for " + requiredName + ".";
    check.notNumeric = "The value entered for " + name +
                       " can not be evaluated as a number. Please re-enter the " + name + ".";
    check.tooLarge = TooLarge(name);
    return check;
}

bool Positive(double value) {
    return value > 0;
}

bool NotNegative(double value) {
    return value >= 0;
}

} // namespace InputChecks
