#include "general_design/TailwaterChannel.h"

#include "platform/Dialogs.h"
#include "platform/UiText.h"

bool PrepareForDepths(TailwaterChannel& channel) {
    if (auto fault = channel.Validate()) {
        channel.ShowChannelWindow();
        Dialogs::Message(ToQString(*fault));
        return false;
    }
    channel.Prepare();
    return true;
}
