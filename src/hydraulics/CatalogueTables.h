#pragma once

#include "hydraulics/GenDesignCatalogue.h"
#include "hydraulics/StandardSizeRecords.h"

#include <cstddef>
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
