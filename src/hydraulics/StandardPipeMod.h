#pragma once

#include "hydraulics/StandardSizeRecords.h"

// The agency's standard reinforced concrete pipes: their sizes
// (GlobalVariables::StdConcPipeSizes) and inlet-control designs.
namespace StandardPipeMod {

// The family's inlet-control constants, key "RCPInletParameters"; read only by
// this module's designs.
extern InletCoeffSet RCPInletCoeffs;

// Start-up entry: ReadStandardConcPipeSizes.
void LoadStandardConcPipeSizes();
// RCPInletCoeffs and the sizes of table VSHAStandardConcPipeSizes.
void ReadStandardConcPipeSizes();
// Every size, in catalogue order, by inlet control (circular).
void ComputeStandardConcPipeDesigns(const StdDesignInput& input,
                                    StdDesignResults<StdPipeDesignRow>& results);

} // namespace StandardPipeMod
