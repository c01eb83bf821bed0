#pragma once

#include <optional>
#include <string>
#include <vector>

class FieldReader;
class RecordWriter;

// The tailwater Q-depth section: the selected mode, then every cell that
// holds more than blanks of the Q-elevation grid (all columns) and of the
// three design-discharge grids (columns 1 to the last: their return periods
// are laid out at start-up, not stored).
namespace TWQDepthRecords {

inline constexpr int NumModes = 3;

// The grids by their item number.
enum class Grid { QElev = 2, RunoffChart = 3, Yuld2001 = 4, Mavo1987 = 5 };

// Grid rows 1 to the last, each with its columns 0 to the last.
using GridTexts = std::vector<std::vector<std::string>>;

struct Data {
    std::optional<int> mode; // none when no option is selected
    GridTexts qElev;
    GridTexts runoffChart;
    GridTexts yuld2001;
    GridTexts mavo1987;
};

void Write(RecordWriter& out, const Data& data);

// The window as the reader sees it; counts include the heading row. The
// reader calls the setters only inside these counts and never grows a grid.
class Target {
public:
    virtual ~Target() = default;
    virtual void SelectMode(int mode) = 0;
    virtual int GridRows(Grid grid) const = 0;
    virtual int GridCols(Grid grid) const = 0;
    virtual void SetGridCell(Grid grid, int row, int col, const std::string& text) = 0;
};

// Reads the rest of one record after its marker and applies it; records out
// of range are dropped, and an unknown item reads nothing more.
// Whatever is dropped is skipped as SkippedRecord says, for Open to report.
void ReadRecord(FieldReader& in, Target& target);

} // namespace TWQDepthRecords
