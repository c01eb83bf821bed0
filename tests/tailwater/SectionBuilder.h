#pragma once

#include "tailwater/RatingCurve.h"
#include "tailwater/TailWaterMod.h"

#include <initializer_list>
#include <utility>

// A prepared section straight from its points, without the grid.
struct SectionPoint {
    double station;
    double elevation;
    double n; // 0 for a blank n
};

inline ChannelSection MakeSection(std::initializer_list<SectionPoint> points, int lobIndex = -1,
                                  int robIndex = -1) {
    CrossSectionInput input;
    for (const auto& p : points) {
        CrossSectionPointInput point;
        point.Station = p.station;
        point.Elevation = p.elevation;
        point.ManningN = p.n;
        input.Points.push_back(point);
    }
    input.LOBGiven = lobIndex >= 0 ? 1 : 0;
    input.LOBIndex = lobIndex;
    input.ROBGiven = robIndex >= 0 ? 1 : 0;
    input.ROBIndex = robIndex;
    ChannelSection section;
    TailWaterMod::PrepareCrossSection(input, section);
    return section;
}

// A rating table of (elevation, Q) rows.
inline RatingCurve
MakeRatingTable(std::initializer_list<std::pair<double, double>> elevationsAndQs) {
    RatingCurve curve;
    for (const auto& [elevation, q] : elevationsAndQs) {
        RatingCurveRow& row = curve.Rows.emplace_back();
        row.Elevation = elevation;
        row.Q = q;
    }
    return curve;
}
