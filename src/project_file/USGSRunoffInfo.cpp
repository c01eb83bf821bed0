#include "project_file/USGSRunoffInfo.h"

#include "hydrology/FrmUSGSRegression.h"
#include "project_file/USGSRunoffRecords.h"

#include <tuple>

namespace FileHandling {
namespace {

using Boxes = USGSRunoffRecords::Boxes;

// The window's boxes, as many as its snapshot holds.
constexpr int DrainageAreaBoxes = std::tuple_size_v<decltype(USGSRegressionContents::regionDA)>;
constexpr int WatershedCharBoxes = 2; // main channel slope, Orlen Lobe area

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
        return boxes == Boxes::DrainageArea ? DrainageAreaBoxes : WatershedCharBoxes;
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
