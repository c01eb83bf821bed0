#pragma once

#include <array>
#include <string>
#include <vector>

// What the Drop Inlet Design window shows, control by control, at one moment:
// the seven inputs as typed, the check box, the weir option, both length
// captions exactly as shown, and the cells of the three grids. The report
// prints it and the project file stores it, so neither needs the widgets.
struct DropInletContents {
    // The design inputs, by their index in the window.
    enum Input : int {
        DesignQ,
        AllowableHWElev,
        WeirElev,
        BarrelLength,
        OutletInvertElev,
        TWDepth,
        InletInvertElev,
        NumInputs
    };

    // The grids, numbered as the barrel selection names them (the weir grid last).
    enum Grid : int { RCB = 1, RCP = 2, WeirCalc = 3 };
    static constexpr int RCBColumns = 8;
    static constexpr int RCPColumns = 6;
    static constexpr int WeirCalcColumns = 4;
    static constexpr int NoOption = -1;

    // Grid rows 1 to the last, each with its columns 0 to the last (column 0
    // holds the selection mark).
    using GridTexts = std::vector<std::vector<std::string>>;

    std::array<std::string, NumInputs> inputs;
    bool includeMultipleBarrels = false;
    std::string barrelWeirLength; // beside "Total Weir Length (ft):"
    std::string weirWeirLength;   // beside "Minimum Total Weir Length (ft):"
    int weirOption = NoOption;    // the selected weir calculation
    GridTexts rcb;
    GridTexts rcp;
    GridTexts weirCalc;
    int barrelSelectGrid = 0; // RCB or RCP; 0 with no barrel design selected
    int barrelSelectRow = 0;
    int weirSelectRow = 0;
};

namespace DropInletTexts {

// The mark of the selected row in column 0 of every grid.
inline const std::string SelectionMark = ">>";

inline const std::array<const char*, DropInletContents::NumInputs> InputCaptions = {
    "Design Q (cfs)",
    "Allowable Headwater Elevation (ft)",
    "Weir Elevation (ft)",
    "Barrel Length (ft)",
    "Barrel Outlet Elevation (ft)",
    "Tailwater Depth (ft)",
    "Barrel Inlet Elevation (ft)"};

// The weir calculations, by option number.
inline const std::array<const char*, 3> WeirOptionCaptions = {
    "Input Width(s), Compute Minimum Weir Length(s)",
    "Input Length(s), Compute Minimum Weir Width(s)",
    "Input Width and Length, Compute Headwater Elevation"};

} // namespace DropInletTexts
