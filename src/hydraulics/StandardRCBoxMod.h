#pragma once

#include "hydraulics/StandardSizeRecords.h"

// The agency's standard reinforced concrete boxes: their sizes
// (GlobalVariables::StdRCBoxSizes) and inlet-control designs.
namespace StandardRCBoxMod {

// The family's inlet-control constants, key "RCBInletParameters"; read only by
// this module's designs.
extern InletCoeffSet RCBInletCoeffs;

// Start-up entry: ReadStandardRCBoxSizes.
void LoadStandardRCBoxSizes();
// RCBInletCoeffs and the sizes of table VSHAStandardRCBoxSizes (feet), with
// their inch values.
void ReadStandardRCBoxSizes();
// Every size, in catalogue order, by inlet control (box; the rise is the height).
void ComputeStandardRCBoxDesigns(const StdDesignInput& input,
                                 StdDesignResults<StdBoxDesignRow>& results);

} // namespace StandardRCBoxMod
