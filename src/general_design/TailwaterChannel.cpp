#include "general_design/TailwaterChannel.h"

namespace {

bool Refused(TailwaterChannel& channel, const std::optional<InputChecks::Failure>& fault) {
    if (fault) {
        channel.Refuse(*fault);
    }
    return fault.has_value();
}

} // namespace

bool ValidateForDepths(TailwaterChannel& channel) {
    return !Refused(channel, channel.Validate());
}

bool PrepareForDepths(TailwaterChannel& channel) {
    if (Refused(channel, channel.OutOfBounds())) {
        return false;
    }
    channel.Prepare();
    return true;
}
