#pragma once

#include "hydraulics/CatalogueTables.h"
#include "inlets/DropInletDesignRecords.h"

#include <vector>

// The drop inlet: a box whose three-sided crest (a front of width W and two
// sides of length L) spills into reinforced concrete box or concrete pipe
// barrels. From the design inputs it derives the barrel slope and the least
// total crest length, searches the standard boxes and pipes for barrels whose
// controlling headwater lies between inlet invert + LHWBarrelFraction x rise
// and the allowable elevation, and fills the weir table.
//
// Division by zero, a power of a negative head and overflow throw AppError;
// nothing else is checked here (the window checks the inputs first).
namespace DropInletMod {

// The constants loaded at start-up, read by every computation that is not
// handed its own.
extern DropInletParameters Parameters;

// Reads every constant from the catalogue's DropInletParametersQuery, the
// first row of each key; a key without a row keeps its preset (-1 for the
// weir, roughness and loss constants, 0 for the barrel counts and the default
// option) or, without one, what it held.
void ReadDropInletParameters();
int GetWeirCalcDefaultOption();

// The numbers of the texts, the barrel slope (the tangent of the barrel's
// angle: the length runs along the barrel; 0 unless the inlet stands above
// the outlet by less than the length), Manning n and the least total crest length.
void PrepareDropInletDesignData(DropInletDesignData& data,
                                const DropInletParameters& parameters = Parameters);

// Lt = Q / (Cw (AllowableHWElev - WeirElev)^p).
double ComputeMinimumWeirLength(double Q, double AllowableHWElev, double WeirElev,
                                const DropInletParameters& parameters = Parameters);

// Full-flow barrel loss hL = [(K1 + K2 + K3) / 2g + n^2 L / (1.486^2 R^(4/3))] Q^2 / A^2;
// 0 for a barrel without size.
double ComputeBoxFullFlowHeadLoss(double Q, double B, double D, double L, double K1, double K2,
                                  double K3, double n);
double ComputePipeFullFlowHeadLoss(double Q, double D, double L, double K1, double K2, double K3,
                                   double n);

// Every passing box of 1 to NumRCBBarrels barrels (each carrying its share),
// in table order.
void ComputeDropInletRCBBarrels(
    const DropInletDesignData& data, std::vector<DropInletBarrelResult>& results,
    const DropInletParameters& parameters = Parameters,
    const std::vector<StdRCBoxSize>& sizes = GlobalVariables::StdRCBoxSizes);

// Every passing pipe of exactly NumRCPBarrels barrels, in table order. The
// pipe design is single-barrel: each candidate carries the whole discharge.
void ComputeDropInletRCPBarrels(
    const DropInletDesignData& data, std::vector<DropInletPipeResult>& results,
    const DropInletParameters& parameters = Parameters,
    const std::vector<StdPipeSize>& sizes = GlobalVariables::StdConcPipeSizes);

// Fills the computed texts (and values) of every row for the table's option;
// another option leaves the table untouched.
void ComputeWeirCalcs(DropInletWeirCalc& calc, const DropInletParameters& parameters = Parameters);

} // namespace DropInletMod
