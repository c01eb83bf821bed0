#include "hydraulics/StandardCorrMetalPipeMod.h"

#include "hydraulics/CatalogueTables.h"
#include "hydraulics/StandardFamily.h"
#include "platform/CatalogueDatabase.h"

namespace StandardCorrMetalPipeMod {

InletCoeffSet CMPInletCoeffs;

void LoadStandardCMPSizes() {
    ReadStandardCMPSizes();
}

void ReadStandardCMPSizes() {
    const CatalogueDatabase db;
    StandardFamily::ReadInletCoeffs(db, "CMPInletParameters", CMPInletCoeffs);
    StandardFamily::ReadPipeSizes(db, "VSHAStandardCorrMetalPipeSizes",
                                  GlobalVariables::StdCMPSizes);
}

void ComputeStandardCMPDesigns(const StdDesignInput& input,
                               StdDesignResults<StdPipeDesignRow>& results) {
    StandardFamily::ComputePipeDesigns(GlobalVariables::StdCMPSizes, CMPInletCoeffs, input,
                                       results);
}

} // namespace StandardCorrMetalPipeMod
