#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The Vosk Runoff Chart: design discharge = chart discharge of the drainage
// area (acres) x land-use and slope factor LF x frequency factor FF of the
// return period (ft^3/s). The chart's tables are loaded once at start-up and
// only read afterwards.

// One band of the chart: from DA (acres) up to the next band's DA the chart
// discharge is Kfac x DA ^ Cfac.
struct RunoffChartBand {
    double DA = 0;
    double Kfac = 0;
    double Cfac = 0;
};

// One computation of the runoff chart window: its inputs, then the results.
// Arrays hold entries 0 to N (N return periods), entry 0 unused.
struct RunoffChartRecord {
    std::string DAText;          // trimmed
    std::int32_t LUSOption = 0;  // 0 factor from the class tables, 1 typed by the user
    std::int32_t CoverIndex = 0; // land-use class number from 1; 0 when none is chosen
    std::int32_t SlopeIndex = 0; // slope class number from 1; 0 when none is chosen
    std::string UserLFText;      // trimmed

    double LF = 0;
    std::vector<double> FFs;
    std::vector<double> LFxFFs;
    double ChartQ = 0; // -1 when the drainage area lies outside the band table
    std::vector<double> Qs;
};

// The input box that a refused runoff chart input asks the window to focus.
enum class RunoffChartField { None, DrainageArea, UserLF };

namespace VoskRunoffChart {

// Loads the return periods with their frequency factors (TblVRCRPFFQuery), the
// chart bands (TblVRCChartQuery), the drainage-area bounds (TblVRCDataQuery
// with Parm "DALB" and "DAUB"), the land-use and slope classes (TblVRCCover,
// TblVRCSlope) and their factors (TblVRCLUSDFactors). A missing table, query,
// parameter or field, an unreadable value, an empty class or factor table or a
// class ArrayNum outside 0 to the class count throws AppError naming it, and
// leaves every table empty, as before any load. A factor row naming a class
// outside the class tables is skipped.
void LoadRunoffChartTables();

// The bands' lower bounds and factors, entries 1 to NumRunoffChartBands() + 1.
const std::vector<RunoffChartBand>& RunoffChartBands();
// Chart rows minus 1 (the last row only closes the last band); -1 without rows.
std::int32_t NumRunoffChartBands();
// The drainage-area bounds of the input, acres; -1 when the catalogue has none.
double MinChartDA();
double MaxChartDA();

// The factor of a land-use class and a slope class (numbers from 1); 0 for a
// class number outside the tables or a pair the factor table does not list.
double GetLandUseSlopeFactor(std::int32_t cover, std::int32_t slope);

// Kfac x A ^ Cfac of the first band D(i) <= A <= D(i+1), so that an area on a
// boundary uses the lower band; -1 when no band holds A. Throws AppError when
// the power or product fails (an area of 0 with a negative Cfac, overflow).
double ComputeChartQ(double drainageArea);

// Checks the window's inputs in order; the first refused one sets errorFlag 1,
// the message and the field to focus. A valid input leaves 0, "" and None.
void ValidateRunoffChartInput(const RunoffChartRecord& record, std::int32_t& errorFlag,
                              std::string& message, RunoffChartField& field);

// Fills LF, FFs, LFxFFs, ChartQ and Qs of a record that passed the validation.
// Throws AppError on a drainage-area text that is not a number or a product
// too large to hold.
void ComputeRunoffChartQs(RunoffChartRecord& record);

} // namespace VoskRunoffChart
