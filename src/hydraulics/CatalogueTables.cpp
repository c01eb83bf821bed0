#include "hydraulics/CatalogueTables.h"

namespace GlobalVariables {

std::vector<GenDesignCulvertType> GenDesignCulvertTypes(1);

std::vector<StdPipeSize> StdConcPipeSizes(1);
std::vector<StdPipeSize> StdCMPSizes(1);
std::vector<StdRCBoxSize> StdRCBoxSizes(1);
std::vector<StdPipeArchSize> StdRCArchPipeSizes(1);
std::vector<StdPipeArchSize> StdSteelPipeArchSizes(1);

} // namespace GlobalVariables
