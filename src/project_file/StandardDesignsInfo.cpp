#include "project_file/StandardDesignsInfo.h"

#include "platform/FlexGrid.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/StandardDesignsRecords.h"
#include "standard_designs/FrmVSHAStandardDesigns.h"

namespace FileHandling {
namespace {

using StandardDesignsRecords::Box;

static_assert(ProjectFileFormat::MaxGridRow < FlexGrid::MaxRows,
              "the reader's row cap must fit the grid");

FrmVSHAStandardDesigns::Input WindowInput(Box box) {
    switch (box) {
    case Box::TotalQ:
        return FrmVSHAStandardDesigns::Input::TotalQ;
    case Box::HMax:
        return FrmVSHAStandardDesigns::Input::HMax;
    case Box::HMin:
        return FrmVSHAStandardDesigns::Input::HMin;
    case Box::InletInvertElev:
        break;
    }
    return FrmVSHAStandardDesigns::Input::InletInvertElev;
}

// The reader's view of the window: every setter acts as the user's edit or
// click would.
class WindowTarget final : public StandardDesignsRecords::Target {
public:
    explicit WindowTarget(FrmVSHAStandardDesigns& w) : w_(w) {}

    void SetBoxText(Box box, const std::string& text) override {
        w_.SetInputText(WindowInput(box), text);
    }
    int GridRows(int gridNumber) const override { return w_.GridRows(gridNumber); }
    int GridCols(int gridNumber) const override { return w_.GridCols(gridNumber); }
    void SetGridRows(int gridNumber, int rows) override { w_.SetGridRows(gridNumber, rows); }
    void SetGridCell(int gridNumber, int row, int col, const std::string& text) override {
        w_.SetGridCell(gridNumber, row, col, text);
    }
    void CheckIncludeMultipleBarrels() override { w_.SetIncludeMultipleBarrels(true); }
    void SetDesignSelect(int gridNumber, int row) override { w_.SetDesignSelect(gridNumber, row); }

private:
    FrmVSHAStandardDesigns& w_;
};

} // namespace

void WriteVSHAStandardDesignInfo(RecordWriter& out) {
    StandardDesignsRecords::Write(out, FrmVSHAStandardDesigns::Instance()->Contents());
}

void ReadVSHAStandardDesignInfo(FieldReader& in) {
    WindowTarget target(*FrmVSHAStandardDesigns::Instance());
    StandardDesignsRecords::ReadRecord(in, target);
}

} // namespace FileHandling
