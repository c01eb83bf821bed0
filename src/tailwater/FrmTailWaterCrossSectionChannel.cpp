#include "tailwater/FrmTailWaterCrossSectionChannel.h"

#include "platform/AppError.h"
#include "tailwater/FrmTailWaterCrossSection.h"
#include "tailwater/TailWaterMod.h"

namespace {

[[noreturn]] void OutOfOrder(const char* what) {
    throw AppError(ErrorNumber::InvalidArgument,
                   std::string("The channel section was not ") + what + " first");
}

} // namespace

std::optional<InputChecks::Failure> CrossSectionTailwaterChannel::Validate() {
    validated_ = false;
    prepared_ = false;
    auto failure = window_.ReadSection(input_);
    validated_ = !failure;
    return failure;
}

std::optional<InputChecks::Failure> CrossSectionTailwaterChannel::OutOfBounds() {
    if (!validated_) {
        OutOfOrder("validated");
    }
    return InputChecks::FirstOutOfBounds(TailWaterMod::CrossSectionBounds(input_));
}

void CrossSectionTailwaterChannel::Refuse(const InputChecks::Failure& failure) {
    window_.Refuse(failure);
}

void CrossSectionTailwaterChannel::Prepare() {
    if (!validated_) {
        OutOfOrder("validated");
    }
    TailWaterMod::PrepareCrossSection(input_, section_);
    prepared_ = true;
}

std::optional<double> CrossSectionTailwaterChannel::NormalDepth(double Q) {
    if (!prepared_) {
        OutOfOrder("prepared");
    }
    double elevation = 0;
    double depth = 0;
    int errFlag = 0;
    std::string message;
    int iterations = 0;
    TailWaterMod::ComputeNormalDepth(section_, input_.Slope, Q, elevation, depth, errFlag, message,
                                     iterations);
    if (errFlag == 1) {
        return std::nullopt;
    }
    return depth;
}
