#pragma once

#include "platform/InputChecks.h"

#include <optional>

// What "Compute TW Depth's" needs of the downstream channel: the channel
// cross-section window's data and the normal-depth procedure of the tailwater
// tools.
class TailwaterChannel {
public:
    virtual ~TailwaterChannel() = default;
    // Checks the channel section as typed; its failure when it is not usable.
    virtual std::optional<InputChecks::Failure> Validate() = 0;
    // Holds the typed numbers of the section last checked to the bound; the
    // failure of the first beyond it.
    virtual std::optional<InputChecks::Failure> OutOfBounds() = 0;
    // Brings the channel window to the front and shows the failure, with the
    // focus in the input it names, so the engineer can correct it.
    virtual void Refuse(const InputChecks::Failure& failure) = 0;
    // Prepares the checked section for the depth computations that follow.
    virtual void Prepare() = 0;
    // The normal depth of a discharge in the channel, ft; nullopt when the
    // search found none.
    virtual std::optional<double> NormalDepth(double Q) = 0;
};

// Checks the channel; when it is not usable, brings its window to the front
// and says why, and gives false.
bool ValidateForDepths(TailwaterChannel& channel);

// Holds the checked channel to the bound, after the action's own checks, and
// prepares it for the depths that follow; when a value is beyond the bound,
// brings the channel window to the front and says which, and gives false.
bool PrepareForDepths(TailwaterChannel& channel);
