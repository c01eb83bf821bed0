#pragma once

#include <string>
#include <vector>

class FieldReader;
class RecordWriter;

// The Vosk Runoff Chart section: the typed inputs, the way the land-use
// factor is given, both class lists by position, and the chart discharge and
// Q column as shown. The results come after the inputs in the file because
// setting an input clears them in the window.
namespace VoskRunoffChartRecords {

inline constexpr int NoSelection = -1;

// The text boxes by their item number.
enum class Box { DrainageArea = 1, UserDescription = 5, UserLF = 6 };

// What the writer stores, as the window shows it.
struct Data {
    std::string drainageArea;
    int lusOption = 0; // 0 "Select", 1 "Specify"
    int landUsePosition = NoSelection;
    int slopePosition = NoSelection;
    std::string userDescription;
    std::string userLF;
    std::string chartQ;
    std::vector<std::string> qs; // the Q column, grid rows 1 to the last
};

void Write(RecordWriter& out, const Data& data);

// The window as the reader sees it; every setter acts as the user's edit
// would, reactions included. The reader calls the setters only with
// positions and rows inside the counts given.
class Target {
public:
    virtual ~Target() = default;

    virtual void SetBoxText(Box box, const std::string& text) = 0;
    virtual void SelectLUSOption(int option) = 0;
    virtual int LandUseCount() const = 0;
    virtual void SelectLandUse(int position) = 0;
    virtual int SlopeCount() const = 0;
    virtual void SelectSlope(int position) = 0;
    virtual void SetChartQ(const std::string& text) = 0;
    // Grid rows, the heading row included; the grid is never grown.
    virtual int ResultRows() const = 0;
    virtual void SetQ(int row, const std::string& text) = 0;
};

// Reads the rest of one record after its marker and applies it; what is out
// of range is dropped, and an unknown item number reads nothing more.
// Whatever is dropped is skipped as SkippedRecord says, for Open to report.
void ReadRecord(FieldReader& in, Target& target);

} // namespace VoskRunoffChartRecords
