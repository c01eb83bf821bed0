#include "project_file/DropInletInfo.h"

#include "inlets/FrmDropInletDesign.h"
#include "platform/FlexGrid.h"
#include "project_file/DropInletRecords.h"
#include "project_file/ProjectFileFormat.h"

namespace FileHandling {
namespace {

using Grid = DropInletRecords::Grid;

static_assert(DropInletRecords::NumInputs == DropInletContents::NumInputs);
static_assert(DropInletRecords::NumWeirOptions == NumWeirOptions);
static_assert(static_cast<int>(Grid::RCB) == DropInletContents::RCB &&
              static_cast<int>(Grid::RCP) == DropInletContents::RCP &&
              static_cast<int>(Grid::WeirCalc) == DropInletContents::WeirCalc);
static_assert(ProjectFileFormat::MaxGridRow < FlexGrid::MaxRows,
              "the reader's row cap must fit the grid");

DropInletRecords::Data SectionData(const DropInletContents& contents) {
    DropInletRecords::Data data;
    data.inputs = contents.inputs;
    data.rcb = contents.rcb;
    data.rcp = contents.rcp;
    data.weirCalc = contents.weirCalc;
    data.weirWeirLength = contents.weirWeirLength;
    if (contents.weirOption != DropInletContents::NoOption) {
        data.weirOption = contents.weirOption;
    }
    data.barrelSelectGrid = contents.barrelSelectGrid;
    data.barrelSelectRow = contents.barrelSelectRow;
    data.weirSelectRow = contents.weirSelectRow;
    data.includeMultipleBarrels = contents.includeMultipleBarrels;
    data.barrelWeirLength = contents.barrelWeirLength;
    return data;
}

DropInletContents::Grid WindowGrid(Grid grid) {
    return static_cast<DropInletContents::Grid>(static_cast<int>(grid));
}

// The reader's view of the window: every setter acts as the user's edit or
// click would.
class WindowTarget final : public DropInletRecords::Target {
public:
    explicit WindowTarget(FrmDropInletDesign& w) : w_(w) {}

    void SetInput(int index, const std::string& text) override { w_.SetInputText(index, text); }
    int GridRows(Grid grid) const override { return w_.GridRows(WindowGrid(grid)); }
    int GridCols(Grid grid) const override { return w_.GridCols(WindowGrid(grid)); }
    void SetGridRows(Grid grid, int rows) override { w_.SetGridRows(WindowGrid(grid), rows); }
    void SetGridCell(Grid grid, int row, int col, const std::string& text) override {
        w_.SetGridCell(WindowGrid(grid), row, col, text);
    }
    void SetWeirWeirLength(const std::string& caption) override {
        w_.SetWeirWeirLengthCaption(caption);
    }
    void SelectWeirOption(int option) override { w_.SelectWeirOption(option); }
    void SetBarrelDesignSelect(int grid, int row) override { w_.SetBarrelDesignSelect(grid, row); }
    void SetWeirDesignSelectRow(int row) override { w_.SetWeirDesignSelectRow(row); }
    void SetIncludeMultipleBarrels(bool include) override { w_.SetIncludeMultipleBarrels(include); }
    void SetBarrelWeirLength(const std::string& caption) override {
        w_.SetBarrelWeirLengthCaption(caption);
    }

private:
    FrmDropInletDesign& w_;
};

} // namespace

void WriteDropInletDesignInfo(RecordWriter& out) {
    DropInletRecords::Write(out, SectionData(FrmDropInletDesign::Instance()->Contents()));
}

void ReadDropInletDesignInfo(FieldReader& in) {
    WindowTarget target(*FrmDropInletDesign::Instance());
    DropInletRecords::ReadRecord(in, target);
}

} // namespace FileHandling
