#pragma once

#include "hydraulics/StandardSizeRecords.h"

// The agency's standard reinforced concrete arch pipes: their sizes
// (GlobalVariables::StdRCArchPipeSizes) and inlet-control designs.
namespace StandardRCArchPipe {

// The family's inlet-control constants, key "PACInletParameters"; read only by
// this module's designs.
extern InletCoeffSet PACInletCoeffs;

// Start-up entry: ReadStandardRCArchPipeSizes.
void LoadStandardRCArchPipeSizes();
// PACInletCoeffs and the sizes of table TblVSHAPipeArch.
void ReadStandardRCArchPipeSizes();
// Every size, in catalogue order, by inlet control (pipe-arch).
void ComputeStandardRCArchPipeDesigns(const StdDesignInput& input,
                                      StdDesignResults<StdArchDesignRow>& results);

} // namespace StandardRCArchPipe
