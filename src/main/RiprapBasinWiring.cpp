#include "main/RiprapBasinWiring.h"

#include "riprap_basin/modHec14RRYo.h"
#include "riprap_basin/modHec14Riprap.h"

namespace RiprapBasinWiring {

Wiring::Step InitBrinkDepthCurves() {
    return {"modHec14RRYo.InitBrinkDepthCurves", modHec14RRYo::InitBrinkDepthCurves};
}

Wiring::Step InitializeHec14Tables() {
    return {"modHec14Riprap.InitializeHec14Tables", modHec14Riprap::InitializeHec14Tables};
}

} // namespace RiprapBasinWiring
