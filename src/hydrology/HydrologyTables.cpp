#include "hydrology/HydrologyTables.h"

namespace GlobalVariables {
namespace {

template <class T> std::int32_t LastEntry(const std::vector<T>& list) {
    return list.empty() ? 0 : static_cast<std::int32_t>(list.size() - 1);
}

} // namespace

std::vector<RunoffChartReturnPeriod> RunoffChartReturnPeriods(1);
std::vector<std::string> RunoffChartCovers(1);
std::vector<std::string> RunoffChartSlopes(1);
std::vector<std::int32_t> USGSReturnPeriods(1);

std::int32_t NumRunoffChartReturnPeriods() {
    return LastEntry(RunoffChartReturnPeriods);
}

std::int32_t NumRunoffChartCovers() {
    return LastEntry(RunoffChartCovers);
}

std::int32_t NumRunoffChartSlopes() {
    return LastEntry(RunoffChartSlopes);
}

std::int32_t NumUSGSReturnPeriods() {
    return LastEntry(USGSReturnPeriods);
}

} // namespace GlobalVariables
