#pragma once

#include <array>
#include <string>
#include <vector>

// What each hydrology window shows at one moment, control by control: texts as
// typed or shown, list choices by position, and the results grid's data rows
// (rows 1 to the last, cells as shown). The reports print these and the
// project file stores them, so neither needs the windows' widgets.

struct RunoffChartContents {
    static constexpr int NoSelection = -1;
    std::string drainageArea;
    int lusOption = 0; // 0 "Select" (factor from the lists), 1 "Specify" (typed)
    int landUsePosition = NoSelection;
    std::string landUseText; // as listed, leading blank included
    int slopePosition = NoSelection;
    std::string slopeText;
    std::string lfSelect; // the listed classes' factor as shown
    std::string userDescription;
    std::string userLF;
    std::string chartQ;
    std::vector<std::array<std::string, 3>> results; // return period, FF, Q
};

struct USGSRegressionContents {
    std::array<std::string, 3> regionDA; // regions 1 to 3
    std::string mainChannelSlope;
    std::string orlenLobeArea;
    std::string totalDA;
    std::vector<std::array<std::string, 2>> results; // return period, Q
};

struct Mavo1987Contents {
    std::array<std::string, 5> regionDA; // regions 1 to 5
    std::string totalDA;
    std::vector<std::array<std::string, 2>> results; // return period, Q
};
