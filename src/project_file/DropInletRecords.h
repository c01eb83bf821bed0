#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

class FieldReader;
class RecordWriter;

// The Drop Inlet Design section: the seven inputs, the three grids' cells as
// shown, the two length captions, the weir option, both selections and the
// multiple-barrels box. Results are kept as the texts shown, so nothing is
// recomputed when the file is read.
namespace DropInletRecords {

inline constexpr int NumInputs = 7;
inline constexpr int NumWeirOptions = 3;
// Input i is stored as item FirstInputItem + i.
inline constexpr int FirstInputItem = 20;

// The grids by their item number (and, for the barrel grids, their number in
// the barrel selection).
enum class Grid { RCB = 1, RCP = 2, WeirCalc = 3 };

// Grid rows 1 to the last, each with its columns 0 to the last; column 0
// carries the selection mark and is never stored.
using GridTexts = std::vector<std::vector<std::string>>;

// What the writer stores, as the window shows it.
struct Data {
    std::array<std::string, NumInputs> inputs;
    GridTexts rcb;
    GridTexts rcp;
    GridTexts weirCalc;
    std::string weirWeirLength;    // the weir frame's caption
    std::optional<int> weirOption; // none when no option is selected
    int barrelSelectGrid = 0;
    int barrelSelectRow = 0;
    int weirSelectRow = 0;
    bool includeMultipleBarrels = false;
    std::string barrelWeirLength; // the barrels frame's caption
};

void Write(RecordWriter& out, const Data& data);

// The window as the reader sees it. Row and column counts include the
// heading row and column 0; the reader calls the setters only with rows,
// columns and indexes inside these counts (the barrel grids it may first
// grow, up to the reader's cap; the weir grid never).
class Target {
public:
    virtual ~Target() = default;

    virtual void SetInput(int index, const std::string& text) = 0;
    virtual int GridRows(Grid grid) const = 0;
    virtual int GridCols(Grid grid) const = 0;
    virtual void SetGridRows(Grid grid, int rows) = 0;
    virtual void SetGridCell(Grid grid, int row, int col, const std::string& text) = 0;
    virtual void SetWeirWeirLength(const std::string& caption) = 0;
    virtual void SelectWeirOption(int option) = 0;
    // The window's own selection operations: the selected row stays
    // selected, and a barrel row below its grid's last is marked once a
    // later record grows the grid to it.
    virtual void SetBarrelDesignSelect(int grid, int row) = 0;
    virtual void SetWeirDesignSelectRow(int row) = 0;
    virtual void SetIncludeMultipleBarrels(bool include) = 0;
    virtual void SetBarrelWeirLength(const std::string& caption) = 0;
};

// Reads the rest of one record after its marker and applies it; records out
// of range are dropped, and an unknown item number reads nothing more.
// Whatever is dropped is skipped as SkippedRecord says, for Open to report.
void ReadRecord(FieldReader& in, Target& target);

} // namespace DropInletRecords
