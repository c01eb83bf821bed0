#pragma once

#include <string>
#include <variant>

// A result that is not yet computed (monostate), a number, or the text a
// procedure returned in place of the number ("ERROR").
using NumberOrText = std::variant<std::monostate, double, std::string>;
