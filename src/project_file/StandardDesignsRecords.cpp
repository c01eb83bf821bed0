#include "project_file/StandardDesignsRecords.h"

#include "project_file/FieldReader.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"
#include "project_file/SkippedRecord.h"
#include "project_file/Tools.h"

#include <array>

namespace StandardDesignsRecords {
namespace {

using StandardDesignTables::NumGrids;

constexpr std::array<int, NumGrids> GridItems = {4, 5, 6, 7, 11};
constexpr int MultipleBarrelsItem = 8;
constexpr int SelectionItem = 10;

RecordWriter& Record(RecordWriter& out, int item) {
    return out.Text(ProjectFileFormat::Markers::VSHAStandardDesignInfo).Integer(item);
}

void WriteText(RecordWriter& out, Box box, const std::string& text) {
    Record(out, static_cast<int>(box)).Text(Tools::StoredText(text)).EndRecord();
}

// Column 0 holds only the selection mark, which the selection record restores.
void WriteGrid(RecordWriter& out, int gridNumber, const Data::GridCells& cells) {
    for (size_t r = 0; r < cells.size(); ++r) {
        for (size_t c = 1; c < cells[r].size(); ++c) {
            if (Tools::TrimBlanks(cells[r][c]).empty()) {
                continue;
            }
            Record(out, GridItem(gridNumber))
                .Integer(static_cast<int>(r) + 1)
                .Integer(static_cast<int>(c))
                .Text(Tools::StoredText(cells[r][c]))
                .EndRecord();
        }
    }
}

void ReadGridCell(FieldReader& in, Target& target, int gridNumber) {
    const int row = in.ReadInteger();
    const int col = in.ReadInteger();
    const std::string text = in.ReadText();
    if (row < 1 || row > ProjectFileFormat::MaxGridRow || col < 1 ||
        col >= target.GridCols(gridNumber)) {
        SkippedRecord::Skip(SkippedRecord::OutsideGrid);
    }
    if (row >= target.GridRows(gridNumber)) {
        target.SetGridRows(gridNumber, row + 1);
    }
    target.SetGridCell(gridNumber, row, col, text);
}

} // namespace

int GridItem(int gridNumber) {
    return GridItems[static_cast<size_t>(gridNumber - 1)];
}

void Write(RecordWriter& out, const Data& data) {
    WriteText(out, Box::TotalQ, data.totalQ);
    WriteText(out, Box::HMax, data.hMax);
    WriteText(out, Box::HMin, data.hMin);
    WriteText(out, Box::InletInvertElev, data.inletInvertElev);
    for (int grid = 1; grid <= NumGrids; ++grid) {
        WriteGrid(out, grid, data.Grid(grid));
    }
    Record(out, MultipleBarrelsItem).Integer(data.includeMultipleBarrels ? 1 : 0).EndRecord();
    Record(out, SelectionItem).Integer(data.selectedGrid).Integer(data.selectedRow).EndRecord();
}

void ReadRecord(FieldReader& in, Target& target) {
    const int item = in.ReadInteger();
    switch (item) {
    case static_cast<int>(Box::TotalQ):
    case static_cast<int>(Box::HMax):
    case static_cast<int>(Box::HMin):
    case static_cast<int>(Box::InletInvertElev):
        target.SetBoxText(static_cast<Box>(item), in.ReadText());
        return;
    case MultipleBarrelsItem:
        if (const int flag = in.ReadInteger(); flag == 1) {
            target.CheckIncludeMultipleBarrels();
        } else {
            SkippedRecord::CheckFlag(flag);
        }
        return;
    case SelectionItem: {
        const int grid = in.ReadInteger();
        const int row = in.ReadInteger();
        // 0 and 0 is the writer's own mark for no selection. A row below the
        // grid's last may be one that a later record grows the grid to: the
        // window marks it then, and if none does, the read counts the
        // selection among what a save would not write back.
        const bool named = (grid == 0 && row == 0) || (grid >= 1 && grid <= NumGrids && row >= 1 &&
                                                       row <= ProjectFileFormat::MaxGridRow);
        target.SetDesignSelect(grid, row);
        if (!named) {
            SkippedRecord::Skip(SkippedRecord::NoSuchDesign);
        }
        return;
    }
    default:
        break;
    }
    for (int grid = 1; grid <= NumGrids; ++grid) {
        if (item == GridItem(grid)) {
            ReadGridCell(in, target, grid);
            return;
        }
    }
    SkippedRecord::Skip(SkippedRecord::UnknownItem);
}

} // namespace StandardDesignsRecords
