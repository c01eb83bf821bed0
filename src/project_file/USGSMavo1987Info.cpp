#include "project_file/USGSMavo1987Info.h"

#include "hydrology/frmUSGSMavo1987.h"
#include "project_file/USGSMavo1987Records.h"

#include <tuple>

namespace FileHandling {
namespace {

USGSMavo1987Records::Data SectionData(const Mavo1987Contents& contents) {
    USGSMavo1987Records::Data data;
    data.drainageAreas.assign(contents.regionDA.begin(), contents.regionDA.end());
    data.totalDA = contents.totalDA;
    for (const auto& row : contents.results) {
        data.qs.push_back(row[1]);
    }
    return data;
}

// The counts are the window's own boxes and grid rows (start-up sizes the
// grid from the method's return periods), so no record reaches past them.
class WindowTarget final : public USGSMavo1987Records::Target {
public:
    explicit WindowTarget(frmUSGSMavo1987& w) : w_(w) {}

    int Regions() const override { return std::tuple_size_v<decltype(Mavo1987Contents::regionDA)>; }
    void SetDrainageArea(int region, const std::string& text) override {
        w_.SetDrainageAreaText(region - 1, text);
    }
    void SetTotalDA(const std::string& text) override { w_.SetTotalDAText(text); }
    int ReturnPeriods() const override { return w_.ResultRows() - 1; }
    void SetQ(int row, const std::string& text) override { w_.SetResultQ(row, text); }

private:
    frmUSGSMavo1987& w_;
};

} // namespace

void WriteUSGSMavo1987Info(RecordWriter& out) {
    USGSMavo1987Records::Write(out, SectionData(frmUSGSMavo1987::Instance()->Contents()));
}

void ReadUSGSMavo1987Info(FieldReader& in) {
    WindowTarget target(*frmUSGSMavo1987::Instance());
    USGSMavo1987Records::ReadRecord(in, target);
}

} // namespace FileHandling
