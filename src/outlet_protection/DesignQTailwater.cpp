#include "outlet_protection/DesignQTailwater.h"

#include "general_design/TailwaterChannel.h"
#include "outlet_protection/FormLayout.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Refusal.h"
#include "platform/UiText.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

InputChecks::NumberCheck DesignQCheck(std::string field, std::string text, std::string required) {
    InputChecks::NumberCheck check;
    check.field = std::move(field);
    check.text = std::move(text);
    check.required = std::move(required);
    check.notNumeric = "Design Q can not be evaluated as a number. Please re-enter.";
    check.rules.push_back({InputChecks::Positive, "Design Q is <=0. Design Q must be > 0."});
    check.tooLarge = "Design Q is too large. Please re-enter.";
    check.tooSmall = "Design Q is too small. Please re-enter.";
    return check;
}

void ComputeTailwaterDepth(QWidget& window, TailwaterChannel* channel, const QLineEdit& designQ,
                           QLineEdit& tailwaterDepth, const std::string& designQName) {
    if (!channel || !ValidateForDepths(*channel)) {
        return;
    }
    const InputChecks::NumberCheck q =
        DesignQCheck(designQ.objectName().toStdString(), TrimmedText(designQ.text()),
                     "A Design Q is required to compute the Tailwater Depth.");
    const std::span checks(&q, 1);
    const InputChecks::Outcome outcome = InputChecks::CheckUnbounded(checks);
    if (outcome.failure) {
        tailwaterDepth.clear();
        Refusal::Show(window, *outcome.failure);
        return;
    }
    // The bound after the Design Q's own checks; a channel beyond it leaves
    // the depth as a refused channel does.
    if (!PrepareForDepths(*channel)) {
        return;
    }
    if (const auto failure = InputChecks::FirstOutOfBounds(checks, outcome.values)) {
        tailwaterDepth.clear();
        Refusal::Show(window, *failure);
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
    // Named as the windows' checks name them, for the focus after a refusal.
    f.designQ->setObjectName("txtDesignQ");
    f.tailwaterDepth->setObjectName("txtTailwaterDepth");
    f.computeTWDepth = Place(new QPushButton("Compute TW Depth", f.frame), 3360, 720, 1875, 330);
    f.computeTWDepth->setEnabled(false);
    return f;
}
