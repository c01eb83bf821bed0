#include "hydraulics/StandardSteelPipeArchMod.h"

#include "hydraulics/CatalogueTables.h"
#include "hydraulics/StandardFamily.h"
#include "platform/CatalogueDatabase.h"

namespace StandardSteelPipeArchMod {

InletCoeffSet SPAInletCoeffs;

void LoadStandardSteelPipeArchSizes() {
    ReadStandardSteelPipeArchSizes();
}

void ReadStandardSteelPipeArchSizes() {
    const CatalogueDatabase db;
    StandardFamily::ReadInletCoeffs(db, "SPAInletParameters", SPAInletCoeffs);
    StandardFamily::ReadPipeArchSizes(db, "TblVSHASteelPipeArch", "IDSteelPipeArch",
                                      GlobalVariables::StdSteelPipeArchSizes);
}

void ComputeStandardSteelPipeArchDesigns(const StdDesignInput& input,
                                         StdDesignResults<StdArchDesignRow>& results) {
    StandardFamily::ComputePipeArchDesigns(GlobalVariables::StdSteelPipeArchSizes, SPAInletCoeffs,
                                           input, results);
}

} // namespace StandardSteelPipeArchMod
