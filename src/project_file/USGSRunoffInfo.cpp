#include "project_file/USGSRunoffInfo.h"

#include "hydrology/FrmUSGSRegression.h"
#include "project_file/USGSRunoffRecords.h"

namespace FileHandling {
namespace {

using Boxes = USGSRunoffRecords::Boxes;

USGSRunoffRecords::Data SectionData(const USGSRegressionContents& contents) {
    USGSRunoffRecords::Data data;
    data.drainageAreas.assign(contents.regionDA.begin(), contents.regionDA.end());
    data.watershedChars = {contents.mainChannelSlope, contents.orlenLobeArea};
    for (const auto& row : contents.results) {
        data.qs.push_back(row[1]);
    }
    data.totalDA = contents.totalDA;
    return data;
}

class WindowTarget final : public USGSRunoffRecords::Target {
public:
    explicit WindowTarget(FrmUSGSRegression& w) : w_(w) {}

    int BoxCount(Boxes boxes) const override {
        return static_cast<int>(boxes == Boxes::DrainageArea ? w_.TxtDA.size()
                                                             : w_.TxtWSChar.size());
    }
    void SetBoxText(Boxes boxes, int index, const std::string& text) override {
        if (boxes == Boxes::DrainageArea) {
            w_.SetDrainageAreaText(index, text);
        } else {
            w_.SetWatershedCharText(index, text);
        }
    }
    int ResultRows() const override { return w_.ResultRows(); }
    void SetQ(int row, const std::string& text) override { w_.SetResultQ(row, text); }
    void SetTotalDA(const std::string& text) override { w_.SetTotalDAText(text); }

private:
    FrmUSGSRegression& w_;
};

} // namespace

void WriteUSGSRunoffInfo(RecordWriter& out) {
    USGSRunoffRecords::Write(out, SectionData(FrmUSGSRegression::Instance()->Contents()));
}

void ReadUSGSRunoffInfo(FieldReader& in) {
    WindowTarget target(*FrmUSGSRegression::Instance());
    USGSRunoffRecords::ReadRecord(in, target);
}

} // namespace FileHandling
