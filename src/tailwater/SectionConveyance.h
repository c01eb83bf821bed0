#pragma once

#include "tailwater/ChannelSection.h"

namespace TailWaterMod {

// ComputeConveyance without the overflow check: an absurd elevation gives a
// non-finite area or conveyance, which the normal-depth search reports as its
// own failure.
void SectionConveyance(const ChannelSection& section, double W, double& area, double& conveyance);

} // namespace TailWaterMod
