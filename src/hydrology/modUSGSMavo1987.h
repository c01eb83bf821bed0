#pragma once

#include <cstdint>

// The tables of the USGS Mavo 1987 flood-frequency method, built in the
// program: six return periods and, for each of five hydrologic regions and
// each return period, the equation Q = a A^b (A square miles, Q ft^3/s) with
// its standard error. The return-period index 1 to 6, not the number of
// years, matches the method's discharges with the rows of its grids.
namespace modUSGSMavo1987 {

// Builds (or rebuilds) the return periods and the coefficient table.
void InitializeRegionTables();

// a A^b of the region (1 to 5) and return-period index (1 to 6) for the area
// A. Throws AppError: SubscriptOutOfRange for a region or index outside the
// table, InvalidArgument for a negative area.
double ComputeRegionQ(std::int32_t region, std::int32_t rpIndex, double area);

std::int32_t NumReturnPeriods();

// The return period in years of index i (1 to 6); 0 for index 0. Throws
// AppError (SubscriptOutOfRange) for any other index.
std::int32_t ReturnPeriod(std::int32_t i);

std::int32_t NumRegions();

} // namespace modUSGSMavo1987
