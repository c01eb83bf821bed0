#pragma once

#include <string>
#include <vector>

// The downstream channel: as typed and checked (CrossSectionInput), and as
// prepared for the conveyance computation (ChannelSection). Stations and
// elevations in ft; slope in ft/ft.

// One point of the channel cross-section grid, texts trimmed.
struct CrossSectionPointInput {
    std::string StationText;
    double Station = 0;
    std::string ElevationText;
    double Elevation = 0;
    // Empty when the cell is blank; ManningN is then 0 and the n of the point
    // before applies.
    std::string ManningNText;
    double ManningN = 0;
};

// The channel as entered. The caller sets the three texts (trimmed);
// TailWaterMod::ValidateCrossSectionData fills the rest.
struct CrossSectionInput {
    std::string LOBText;
    int LOBGiven = 0;  // 1 when a left over-bank station applies
    int LOBIndex = -1; // its point index, -1 when none
    std::string ROBText;
    int ROBGiven = 0;
    int ROBIndex = -1;
    std::string SlopeText;
    double Slope = 0;
    // Point k is grid row k + 1.
    std::vector<CrossSectionPointInput> Points;
};

// One straight ground segment, left point (X1, Y1) to right point (X2, Y2).
struct CrossSectionSegment {
    double X1 = 0;
    double Y1 = 0;
    double X2 = 0;
    double Y2 = 0;
    double DX = 0;
    double DY = 0;
    double Length = 0;
    double ManningN = 0;
    // 1 where a new roughness subsection starts at the left point.
    int NewSubsection = 0;
};

// The prepared section. Segment k (1 to last point index) joins point k - 1
// to point k; element 0 is not used.
struct ChannelSection {
    // Set by the channel window: 1 once it has drawn this section.
    int Plotted = 0;
    std::string LOBText;
    int LOBGiven = 0;
    int LOBIndex = -1;
    // Last segment of the left over-bank; -10 when there is none.
    int LOBSegment = -10;
    std::string ROBText;
    int ROBGiven = 0;
    int ROBIndex = -1;
    // First segment of the right over-bank; last point index + 10 when none.
    int ROBSegment = 0;
    double MinElevation = 0;
    double MaxElevation = 0;
    // The lower of the two end points: the top of the rating table.
    double TopElevation = 0;
    std::vector<CrossSectionSegment> Segments;
};
