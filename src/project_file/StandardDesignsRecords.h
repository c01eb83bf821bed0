#pragma once

#include "standard_designs/StandardDesignsContents.h"

#include <string>

class FieldReader;
class RecordWriter;

// The VSHA Standard Designs section: the four input texts, the non-blank cells
// of the five result grids (the selection column excepted), the multiple-barrel
// box and the selected design. Results are kept as the texts shown, so nothing
// is recomputed when the file is read.
namespace StandardDesignsRecords {

// The text boxes the section carries, by item number.
enum class Box { TotalQ = 1, HMax = 2, HMin = 3, InletInvertElev = 27 };

// The item number of a result grid's cells, by grid number.
int GridItem(int gridNumber);

// What the writer stores is the window's contents as shown.
using Data = StandardDesignsContents;

void Write(RecordWriter& out, const Data& data);

// The window as the reader sees it. Row and column counts include the heading
// row; the reader sets only cells inside these counts, growing a grid first
// where a row lies below its last one (up to the reader's cap).
class Target {
public:
    virtual ~Target() = default;

    virtual void SetBoxText(Box box, const std::string& text) = 0;
    virtual int GridRows(int gridNumber) const = 0;
    virtual int GridCols(int gridNumber) const = 0;
    virtual void SetGridRows(int gridNumber, int rows) = 0;
    virtual void SetGridCell(int gridNumber, int row, int col, const std::string& text) = 0;
    virtual void CheckIncludeMultipleBarrels() = 0;
    // The pair as read, unchecked: the window drops a pair that names no
    // design, keeps the selected one selected, and marks a row below a grid's
    // last once a later record grows the grid to it.
    virtual void SetDesignSelect(int gridNumber, int row) = 0;
};

// Reads the rest of one record after its marker and applies it; cells out of
// range are dropped, and an unknown item number reads nothing more.
// Whatever is dropped is skipped as SkippedRecord says, for Open to report.
void ReadRecord(FieldReader& in, Target& target);

} // namespace StandardDesignsRecords
