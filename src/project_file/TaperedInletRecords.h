#pragma once

#include "project_file/ProjectFileFormat.h"

#include <string>
#include <vector>

class FieldReader;
class RecordWriter;

// The Tapered Inlet Design section: the three inputs, the results grid's
// non-blank cells as shown, the selected row and the multiple-barrels tick.
// Nothing is recomputed when the file is read.
namespace TaperedInletRecords {

// The text boxes the section carries, by item number.
enum class Box { Q = 1, HMax = 2, HMin = 3 };

// The highest results row the reader takes: it keeps one empty row below the
// highest row read, and the grid must hold that row too.
inline constexpr int MaxResultRow = ProjectFileFormat::MaxGridRow - 1;

// What the writer stores, as the window shows it.
struct Data {
    std::string q;
    std::string hMax;
    std::string hMin;
    // Grid rows 1 to the last, columns 0 to the last; column 0 (the selection
    // mark) is not stored.
    std::vector<std::vector<std::string>> resultRows;
    int selectedRow = 0; // 0 when none
    bool includeMultipleBarrels = false;
};

void Write(RecordWriter& out, const Data& data);

// The window as the reader sees it. Counts include the heading row; the
// reader sets cells only inside them, after growing the rows up to
// MaxResultRow + 2.
class Target {
public:
    virtual ~Target() = default;

    virtual void SetBoxText(Box box, const std::string& text) = 0;
    virtual int ResultRows() const = 0;
    virtual int ResultCols() const = 0;
    virtual void SetResultRows(int rows) = 0;
    virtual void SetResultCell(int row, int col, const std::string& text) = 0;
    // Any row: the selected one stays selected; one outside the grid leaves
    // none, unless a later record grows the grid to it.
    virtual void SetDesignSelectRow(int row) = 0;
    virtual void SetIncludeMultipleBarrels(bool include) = 0;
};

// Reads the rest of one record after its marker and applies it; records out
// of range are dropped, and an unknown item number reads nothing more.
// Whatever is dropped is skipped as SkippedRecord says, for Open to report.
void ReadRecord(FieldReader& in, Target& target);

} // namespace TaperedInletRecords
