#pragma once

#include <array>
#include <string>
#include <vector>

// What the tailwater Q-depth window shows at one moment, cell texts as shown:
// the report and the project file take it without the widgets.
struct QDepthContents {
    static constexpr int NumModes = 3;
    static constexpr int NoMode = -1;
    // The mode options' captions, by mode.
    static constexpr std::array<const char*, NumModes> ModeCaptions = {
        "Given Q, Find Depth and Elevation", "Given Depth, Find Q and Elevation",
        "Given Elevation, Find Q and Depth"};

    // The design grids, in the window's order from the top.
    enum DesignGrid { RunoffChart, Mavo1987, Yuld2001, NumDesignGrids };

    // Q, depth and elevation.
    static constexpr int QElevColumns = 3;
    using QElevRow = std::array<std::string, QElevColumns>;
    // Return period, Q, depth and elevation.
    static constexpr int DesignColumns = 4;
    using DesignRow = std::array<std::string, DesignColumns>;

    int mode = NoMode;           // the selected option, NoMode when none is
    std::vector<QElevRow> qElev; // grid rows 1 to the last
    std::array<std::vector<DesignRow>, NumDesignGrids> design;
};
