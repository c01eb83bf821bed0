#pragma once

#include "general_design/TailwaterChannel.h"
#include "tailwater/ChannelSection.h"

class FrmTailWaterCrossSection;

// The downstream channel as a tailwater service for the windows that compute
// tailwater depths (General Culvert Design, and the outlet protection windows
// after it): the channel window's controls read afresh at each Validate, the
// section prepared from them once per action, and the normal depth of each
// discharge on the channel's slope.
class CrossSectionTailwaterChannel : public TailwaterChannel {
public:
    explicit CrossSectionTailwaterChannel(FrmTailWaterCrossSection& window) : window_(window) {}

    std::optional<InputChecks::Failure> Validate() override;
    // Of the input of the last Validate that passed; without one, throws AppError.
    std::optional<InputChecks::Failure> OutOfBounds() override;
    void Refuse(const InputChecks::Failure& failure) override;
    // Uses the input of the last Validate that passed; without one, throws AppError.
    void Prepare() override;
    // Uses the section of the last Prepare; without one, throws AppError.
    std::optional<double> NormalDepth(double Q) override;

private:
    FrmTailWaterCrossSection& window_;
    CrossSectionInput input_;
    bool validated_ = false;
    ChannelSection section_;
    bool prepared_ = false;
};
