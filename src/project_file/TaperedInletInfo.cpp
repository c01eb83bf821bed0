#include "project_file/TaperedInletInfo.h"

#include "inlets/FrmTaperedInletDesign.h"
#include "platform/FlexGrid.h"
#include "project_file/TaperedInletRecords.h"

namespace FileHandling {
namespace {

using TaperedInletRecords::Box;

static_assert(TaperedInletRecords::MaxResultRow + 2 <= FlexGrid::MaxRows,
              "the reader's row cap must fit the grid");

TaperedInletRecords::Data SectionData(const TaperedInletContents& contents) {
    TaperedInletRecords::Data data;
    data.q = contents.q;
    data.hMax = contents.hMax;
    data.hMin = contents.hMin;
    for (const TaperedInletResults::RowTexts& row : contents.resultRows) {
        data.resultRows.emplace_back(row.begin(), row.end());
    }
    data.selectedRow = contents.selectedRow;
    data.includeMultipleBarrels = contents.includeMultipleBarrels;
    return data;
}

FrmTaperedInletDesign::Input WindowInput(Box box) {
    switch (box) {
    case Box::Q:
        return FrmTaperedInletDesign::Input::Q;
    case Box::HMax:
        return FrmTaperedInletDesign::Input::HMax;
    case Box::HMin:
        break;
    }
    return FrmTaperedInletDesign::Input::HMin;
}

// The reader's view of the window: every setter acts as the user's edit or
// click would.
class WindowTarget final : public TaperedInletRecords::Target {
public:
    explicit WindowTarget(FrmTaperedInletDesign& w) : w_(w) {}

    void SetBoxText(Box box, const std::string& text) override {
        w_.SetInputText(WindowInput(box), text);
    }
    int ResultRows() const override { return w_.ResultGridRows(); }
    int ResultCols() const override { return w_.ResultGridCols(); }
    void SetResultRows(int rows) override { w_.SetResultGridRows(rows); }
    void SetResultCell(int row, int col, const std::string& text) override {
        w_.SetResultCell(row, col, text);
    }
    void SetDesignSelectRow(int row) override { w_.SetDesignSelectRow(row); }
    void SetIncludeMultipleBarrels(bool include) override { w_.SetIncludeMultipleBarrels(include); }

private:
    FrmTaperedInletDesign& w_;
};

} // namespace

void WriteTaperedInletDesignInfo(RecordWriter& out) {
    TaperedInletRecords::Write(out, SectionData(FrmTaperedInletDesign::Instance()->Contents()));
}

void ReadTaperedInletDesignInfo(FieldReader& in) {
    WindowTarget target(*FrmTaperedInletDesign::Instance());
    TaperedInletRecords::ReadRecord(in, target);
}

} // namespace FileHandling
