#pragma once

#include "hydraulics/StandardSizeRecords.h"

// The agency's standard corrugated metal pipes: their sizes
// (GlobalVariables::StdCMPSizes) and inlet-control designs.
namespace StandardCorrMetalPipeMod {

// The family's inlet-control constants, key "CMPInletParameters"; read only by
// this module's designs.
extern InletCoeffSet CMPInletCoeffs;

// Start-up entry: ReadStandardCMPSizes.
void LoadStandardCMPSizes();
// CMPInletCoeffs and the sizes of table VSHAStandardCorrMetalPipeSizes.
void ReadStandardCMPSizes();
// Every size, in catalogue order, by inlet control (circular).
void ComputeStandardCMPDesigns(const StdDesignInput& input,
                               StdDesignResults<StdPipeDesignRow>& results);

} // namespace StandardCorrMetalPipeMod
