#include "tailwater/TailWaterMod.h"

#include "platform/AppError.h"

#include <cmath>

namespace TailWaterMod {

namespace {

// Neighbouring n values closer than this belong to one subsection.
constexpr double SameRoughness = 1E-05;

CrossSectionSegment Segment(const CrossSectionPointInput& left, const CrossSectionPointInput& right,
                            double n) {
    CrossSectionSegment s;
    s.X1 = left.Station;
    s.Y1 = left.Elevation;
    s.X2 = right.Station;
    s.Y2 = right.Elevation;
    // Typed stations and elevations may be far apart enough to overflow.
    s.DX = CheckFinite(s.X2 - s.X1, "the cross-section segment width");
    s.DY = CheckFinite(s.Y2 - s.Y1, "the cross-section segment rise");
    s.Length = std::hypot(s.DX, s.DY);
    s.ManningN = n;
    return s;
}

} // namespace

void PrepareCrossSection(const CrossSectionInput& input, ChannelSection& section) {
    const auto& points = input.Points;
    if (points.size() < 2) {
        throw AppError(ErrorNumber::InvalidArgument,
                       "A cross-section of fewer than two points has no ground segment");
    }
    const int last = static_cast<int>(points.size()) - 1;

    section.LOBText = input.LOBText;
    section.LOBGiven = input.LOBGiven;
    section.LOBIndex = input.LOBIndex;
    section.LOBSegment = input.LOBGiven == 1 ? input.LOBIndex : -10;
    section.ROBText = input.ROBText;
    section.ROBGiven = input.ROBGiven;
    section.ROBIndex = input.ROBIndex;
    section.ROBSegment = input.ROBGiven == 1 ? input.ROBIndex + 1 : last + 10;

    section.Segments.assign(last + 1, CrossSectionSegment{});
    section.Segments[1] = Segment(points[0], points[1], points[0].ManningN);
    section.Segments[1].NewSubsection = 1;
    for (int k = 2; k <= last; ++k) {
        const double previousN = section.Segments[k - 1].ManningN;
        // A blank n carries the n of the point before forward.
        const double n = points[k - 1].ManningN > 0 ? points[k - 1].ManningN : previousN;
        section.Segments[k] = Segment(points[k - 1], points[k], n);
        section.Segments[k].NewSubsection = std::abs(n - previousN) >= SameRoughness ? 1 : 0;
    }

    section.MinElevation = points[0].Elevation;
    section.MaxElevation = points[0].Elevation;
    for (const auto& point : points) {
        if (point.Elevation < section.MinElevation) {
            section.MinElevation = point.Elevation;
        }
        if (point.Elevation > section.MaxElevation) {
            section.MaxElevation = point.Elevation;
        }
    }
    section.TopElevation =
        points[last].Elevation < points[0].Elevation ? points[last].Elevation : points[0].Elevation;
}

} // namespace TailWaterMod
