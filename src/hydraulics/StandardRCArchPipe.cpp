#include "hydraulics/StandardRCArchPipe.h"

#include "hydraulics/CatalogueTables.h"
#include "hydraulics/StandardFamily.h"
#include "platform/CatalogueDatabase.h"

namespace StandardRCArchPipe {

InletCoeffSet PACInletCoeffs;

void LoadStandardRCArchPipeSizes() {
    ReadStandardRCArchPipeSizes();
}

void ReadStandardRCArchPipeSizes() {
    const CatalogueDatabase db;
    StandardFamily::ReadInletCoeffs(db, "PACInletParameters", PACInletCoeffs);
    StandardFamily::ReadPipeArchSizes(db, "TblVSHAPipeArch", "VSHAPArchIDNum",
                                      GlobalVariables::StdRCArchPipeSizes);
}

void ComputeStandardRCArchPipeDesigns(const StdDesignInput& input,
                                      StdDesignResults<StdArchDesignRow>& results) {
    StandardFamily::ComputePipeArchDesigns(GlobalVariables::StdRCArchPipeSizes, PACInletCoeffs,
                                           input, results);
}

} // namespace StandardRCArchPipe
