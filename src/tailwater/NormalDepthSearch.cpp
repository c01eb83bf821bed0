#include "tailwater/SectionConveyance.h"
#include "tailwater/TailWaterMod.h"

#include <cmath>

namespace TailWaterMod {

namespace {

constexpr double DischargeTolerance = 1E-05; // ft^3/s
constexpr double ElevationTolerance = 1E-05; // ft
constexpr int MaxHalvings = 1001;
// Past this many steps (a thousand times the section's height) the upward
// march doubles its step, so that even an absurd discharge is bracketed in a
// few thousand steps instead of practically never.
constexpr int LinearMarchSteps = 10000;

const char* const LevelSection = "The cross-section points all lie at one elevation.";
const char* const BeyondNumbers =
    "The discharge is too large for the channel cross-section: its normal depth can not be "
    "computed.";
const char* const ElevationsTooLarge =
    "The elevations of the channel cross-section are too large for the normal depth search.";
const char* const NotConverged =
    "The normal depth search did not close in on the discharge within 1001 halvings.";

} // namespace

void ComputeNormalDepth(const ChannelSection& section, double slope, double Q, double& elevation,
                        double& depth, int& errFlag, std::string& message, int& iterations) {
    errFlag = 0;
    message.clear();
    // A failed search leaves no depth of an earlier call behind.
    elevation = 0;
    depth = 0;
    auto fail = [&](const char* text) {
        errFlag = 1;
        message = text;
    };
    auto found = [&](double W) {
        elevation = W;
        depth = W - section.MinElevation;
    };
    const double sqrtSlope = std::sqrt(slope);
    auto discharge = [&](double W) {
        double area = 0, conveyance = 0;
        SectionConveyance(section, W, area, conveyance);
        return conveyance * sqrtSlope;
    };

    double step = (section.MaxElevation - section.MinElevation) / 10;
    if (!(step > 0)) {
        fail(LevelSection);
        return;
    }

    // No upper bound: above its end points the section acts as walled, so the
    // discharge keeps rising with the water.
    double upper = section.MinElevation;
    double Qupper = 0;
    for (int steps = 1; !(Qupper > Q); ++steps) {
        if (steps > LinearMarchSteps) {
            step *= 2;
        }
        const double next = upper + step;
        if (next == upper) {
            fail(ElevationsTooLarge);
            return;
        }
        upper = next;
        Qupper = discharge(upper);
        if (!std::isfinite(Qupper)) {
            fail(BeyondNumbers);
            return;
        }
    }
    if (std::abs(Qupper - Q) < DischargeTolerance) {
        found(upper);
        return;
    }

    double lower = upper - step;
    if (lower < section.MinElevation) {
        lower = section.MinElevation;
    }
    if (std::abs(discharge(lower) - Q) < DischargeTolerance) {
        found(lower);
        return;
    }

    for (int count = 1; count <= MaxHalvings; ++count) {
        iterations = count;
        const double mid = (upper + lower) / 2;
        const double Qmid = discharge(mid);
        if (std::abs(Qmid - Q) < DischargeTolerance ||
            std::abs(upper - lower) < ElevationTolerance) {
            found(mid);
            return;
        }
        if (Qmid > Q) {
            upper = mid;
        } else {
            lower = mid;
        }
    }
    fail(NotConverged);
}

} // namespace TailWaterMod
