#pragma once

#include "hydraulics/GenDesignCatalogue.h"
#include "hydraulics/StandardSizeRecords.h"

#include "platform/AppError.h"

#include <cstddef>
#include <string>
#include <vector>

// The catalogue tables built from the database at start-up and only read
// afterwards. Each holds entries 0 to n: entry 0 stays empty, entries 1 to n
// are the rows in catalogue order; before loading there is entry 0 only.
namespace GlobalVariables {

extern std::vector<GenDesignCulvertType> GenDesignCulvertTypes;

extern std::vector<StdPipeSize> StdConcPipeSizes;
extern std::vector<StdPipeSize> StdCMPSizes;
extern std::vector<StdRCBoxSize> StdRCBoxSizes;
extern std::vector<StdPipeArchSize> StdRCArchPipeSizes;
extern std::vector<StdPipeArchSize> StdSteelPipeArchSizes;

} // namespace GlobalVariables

// n, the last entry of a table of entries 0 to n.
template <class T> std::size_t UpperBound(const std::vector<T>& table) {
    return table.empty() ? 0 : table.size() - 1;
}

// Entry `index` (from 1) of a table of entries 0 to n; an index outside 1 to n
// is a subscript fault, naming the table (`what`) where one is given, never a
// read past the end.
template <class T>
const T& CatalogueEntry(const std::vector<T>& table, int index, const std::string& what = "") {
    const std::size_t last = UpperBound(table);
    if (index < 1 || static_cast<std::size_t>(index) > last) {
        std::string message = "Subscript out of range";
        if (!what.empty()) {
            message += " (" + what + " " + std::to_string(index < 0 ? 0 : index) + " of 1 to " +
                       std::to_string(last) + ")";
        }
        throw AppError(ErrorNumber::SubscriptOutOfRange, message);
    }
    return table[static_cast<std::size_t>(index)];
}
