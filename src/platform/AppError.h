#pragma once

#include <stdexcept>
#include <string>

// A run-time fault of an action (arithmetic on bad input, a database or printer
// fault). Thrown by the code an action calls and caught only where the user's
// action started, which shows it to the user.
struct AppError : std::runtime_error {
    AppError(long number, std::string description)
        : std::runtime_error(description), number(number), description(std::move(description)) {}

    long number;
    std::string description;
};

// Our own error numbers. Tests check the texts, not these values.
namespace ErrorNumber {
constexpr long TypeMismatch = 13;
constexpr long Overflow = 6;
constexpr long DivisionByZero = 11;
constexpr long SubscriptOutOfRange = 9;
constexpr long InvalidArgument = 5;
constexpr long FileError = 75;
constexpr long DatabaseError = 3000;
constexpr long PrinterError = 482;
} // namespace ErrorNumber

// Checks a result computed from input and throws instead of letting inf or nan
// reach the user.
double CheckFinite(double value, const std::string& what);
