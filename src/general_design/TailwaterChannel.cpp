#include "general_design/TailwaterChannel.h"

#include "platform/Dialogs.h"
#include "platform/UiText.h"

namespace {

bool Refused(TailwaterChannel& channel, const std::optional<std::string>& fault) {
    if (!fault) {
        return false;
    }
    channel.ShowChannelWindow();
    Dialogs::Message(ToQString(*fault));
    return true;
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
