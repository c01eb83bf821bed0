#pragma once

#include <array>
#include <string>
#include <vector>

class FieldReader;
class RecordWriter;

// The rating curve section: the step size, then, when the table has a first
// row, every row of it with its six cells (elevation, depth, Q, velocity,
// area, conveyance) as shown. The reader restores the texts; it draws no plot.
namespace TWRatingCurveRecords {

inline constexpr int NumColumns = 6;
using RowTexts = std::array<std::string, NumColumns>;

// The highest row the reader takes: the most rows a rating table can have.
inline constexpr int MaxRow = 9999;

struct Data {
    std::string stepSize;
    std::vector<RowTexts> rows; // grid rows 1 to the last, as shown
};

void Write(RecordWriter& out, const Data& data);

// The window as the reader sees it; row counts include the heading row.
class Target {
public:
    virtual ~Target() = default;
    virtual void SetStepSize(const std::string& text) = 0;
    virtual int Rows() const = 0;
    virtual void SetRows(int rows) = 0;
    virtual void SetCell(int row, int col, const std::string& text) = 0;
};

// Reads the rest of one record after its marker and applies it. A row beyond
// the grid's last grows the grid to hold it; a row below 1 or above MaxRow is
// dropped; an unknown item reads nothing more.
// Whatever is dropped is skipped as SkippedRecord says, for Open to report.
void ReadRecord(FieldReader& in, Target& target);

} // namespace TWRatingCurveRecords
