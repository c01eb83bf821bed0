#include "project_file/DropInletRecords.h"

#include "project_file/FieldReader.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"
#include "project_file/SkippedRecord.h"
#include "project_file/Tools.h"

namespace DropInletRecords {
namespace {

RecordWriter& Record(RecordWriter& out, int item) {
    return out.Text(ProjectFileFormat::Markers::DropInletDesignInfo).Integer(item);
}

// Cells of columns 1 to the last that hold more than blanks, row by row.
void WriteCells(RecordWriter& out, Grid grid, const GridTexts& rows) {
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 1; c < rows[r].size(); ++c) {
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

// The barrel caption keeps its blanks; only a double quote, which would end
// its field early, is escaped.
std::string CaptionText(const std::string& caption) {
    return caption.find('"') == std::string::npos ? caption : Tools::ReplaceDoubleQuotes(caption);
}

// A data row of a grid with `rows` rows, the heading row included.
bool InsideRows(int row, int rows) {
    return row >= 1 && row < rows;
}

// The barrel grids grow to take a row beyond their last; the weir grid keeps its rows.
void ReadCell(FieldReader& in, Target& target, Grid grid) {
    const int row = in.ReadInteger();
    const int col = in.ReadInteger();
    const std::string text = in.ReadText();
    if (row < 1 || col < 1 || col >= target.GridCols(grid)) {
        SkippedRecord::Skip(SkippedRecord::OutsideGrid);
    }
    if (row >= target.GridRows(grid)) {
        if (grid == Grid::WeirCalc || row > ProjectFileFormat::MaxGridRow) {
            SkippedRecord::Skip(SkippedRecord::OutsideGrid);
        }
        target.SetGridRows(grid, row + 1);
    }
    target.SetGridCell(grid, row, col, text);
}

} // namespace

void Write(RecordWriter& out, const Data& data) {
    for (int i = 0; i < NumInputs; ++i) {
        Record(out, FirstInputItem + i)
            .Text(Tools::StoredText(data.inputs[static_cast<size_t>(i)]))
            .EndRecord();
    }
    WriteCells(out, Grid::RCB, data.rcb);
    WriteCells(out, Grid::RCP, data.rcp);
    WriteCells(out, Grid::WeirCalc, data.weirCalc);
    Record(out, 4).Text(Tools::ReplaceDoubleQuotes(data.weirWeirLength)).EndRecord();
    if (data.weirOption) {
        Record(out, 5).Integer(*data.weirOption).EndRecord();
    }
    Record(out, 6).Integer(data.barrelSelectGrid).Integer(data.barrelSelectRow).EndRecord();
    Record(out, 7).Integer(data.weirSelectRow).EndRecord();
    Record(out, 8).Integer(data.includeMultipleBarrels ? 1 : 0).EndRecord();
    Record(out, 9).Text(CaptionText(data.barrelWeirLength)).EndRecord();
}

void ReadRecord(FieldReader& in, Target& target) {
    const int item = in.ReadInteger();
    if (item >= FirstInputItem) {
        const std::string text = in.ReadText();
        if (item - FirstInputItem >= NumInputs) {
            SkippedRecord::Skip(SkippedRecord::UnknownItem);
        }
        target.SetInput(item - FirstInputItem, text);
        return;
    }
    switch (item) {
    case 1:
    case 2:
    case 3:
        ReadCell(in, target, static_cast<Grid>(item));
        break;
    case 4:
        target.SetWeirWeirLength(in.ReadText());
        break;
    case 5:
        if (const int option = in.ReadInteger(); option >= 0 && option < NumWeirOptions) {
            target.SelectWeirOption(option);
        } else {
            SkippedRecord::Skip(SkippedRecord::OutsideOptions);
        }
        break;
    case 6: {
        const int grid = in.ReadInteger();
        const int row = in.ReadInteger();
        // 0 and 0 is the writer's own mark for no selection. A row below a
        // barrel grid's last may be one that a later record grows the grid
        // to: the window marks it then, and if none does, the read counts the
        // selection among what a save would not write back.
        const bool named =
            (grid == 0 && row == 0) ||
            ((grid == static_cast<int>(Grid::RCB) || grid == static_cast<int>(Grid::RCP)) &&
             row >= 1 && row <= ProjectFileFormat::MaxGridRow);
        target.SetBarrelDesignSelect(grid, row);
        if (!named) {
            SkippedRecord::Skip(SkippedRecord::NoSuchDesign);
        }
        break;
    }
    case 7: {
        const int row = in.ReadInteger();
        const bool named = row == 0 || InsideRows(row, target.GridRows(Grid::WeirCalc));
        target.SetWeirDesignSelectRow(row);
        if (!named) {
            SkippedRecord::Skip(SkippedRecord::NoSuchDesign);
        }
        break;
    }
    case 8: {
        const int flag = in.ReadInteger();
        target.SetIncludeMultipleBarrels(flag == 1);
        SkippedRecord::CheckFlag(flag);
        break;
    }
    case 9:
        target.SetBarrelWeirLength(in.ReadText());
        break;
    default:
        SkippedRecord::Skip(SkippedRecord::UnknownItem);
    }
}

} // namespace DropInletRecords
