#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The USGS 2001 regional flood-frequency regression: for a watershed whose
// drainage area (square miles) lies in up to three hydrologic regions, each
// region's equation is evaluated with the whole watershed's area and weighted
// by the region's share. A main channel slope MCS (ft/mi) switches region 3 to
// its equation 2; MCS with the area in the Orlen Lobe switches region 2 too.

// One row of TblUSGSEq: Q = K1 DA^CDA [MCS^CMCS] [(ORLFraction + 1)^CORL],
// the bracketed terms only where their Use flag is 1.
struct USGSEquation {
    std::int32_t Region = 0;
    std::int32_t EqNum = 0;
    std::int32_t ReturnPeriod = 0;
    double K1 = 0;
    double CDA = 0;
    double CMCS = 0;
    double CORL = 0;
    std::int32_t UseCMCS = 0;
    std::int32_t UseCORL = 0;
    double EYR = 0; // carried with the row; no computation uses it
};

// One computation of the regression window. Region arrays use entries 1 to 3;
// DesignQs entries 1 to N follow GlobalVariables::USGSReturnPeriods.
struct USGSWatershedRecord {
    std::array<std::string, 4> RegionDAText{};
    std::array<double, 4> RegionDA{};
    std::array<std::int32_t, 4> RegionDAGiven{};
    std::array<double, 4> RegionFraction{};
    std::string MCSText;
    double MCS = 0;
    std::int32_t MCSGiven = 0;
    std::string ORLText;
    double ORLArea = 0;
    std::int32_t ORLGiven = 0;
    double ORLFraction = 0;
    double TotalDA = 0;
    std::array<std::int32_t, 4> RegionEqNum{};
    std::vector<double> DesignQs; // ft^3/s, unrounded
};

namespace USGS {

// The start-up entry: loads the tables (LoadUSGSTables).
void InitializeUSGS();

// Loads the return periods (TblUSGSRPs, entry ArrayNum = ReturnPeriod) into
// GlobalVariables::USGSReturnPeriods and the equations (TblUSGSEq, in table
// order). A missing table or field, an unreadable value, an empty table or an
// ArrayNum outside 0 to the row count throws AppError naming it, and leaves
// both lists empty, as before any load.
void LoadUSGSTables();

// Entries 1 to n: the equation rows in table order.
const std::vector<USGSEquation>& USGSEquations();

// The discharge of the first equation row of the region, equation number and
// return period (years); 0 when there is none. Throws AppError when a power or
// product fails (an area or slope of 0 to a negative power, overflow).
double ComputeRegionQ(std::int32_t region, std::int32_t eqNum, std::int32_t returnPeriod, double DA,
                      double MCS, double ORLFraction);

// Completes the record from its region areas, slope and lobe area: total
// area, fractions, equation numbers and one discharge per return period. A
// total area below 1E-05 gives discharges of 0.
void ComputeUSGSDesignQs(USGSWatershedRecord& record);

} // namespace USGS
