#include "hydraulics/StandardPipeMod.h"

#include "hydraulics/CatalogueTables.h"
#include "hydraulics/StandardFamily.h"
#include "platform/CatalogueDatabase.h"

namespace StandardPipeMod {

InletCoeffSet RCPInletCoeffs;

void LoadStandardConcPipeSizes() {
    ReadStandardConcPipeSizes();
}

void ReadStandardConcPipeSizes() {
    const CatalogueDatabase db;
    StandardFamily::ReadInletCoeffs(db, "RCPInletParameters", RCPInletCoeffs);
    StandardFamily::ReadPipeSizes(db, "VSHAStandardConcPipeSizes",
                                  GlobalVariables::StdConcPipeSizes);
}

void ComputeStandardConcPipeDesigns(const StdDesignInput& input,
                                    StdDesignResults<StdPipeDesignRow>& results) {
    StandardFamily::ComputePipeDesigns(GlobalVariables::StdConcPipeSizes, RCPInletCoeffs, input,
                                       results);
}

} // namespace StandardPipeMod
