#pragma once

#include <array>
#include <string>
#include <vector>

class FieldReader;
class RecordWriter;

// The channel cross-section section: the points that hold anything (row,
// station, elevation, Manning n), then the left and right over-bank stations
// and the channel slope.
namespace TWCrossSectionRecords {

// The grid's rows 1 to NumPoints; the reader takes every one of them.
inline constexpr int NumPoints = 50;

using PointTexts = std::array<std::string, 3>;

struct Data {
    std::vector<PointTexts> points; // grid rows 1 to the last, as shown
    std::string leftOBStation;
    std::string rightOBStation;
    std::string channelSlope;
};

void Write(RecordWriter& out, const Data& data);

enum class Box { LeftOBStation = 2, RightOBStation = 3, ChannelSlope = 4 };

// The window as the reader sees it; rows 1 to NumPoints, columns 1 to 3.
class Target {
public:
    virtual ~Target() = default;
    virtual void SetPointCell(int row, int col, const std::string& text) = 0;
    virtual void SetBoxText(Box box, const std::string& text) = 0;
};

// Reads the rest of one record after its marker and applies it; a point row
// outside 1 to NumPoints is dropped, and an unknown item reads nothing more.
// Whatever is dropped is skipped as SkippedRecord says, for Open to report.
void ReadRecord(FieldReader& in, Target& target);

} // namespace TWCrossSectionRecords
