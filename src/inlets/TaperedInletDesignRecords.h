#pragma once

#include "hydraulics/StandardSizeRecords.h"

#include <array>
#include <string>
#include <vector>

// The records of one tapered inlet search and the design parameters it is
// steered by. Lists hold entries 0 to n with entry 0 empty, as the catalogue
// tables do; a list with entry 0 only is empty. Feet, ft^3/s, ft/ft.

// One barrel that the catalogue offers behind one candidate face. MinZ and
// MinL are -1 (with ZLFound 0, BarrelDepth and MinSlopePct 0) when no stored
// (Z, L) pair passes for it.
struct TaperedInletBarrelOption {
    std::string WidthText;
    std::string HeightText;
    double Width = 0;
    double Height = 0;
    int NumBarrels = 0;
    int ZLFound = 0;
    double MinZ = 0;
    double MinL = 0;
    double BarrelDepth = 0;
    double MinSlopePct = 0; // percent
};

// One standard box that passes as the inlet face.
struct TaperedInletResult {
    int ZLFound = 0; // 1 when at least one of its barrels has a passing pair
    double QBarrel = 0;
    int NumBarrels = 0;
    std::string WidthText;
    std::string HeightText;
    double Width = 0;
    double Height = 0;
    double H = 0; // inlet-control head above the face's rise
    double FaceCritEnergy = 0;
    double FaceFrictionSlope = 0;
    std::vector<TaperedInletBarrelOption> Barrels{1};
};

// One search: the window fills the inputs, the search the results.
struct TaperedInletDesign {
    std::string QText;
    double Q = 0;
    std::string HMaxText;
    double HMax = 0;
    std::string HMinText;
    double HMin = 0;
    std::vector<TaperedInletResult> Results{1};
};

// A drop Z and a length L of the tapered section.
struct TaperedInletZLPair {
    double ZValueFt = 0;
    double LValueFt = 0;
};

struct TaperedInletZLList {
    std::vector<TaperedInletZLPair> Pairs{1}; // in order of preference
};

// The pair lists by barrel count: 1 and 2; list 0 stays empty.
inline constexpr int MaxZLBarrels = 2;
using TaperedInletZLLists = std::array<TaperedInletZLList, MaxZLBarrels + 1>;

// The six design parameters, zero until loaded.
struct TaperedInletParameterSet {
    int MaxNumBarrels = 0;
    double ManningN = 0;
    double BarrelDepthFrac = 0; // depth limit = fraction x barrel rise
    double CritDepthFrac = 0;   // design depth = fraction x barrel critical depth
    double TwinLFactor = 0;     // twin minimum L = (face span - barrel span) x factor
    InletCoeffSet RCBICCoeffs;  // inlet control of the box face
};
