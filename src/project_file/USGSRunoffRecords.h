#pragma once

#include <string>
#include <vector>

class FieldReader;
class RecordWriter;

// The USGS 2001 regression section: the drainage area of each region, the
// two watershed characteristics, and the Q column and total area as shown.
// Nothing in the window reacts to these controls, so the order of the
// records decides nothing.
namespace USGSRunoffRecords {

// The two boxes arrays by their item number.
enum class Boxes { DrainageArea = 1, WatershedChar = 2 };

// What the writer stores, as the window shows it.
struct Data {
    std::vector<std::string> drainageAreas;  // region 1 first
    std::vector<std::string> watershedChars; // main channel slope, Orlen Lobe area
    std::vector<std::string> qs;             // the Q column, grid rows 1 to the last
    std::string totalDA;
};

void Write(RecordWriter& out, const Data& data);

// The window as the reader sees it. The reader calls the setters only with
// indexes and rows inside the counts given.
class Target {
public:
    virtual ~Target() = default;

    virtual int BoxCount(Boxes boxes) const = 0;
    virtual void SetBoxText(Boxes boxes, int index, const std::string& text) = 0;
    // Grid rows, the heading row included; the grid is never grown.
    virtual int ResultRows() const = 0;
    virtual void SetQ(int row, const std::string& text) = 0;
    virtual void SetTotalDA(const std::string& text) = 0;
};

// Reads the rest of one record after its marker and applies it; what is out
// of range is dropped, and an unknown item number reads nothing more.
// Whatever is dropped is skipped as SkippedRecord says, for Open to report.
void ReadRecord(FieldReader& in, Target& target);

} // namespace USGSRunoffRecords
