#include "project_file/TWQDepthRecords.h"

#include "project_file/FieldReader.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"
#include "project_file/SkippedRecord.h"
#include "project_file/Tools.h"

namespace TWQDepthRecords {
namespace {

RecordWriter& Record(RecordWriter& out, int item) {
    return out.Text(ProjectFileFormat::Markers::TWQDepthInfo).Integer(item);
}

// The return periods of the design grids are laid out at start-up.
int FirstStoredColumn(Grid grid) {
    return grid == Grid::QElev ? 0 : 1;
}

// Cells that hold more than blanks, row by row.
void WriteCells(RecordWriter& out, Grid grid, const GridTexts& rows) {
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = static_cast<size_t>(FirstStoredColumn(grid)); c < rows[r].size(); ++c) {
            if (Tools::TrimBlanks(rows[r][c]).empty()) {
                continue;
            }
            Record(out, static_cast<int>(grid))
                .Integer(static_cast<int>(r) + 1)
                .Integer(static_cast<int>(c))
                .Text(Tools::StoredText(rows[r][c]))
                .EndRecord();
        }
    }
}

void ReadCell(FieldReader& in, Target& target, Grid grid) {
    const int row = in.ReadInteger();
    const int col = in.ReadInteger();
    const std::string text = in.ReadText();
    if (row < 1 || row >= target.GridRows(grid) || col < FirstStoredColumn(grid) ||
        col >= target.GridCols(grid)) {
        SkippedRecord::Skip(SkippedRecord::OutsideGrid);
    }
    target.SetGridCell(grid, row, col, text);
}

} // namespace

void Write(RecordWriter& out, const Data& data) {
    if (data.mode) {
        Record(out, 1).Integer(*data.mode).EndRecord();
    }
    WriteCells(out, Grid::QElev, data.qElev);
    WriteCells(out, Grid::RunoffChart, data.runoffChart);
    WriteCells(out, Grid::Yuld2001, data.yuld2001);
    WriteCells(out, Grid::Mavo1987, data.mavo1987);
}

void ReadRecord(FieldReader& in, Target& target) {
    const int item = in.ReadInteger();
    switch (item) {
    case 1:
        if (const int mode = in.ReadInteger(); mode >= 0 && mode < NumModes) {
            target.SelectMode(mode);
        } else {
            SkippedRecord::Skip(SkippedRecord::OutsideOptions);
        }
        break;
    case 2:
    case 3:
    case 4:
    case 5:
        ReadCell(in, target, static_cast<Grid>(item));
        break;
    default:
        SkippedRecord::Skip(SkippedRecord::UnknownItem);
    }
}

} // namespace TWQDepthRecords
