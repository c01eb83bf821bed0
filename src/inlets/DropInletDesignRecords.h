#pragma once

#include "hydraulics/StandardSizeRecords.h"

#include <string>
#include <vector>

// The records of one drop inlet command: the design inputs of Compute Barrels
// with what is derived from them, the box and pipe barrels that pass, and the
// weir table of Do Weir Computations. Lengths in feet, discharges in ft^3/s.
// Result lists hold entries 0 to n, entry 0 empty; n = 0 means no candidate.

struct DropInletDesignData {
    // As typed (trimmed), in the window's checked form.
    std::string QText;
    std::string AllowableHWElevText;
    std::string OutletInvertElevText;
    std::string InletInvertElevText;
    std::string TWDepthText;
    std::string WeirElevText;
    std::string BarrelLengthText;

    double Q = 0;
    double AllowableHWElev = 0;
    double OutletInvertElev = 0;
    double InletInvertElev = 0;
    double TWDepth = 0;
    double WeirElev = 0;
    double BarrelLength = 0; // along the barrel, not its plan length
    double Slope = 0;        // ft/ft
    double ManningN = 0;
    double MinTotalWeirLength = 0; // front width plus both sides
};

// One reinforced concrete box that passes.
struct DropInletBarrelResult {
    int NumBarrels = 0;
    double QBarrel = 0;
    std::string WidthText;
    double Width = 0;
    std::string HeightText;
    double Height = 0;
    double HeadLoss = 0;
    double OCHWElev = 0;
    double ICHWElev = 0;
    double HWElev = 0;
    double CriticalDepth = 0;
    double Ho = 0;
    double WeirWidth = 0;
    double WeirLength = 0; // each side; zero or negative when the barrels are wider than the crest
};

// One concrete pipe that passes.
struct DropInletPipeResult {
    int NumBarrels = 0;
    std::string DiameterText; // inches
    double Diameter = 0;      // feet
    double HeadLoss = 0;
    double OCHWElev = 0;
    double ICHWElev = 0;
    double HWElev = 0;
    double CriticalDepth = 0;
    double Ho = 0;
    double WeirWidth = 0;
    double WeirLength = 0;
};

// The three weir calculations, numbered as the window's option buttons.
enum DropInletWeirOption : int {
    WidthGivenComputeLength = 0,
    LengthGivenComputeWidth = 1,
    WidthAndLengthGivenComputeHW = 2,
    NumWeirOptions = 3
};

// One weir table: lists 0 to n for the grid's data rows 1 to n. A width or
// length of -1 marks a row without input.
struct DropInletWeirCalc {
    int WeirOption = 0;
    double Q = 0;
    double AllowableHWElev = 0;
    double WeirElev = 0;
    double MinTotalWeirLength = 0;
    std::vector<std::string> WidthTexts;
    std::vector<std::string> LengthTexts;
    std::vector<std::string> HWElevTexts;
    std::vector<double> Widths;
    std::vector<double> Lengths;
};

// The agency's drop inlet constants, each named after its catalogue key.
struct DropInletParameters {
    double WeirCoefficient = 0; // Cw of Q = Cw Lt H^p
    double WeirHPowCoeff = 0;   // p
    double ManningNReinforcedConcrete = 0;
    double EntranceLossCoefficient = 0;
    double BendLossCoefficient = 0;
    double ExitLossCoefficient = 0;
    int NumRCBBarrels = 0; // boxes of 1 to this many barrels are searched
    int NumRCPBarrels = 0; // pipes of exactly this many barrels are searched
    // The lowest acceptable headwater: inlet invert plus this fraction of the rise.
    double LHWBarrelFraction = 0;
    InletCoeffSet RCBICCoeffs;
    InletCoeffSet RCPICCoeffs;
    int WeirCalcDefaultOption = 0;
};
