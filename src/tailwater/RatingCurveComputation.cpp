#include "tailwater/TailWaterMod.h"

#include "platform/AppError.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>

namespace TailWaterMod {

namespace {

// Steps from the bottom to the top; a last partial step shorter than a
// hundredth of a step is dropped. Not finite for an absurdly small step.
double StepCount(const ChannelSection& section, double stepSize) {
    const double steps =
        std::floor((section.TopElevation - section.MinElevation) / stepSize + 0.99);
    return std::max(steps, 1.0);
}

bool TooManyRows(double steps) {
    // Row 0, the bottom, comes on top of the steps.
    return !(steps + 1 <= MaxRatingCurveRows);
}

} // namespace

void ValidateRatingCurveStepSize(const std::string& stepText, int& errFlag, std::string& message) {
    errFlag = 1;
    const std::string text = Numbers::Trim(stepText);
    if (text.empty()) {
        message = "Please enter a value for the Step Size (> 0).";
    } else if (!Numbers::IsNumeric(text)) {
        message = "The value entered for Step Size can not be evaluated as a number. Please "
                  "re-enter the Step Size (> 0).";
    } else if (!(Numbers::ToDouble(text) > 0)) {
        message = "The Step Size must be > 0.";
    } else {
        errFlag = 0;
        message.clear();
    }
}

std::string RatingCurveRowsProblem(const ChannelSection& section, double stepSize) {
    if (TooManyRows(StepCount(section, stepSize))) {
        return "The step size gives more than 9,999 rows. Please enter a larger step size.";
    }
    return {};
}

void ComputeRatingCurve(const ChannelSection& section, RatingCurve& ratingCurve) {
    const double stepSize = ratingCurve.StepSize;
    if (!(stepSize > 0)) {
        throw AppError(ErrorNumber::InvalidArgument, "The rating curve step size must be > 0");
    }
    const double steps = StepCount(section, stepSize);
    if (TooManyRows(steps)) {
        throw AppError(ErrorNumber::SubscriptOutOfRange,
                       "The rating curve step size gives too many rows");
    }
    auto& rows = ratingCurve.Rows;
    rows.assign(1, RatingCurveRow{});
    rows[0].Elevation = section.MinElevation;
    ratingCurve.MinElevation = section.MinElevation;
    ratingCurve.TopElevation = section.TopElevation;

    double W = section.MinElevation;
    for (int i = 1; i <= static_cast<int>(steps); ++i) {
        W += stepSize;
        if (W > section.TopElevation) {
            W = section.TopElevation;
        }
        RatingCurveRow row;
        row.Elevation = W;
        row.Depth = W - section.MinElevation;
        ComputeConveyance(section, W, row.Area, row.Conveyance);
        row.Q = row.Conveyance * ratingCurve.SqrtSlope;
        row.Velocity = row.Area > 0 ? row.Q / row.Area : 0;
        rows.push_back(row);
    }
}

std::string RatingCurveOutOfRange(const RatingCurve& ratingCurve) {
    for (const RatingCurveRow& row : ratingCurve.Rows) {
        for (double value : {row.Q, row.Velocity, row.Area, row.Conveyance}) {
            if (!Numbers::Showable(value)) {
                return "The rating curve's discharges are too large to compute. Check the "
                       "Channel Slope and the Manning n values of the cross-section.";
            }
        }
    }
    return {};
}

void FillRatingCurveGrid(TextGrid& grid, const RatingCurve& ratingCurve) {
    const auto& rows = ratingCurve.Rows;
    grid.SetRows(1);
    grid.SetRows(static_cast<int>(rows.size()) + 1);
    for (size_t i = 0; i < rows.size(); ++i) {
        const RatingCurveRow& row = rows[i];
        const double cells[] = {row.Elevation, row.Depth, row.Q,
                                row.Velocity,  row.Area,  row.Conveyance};
        for (int c = 0; c < 6; ++c) {
            grid.SetTextMatrix(static_cast<int>(i) + 1, c,
                               Numbers::Format(cells[c], "###,###,###,##0.00"));
        }
    }
}

} // namespace TailWaterMod
