#pragma once

#include <string>
#include <string_view>

// A project file as the program writes it, with its records in another order
// that holds the same project: Open must then look at it record by record
// instead of taking it as a file the program wrote. The header lines and the
// end record stay where they stand.

// Each section's records in reverse order.
std::string WithSectionRecordsReversed(std::string_view project);

// The sections in reverse order, each with its records in their own order.
std::string WithSectionsReversed(std::string_view project);
