#pragma once

#include "general_design/TailwaterChannel.h"
#include "platform/Dialogs.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// A channel whose check and depths a test sets. It records the discharges it
// was asked for and the refusal it was asked to show, which it shows as the
// channel window does.
class FakeTailwaterChannel : public TailwaterChannel {
public:
    std::optional<InputChecks::Failure> fault; // what Validate finds
    std::optional<double> depth;               // of every discharge, unless depthOf is set
    std::function<std::optional<double>(double Q)> depthOf;
    std::vector<double> asked;
    bool prepared = false;
    std::optional<InputChecks::Failure> refused;

    // A fault of the channel's slope, as the channel window words it.
    static InputChecks::Failure SlopeFault(const std::string& message) {
        return {"TxtChannelSlope", message};
    }

    std::optional<InputChecks::Failure> Validate() override { return fault; }
    std::optional<InputChecks::Failure> OutOfBounds() override { return std::nullopt; }
    void Refuse(const InputChecks::Failure& failure) override {
        refused = failure;
        Dialogs::Message(QString::fromStdString(failure.message));
    }
    void Prepare() override { prepared = true; }
    std::optional<double> NormalDepth(double Q) override {
        asked.push_back(Q);
        return depthOf ? depthOf(Q) : depth;
    }
};
