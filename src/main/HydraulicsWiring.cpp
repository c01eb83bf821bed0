#include "main/HydraulicsWiring.h"

#include "hydraulics/StandardCorrMetalPipeMod.h"
#include "hydraulics/StandardPipeMod.h"
#include "hydraulics/StandardRCArchPipe.h"
#include "hydraulics/StandardRCBoxMod.h"
#include "hydraulics/StandardSteelPipeArchMod.h"

namespace HydraulicsWiring {

std::vector<Wiring::Step> LoadStandardSizes() {
    return {
        {"StandardPipeMod.LoadStandardConcPipeSizes", StandardPipeMod::LoadStandardConcPipeSizes},
        {"StandardRCBoxMod.LoadStandardRCBoxSizes", StandardRCBoxMod::LoadStandardRCBoxSizes},
        {"StandardCorrMetalPipeMod.LoadStandardCMPSizes",
         StandardCorrMetalPipeMod::LoadStandardCMPSizes},
        {"StandardRCArchPipe.LoadStandardRCArchPipeSizes",
         StandardRCArchPipe::LoadStandardRCArchPipeSizes},
        {"StandardSteelPipeArchMod.LoadStandardSteelPipeArchSizes",
         StandardSteelPipeArchMod::LoadStandardSteelPipeArchSizes},
    };
}

} // namespace HydraulicsWiring
