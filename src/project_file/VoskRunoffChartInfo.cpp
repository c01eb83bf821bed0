#include "project_file/VoskRunoffChartInfo.h"

#include "hydrology/FrmVoskRunoffChart.h"
#include "project_file/VoskRunoffChartRecords.h"

namespace FileHandling {
namespace {

using Box = VoskRunoffChartRecords::Box;

static_assert(VoskRunoffChartRecords::NoSelection == RunoffChartContents::NoSelection);

VoskRunoffChartRecords::Data SectionData(const RunoffChartContents& contents) {
    VoskRunoffChartRecords::Data data;
    data.drainageArea = contents.drainageArea;
    data.lusOption = contents.lusOption;
    data.landUsePosition = contents.landUsePosition;
    data.slopePosition = contents.slopePosition;
    data.userDescription = contents.userDescription;
    data.userLF = contents.userLF;
    data.chartQ = contents.chartQ;
    for (const auto& row : contents.results) {
        data.qs.push_back(row[2]);
    }
    return data;
}

FrmVoskRunoffChart::Input WindowInput(Box box) {
    switch (box) {
    case Box::DrainageArea:
        return FrmVoskRunoffChart::Input::DrainageArea;
    case Box::UserDescription:
        return FrmVoskRunoffChart::Input::UserDescription;
    case Box::UserLF:
        break;
    }
    return FrmVoskRunoffChart::Input::UserLF;
}

// The reader's view of the window: every setter acts as the user's edit or
// click would, so inputs clear the results that follow them in the file.
class WindowTarget final : public VoskRunoffChartRecords::Target {
public:
    explicit WindowTarget(FrmVoskRunoffChart& w) : w_(w) {}

    void SetBoxText(Box box, const std::string& text) override {
        w_.SetInputText(WindowInput(box), text);
    }
    void SelectLUSOption(int option) override { w_.SelectLUSOption(option); }
    int LandUseCount() const override { return w_.LandUseCount(); }
    void SelectLandUse(int position) override { w_.SelectLandUse(position); }
    int SlopeCount() const override { return w_.SlopeCount(); }
    void SelectSlope(int position) override { w_.SelectSlope(position); }
    void SetChartQ(const std::string& text) override { w_.SetChartQText(text); }
    int ResultRows() const override { return w_.ResultRows(); }
    void SetQ(int row, const std::string& text) override { w_.SetResultQ(row, text); }

private:
    FrmVoskRunoffChart& w_;
};

} // namespace

void WriteVoskRunoffChartInfo(RecordWriter& out) {
    VoskRunoffChartRecords::Write(out, SectionData(FrmVoskRunoffChart::Instance()->Contents()));
}

void ReadVoskRunoffChartInfo(FieldReader& in) {
    WindowTarget target(*FrmVoskRunoffChart::Instance());
    VoskRunoffChartRecords::ReadRecord(in, target);
}

} // namespace FileHandling
