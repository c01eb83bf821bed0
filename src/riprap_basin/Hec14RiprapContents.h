#pragma once

#include "general_design/CulvertInputContents.h"

#include <array>
#include <string>

// The rows of the riprap basin window's results grid, names and values.
namespace Hec14RiprapResults {
inline constexpr int NumRows = 17;
enum Row {
    BrinkTW,
    Hs,
    BasinLength,
    PoolLength,
    ApronLength,
    HsOverD50,
    TWOverYo,
    Yo,
    Vo,
    BrinkFlowArea,
    CriticalDepth,
    NormalDepth,
    HydraulicSlope,
    Ye,
    FroudeNumber,
    D50OverYe,
    HsOverYe
};
inline constexpr std::array<const char*, NumRows> Names = {"Brink TW (ft)",
                                                           "hs (ft)",
                                                           "Basin Length (ft)",
                                                           "Pool Length (ft)",
                                                           "Apron Length (ft)",
                                                           "hs/d50",
                                                           "TW/Yo",
                                                           "Yo (ft)",
                                                           "Vo (ft/s)",
                                                           "Brink Flow Area (ft^2)",
                                                           "Critical Depth (ft)",
                                                           "Normal Depth (ft)",
                                                           "Hydraulic Slope",
                                                           "Ye (ft)",
                                                           "Froude Number",
                                                           "d50/Ye",
                                                           "hs/Ye"};
} // namespace Hec14RiprapResults

// What the HEC-14 Riprap Basin Design window shows at one moment: the culvert
// block, the hidden channel bottom box, the design Q and tailwater depth as
// typed, and the results as the last Compute (or the project file) left them.
struct Hec14RiprapContents {
    CulvertInputContents culvert;
    std::string channelBottomElevation;
    std::string designQ;
    std::string tailwaterDepth;

    std::string w;
    std::string d50;
    std::string recommendedD50; // the class
    std::string calculatedApproach;
    std::string recommendedApproach;
    std::string calculatedBasin;
    std::string recommendedBasin;
    std::array<std::string, Hec14RiprapResults::NumRows> resultNames;
    std::array<std::string, Hec14RiprapResults::NumRows> resultValues;
};
