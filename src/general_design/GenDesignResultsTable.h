#pragma once

#include <array>
#include <string>

// The results table of General Culvert Design, named once for the window that
// fills it, the report that prints it and the project file that keeps it.
namespace GenDesignResults {

enum Column : int {
    ReturnPeriod,
    Q,
    TW,
    HWElev,
    HWHead,
    ExitVel,
    ICHWElev,
    ICHead,
    OCHWElev,
    OCHead,
    ICExitVel,
    OCExitVel,
    CriticalDepth,
    NormalDepth,
    HydraulicSlope,
    ColumnCount
};

using HeadingLines = std::array<const char*, 3>;

struct ColumnHeading {
    HeadingLines shown;   // in the window's heading row
    HeadingLines printed; // in the report, where the tailwater column says what it is
};

inline constexpr std::array<ColumnHeading, ColumnCount> Headings = {{
    {{"Return", "Period", "(Years)"}, {"Return", "Period", "(Years)"}},
    {{"", "Q", "(ft^3/s)"}, {"", "Q", "(ft^3/s)"}},
    {{"", "TW", "(ft)"}, {"TW", "Depth", "(ft)"}},
    {{"HW", "Elev.", "(ft)"}, {"HW", "Elev.", "(ft)"}},
    {{"HW", "H", "(ft)"}, {"HW", "H", "(ft)"}},
    {{"Exit", "Vel.", "(ft/s)"}, {"Exit", "Vel.", "(ft/s)"}},
    {{"I.C. HW", "Elev.", "(ft)"}, {"I.C. HW", "Elev.", "(ft)"}},
    {{"I.C.", "H", "(ft)"}, {"I.C.", "H", "(ft)"}},
    {{"O.C. HW", "Elev.", "(ft)"}, {"O.C. HW", "Elev.", "(ft)"}},
    {{"O.C.", "H", "(ft)"}, {"O.C.", "H", "(ft)"}},
    {{"Exit Vel.", "I.C.", "(ft/s)"}, {"Exit Vel.", "I.C.", "(ft/s)"}},
    {{"Exit Vel.", "O.C.", "(ft/s)"}, {"Exit Vel.", "O.C.", "(ft/s)"}},
    {{"Crit.", "Depth", "(ft)"}, {"Crit.", "Depth", "(ft)"}},
    {{"Normal", "Depth", "(ft)"}, {"Normal", "Depth", "(ft)"}},
    {{"", "Hydraulic", "Slope"}, {"", "Hydraulic", "Slope"}},
}};

using RowTexts = std::array<std::string, ColumnCount>;

} // namespace GenDesignResults
