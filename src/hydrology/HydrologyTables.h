#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One return period of the runoff chart with its frequency factor.
struct RunoffChartReturnPeriod {
    std::int32_t ReturnPeriod = 0; // years
    double FF = 0;
};

// The hydrology lists built from the catalogue at start-up and only read
// afterwards. Each holds entries 0 to n: entry 0 stays empty, entries 1 to n
// are used; before loading there is entry 0 only. Row i of a method's results
// grid and of its tailwater Q-depth grid is entry i of its return periods.
namespace GlobalVariables {

// In the order the chart's return-period query delivers them.
extern std::vector<RunoffChartReturnPeriod> RunoffChartReturnPeriods;
// Land-use and slope class texts; the entry is the class number.
extern std::vector<std::string> RunoffChartCovers;
extern std::vector<std::string> RunoffChartSlopes;
// The USGS 2001 regression's return periods in years, in list order.
extern std::vector<std::int32_t> USGSReturnPeriods;

std::int32_t NumRunoffChartReturnPeriods();
std::int32_t NumRunoffChartCovers();
std::int32_t NumRunoffChartSlopes();
std::int32_t NumUSGSReturnPeriods();

} // namespace GlobalVariables
