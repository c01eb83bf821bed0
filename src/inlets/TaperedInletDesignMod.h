#pragma once

#include "inlets/TaperedInletDesignRecords.h"

#include <vector>

// The tapered inlet design search: for a discharge Q and a band of heads H
// above the face (H-Min to H-Max, both inclusive), the standard boxes that can
// serve as the inlet face, the barrels the catalogue offers behind each face
// (stored query TaperedInletBarrelQuery) and, for each barrel, the first
// stored (Z, L) pair whose energy check passes, with the barrel's design depth
// and minimum slope. g = 32.1726 ft/s^2.
//
// Boxes with more barrels than MaxNumBarrels never become faces; nor do boxes
// with more barrels than the (Z, L) lists cover (MaxZLBarrels), whatever
// MaxNumBarrels says. A division by zero (a zero span, barrel count or depth
// fraction in the catalogue) throws AppError rather than giving inf or nan;
// so does a catalogue fault of the barrel query.
namespace TaperedInletDesignMod {

// Loaded once at start-up by ReadTaperedInletParameters; only read afterwards.
extern TaperedInletParameterSet TaperedInletParameters;

// Fills GlobalVariables::TaperedInletZLTable (TblTaperedInletZLQuery for 1,
// then 2 barrels, every row in query order) and TaperedInletParameters
// (TblTaperInletParametersQuery, the first row of each key; a key without a
// row leaves its values as they were).
void ReadTaperedInletParameters();

// The search on the loaded parameters, pair lists and standard boxes.
void ComputeTaperedInletDesigns(TaperedInletDesign& Design);
// The same search on the given ones; rewrites Design.Results completely.
void ComputeTaperedInletDesigns(TaperedInletDesign& Design,
                                const TaperedInletParameterSet& Parameters,
                                const TaperedInletZLLists& ZLTable,
                                const std::vector<StdRCBoxSize>& Boxes);

// Fills the Barrels of every result from TaperedInletBarrelQuery: one database
// open and one query for the whole search, run once per face.
void LookupTaperedInletBarrels(TaperedInletDesign& Design);

// The least barrel span the query accepts behind a face: 0.49 of the face span
// for one barrel, 0.59 for two.
double BarrelQueryLeastWidth(double FaceWidth, int NumBarrels);

// 1 when the energy available at the face, (Z + FaceCritEnergy) less the face
// friction over L / 2, covers the energy at the barrel's critical depth (with
// its friction over L / 2), and, when that depth lies above DepthLimit, the
// energy at DepthLimit too; else 0. Equality passes.
int CheckTaperedInletZL(double QBarrel, double ManningN, double BarrelWidth, double DepthLimit,
                        double Z, double L, double FaceCritEnergy, double FaceFrictionSlope);

// Depth + Velocity^2 / (2 g) + FrictionSlope x Length / 2.
double ComputeEnergyWithFriction(double Depth, double Velocity, double FrictionSlope,
                                 const double& Length);

} // namespace TaperedInletDesignMod

namespace GlobalVariables {
// The (Z, L) pair lists by barrel count, loaded at start-up.
extern TaperedInletZLLists TaperedInletZLTable;
} // namespace GlobalVariables
