#pragma once

#include "hydraulics/StandardSizeRecords.h"

// The agency's standard corrugated steel pipe-arches: their sizes
// (GlobalVariables::StdSteelPipeArchSizes) and inlet-control designs.
namespace StandardSteelPipeArchMod {

// The family's inlet-control constants, key "SPAInletParameters"; read only by
// this module's designs.
extern InletCoeffSet SPAInletCoeffs;

// Start-up entry: ReadStandardSteelPipeArchSizes.
void LoadStandardSteelPipeArchSizes();
// SPAInletCoeffs and the sizes of table TblVSHASteelPipeArch.
void ReadStandardSteelPipeArchSizes();
// Every size, in catalogue order, by inlet control (pipe-arch).
void ComputeStandardSteelPipeArchDesigns(const StdDesignInput& input,
                                         StdDesignResults<StdArchDesignRow>& results);

} // namespace StandardSteelPipeArchMod
