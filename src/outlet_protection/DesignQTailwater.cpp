#include "outlet_protection/DesignQTailwater.h"

#include "general_design/TailwaterChannel.h"
#include "outlet_protection/FormLayout.h"
#include "platform/Dialogs.h"
#include "platform/InputChecks.h"
#include "platform/Numbers.h"
#include "platform/UiText.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

void ComputeTailwaterDepth(TailwaterChannel* channel, const QLineEdit& designQ,
                           QLineEdit& tailwaterDepth, const std::string& designQName) {
    if (!channel || !ValidateForDepths(*channel)) {
        return;
    }
    InputChecks::NumberCheck q;
    q.field = "txtDesignQ";
    q.text = TrimmedText(designQ.text());
    q.required = "A Design Q is required to compute the Tailwater Depth.";
    q.notNumeric = "Design Q can not be evaluated as a number. Please re-enter.";
    q.rules.push_back({InputChecks::Positive, "Design Q is <=0. Design Q must be > 0."});
    q.tooLarge = "Design Q is too large. Please re-enter.";
    q.tooSmall = "Design Q is too small. Please re-enter.";
    const std::span checks(&q, 1);
    const InputChecks::Outcome outcome = InputChecks::CheckUnbounded(checks);
    if (outcome.failure) {
        tailwaterDepth.clear();
        Dialogs::Message(ToQString(outcome.failure->message));
        return;
    }
    // The bound after the Design Q's own checks; a channel beyond it leaves
    // the depth as a refused channel does.
    if (!PrepareForDepths(*channel)) {
        return;
    }
    if (const auto failure = InputChecks::FirstOutOfBounds(checks, outcome.values)) {
        tailwaterDepth.clear();
        Dialogs::Message(ToQString(failure->message));
        return;
    }
    const auto depth = channel->NormalDepth(outcome.values[0]);
    if (!depth) {
        tailwaterDepth.clear();
        Dialogs::Message(
            ToQString("The tailwater depth could not be found in the channel for this " +
                      designQName + ". The Tailwater Depth is left blank."));
        return;
    }
    tailwaterDepth.setText(ToQString(Numbers::Format(*depth, Numbers::GroupedTwoDecimals)));
}

DesignQFrame BuildDesignQFrame(QWidget* parent, double left, double top) {
    using FormLayout::Place;
    using FormLayout::RightLabel;
    DesignQFrame f;
    f.frame = Place(new QGroupBox("Design Parameters", parent), left, top, 10215, 1215);
    RightLabel(f.frame, "Design Q (ft^3/s)", 360, 360, 1215);
    f.designQ = Place(new QLineEdit(f.frame), 1680, 360, 1335, 285);
    RightLabel(f.frame, "Tailwater Depth (ft)", 240, 720, 1350);
    f.tailwaterDepth = Place(new QLineEdit(f.frame), 1680, 720, 1335, 285);
    f.computeTWDepth = Place(new QPushButton("Compute TW Depth", f.frame), 3360, 720, 1875, 330);
    f.computeTWDepth->setEnabled(false);
    return f;
}
