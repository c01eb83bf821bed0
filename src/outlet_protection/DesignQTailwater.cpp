#include "outlet_protection/DesignQTailwater.h"

#include "general_design/TailwaterChannel.h"
#include "platform/Dialogs.h"
#include "platform/InputChecks.h"
#include "platform/Numbers.h"
#include "platform/UiText.h"

#include <QLineEdit>

void ComputeTailwaterDepth(TailwaterChannel* channel, const QLineEdit& designQ,
                           QLineEdit& tailwaterDepth) {
    if (!channel || !PrepareForDepths(*channel)) {
        return;
    }
    tailwaterDepth.clear();
    InputChecks::NumberCheck q;
    q.field = "txtDesignQ";
    q.text = TrimmedText(designQ.text());
    q.required = "A Design Q is required to compute the Tailwater Depth.";
    q.notNumeric = "Design Q can not be evaluated as a number. Please re-enter.";
    q.rules.push_back({InputChecks::Positive, "Design Q is <=0. Design Q must be > 0."});
    const InputChecks::Outcome outcome = InputChecks::Check(std::span(&q, 1));
    if (outcome.failure) {
        Dialogs::Message(ToQString(outcome.failure->message));
        return;
    }
    const auto depth = channel->NormalDepth(outcome.values[0]);
    if (!depth) {
        Dialogs::Message("The tailwater depth could not be found in the channel for this "
                         "design Q. The Tailwater Depth is left blank.");
        return;
    }
    tailwaterDepth.setText(ToQString(Numbers::Format(*depth, Numbers::GroupedTwoDecimals)));
}
