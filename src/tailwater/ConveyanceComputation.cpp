#include "tailwater/SectionConveyance.h"
#include "tailwater/TailWaterMod.h"

#include "platform/AppError.h"

#include <cmath>

namespace TailWaterMod {

namespace {

constexpr double ManningConstant = 1.486;
constexpr double FiveThirds = 5.0 / 3.0;
constexpr double TwoThirds = 2.0 / 3.0;

// One roughness subsection or wetted stretch while it is summed.
struct Subsection {
    double area = 0;
    double perimeter = 0;
    double n = 0;
};

} // namespace

void SectionConveyance(const ChannelSection& section, double W, double& area, double& conveyance) {
    area = 0;
    conveyance = 0;
    const auto& segments = section.Segments;
    const int last = static_cast<int>(segments.size()) - 1;
    if (last < 1) {
        return;
    }
    // An over-bank neither stores nor carries water until the water is above
    // its bank point; then all of it counts, low ground behind the bank too.
    const bool leftDry = section.LOBGiven == 1 && !(W > segments[section.LOBSegment].Y2);
    const bool rightDry = section.ROBGiven == 1 && !(W > segments[section.ROBSegment].Y1);

    Subsection sub{0, 0, segments[1].ManningN};
    auto close = [&] {
        area += sub.area;
        if (sub.perimeter > 0) {
            conveyance += ManningConstant / sub.n * std::pow(sub.area, FiveThirds) /
                          std::pow(sub.perimeter, TwoThirds);
        }
        sub.area = 0;
        sub.perimeter = 0;
    };

    for (int i = 1; i <= last; ++i) {
        const CrossSectionSegment& s = segments[i];
        if (s.NewSubsection == 1) {
            close();
            sub.n = s.ManningN;
        }
        if ((leftDry && i <= section.LOBSegment) || (rightDry && i >= section.ROBSegment)) {
            continue;
        }
        // A point exactly at the water surface is dry.
        const bool leftWet = W > s.Y1;
        const bool rightWet = W > s.Y2;
        if (!leftWet && rightWet) {
            // The ground falls into the water: a wetted stretch starts here.
            const double xw = s.X2 + (s.X1 - s.X2) * (W - s.Y2) / (s.Y1 - s.Y2);
            const double d = W - s.Y2;
            const double w = s.X2 - xw;
            sub.area = d * w / 2;
            sub.perimeter = std::sqrt(w * w + d * d);
        } else if (leftWet && !rightWet) {
            // The ground rises out of the water: the stretch conveys on its own.
            const double xw = s.X1 + (s.X2 - s.X1) * (W - s.Y1) / (s.Y2 - s.Y1);
            const double d = W - s.Y1;
            const double w = xw - s.X1;
            sub.area += d * w / 2;
            sub.perimeter += std::sqrt(w * w + d * d);
            close();
        } else if (leftWet && rightWet) {
            sub.area += ((W - s.Y1) + (W - s.Y2)) / 2 * s.DX;
            sub.perimeter += s.Length;
        }
    }
    close();
}

void ComputeConveyance(const ChannelSection& section, double W, double& area, double& conveyance) {
    SectionConveyance(section, W, area, conveyance);
    CheckFinite(area, "the channel flow area");
    CheckFinite(conveyance,
                "the channel conveyance: check the Manning n values of the cross-section");
}

} // namespace TailWaterMod
