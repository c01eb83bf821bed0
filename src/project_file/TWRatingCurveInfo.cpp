#include "project_file/TWRatingCurveInfo.h"

#include "platform/FlexGrid.h"
#include "project_file/TWRatingCurveRecords.h"
#include "tailwater/FrmTailWaterRatingCurve.h"

namespace FileHandling {
namespace {

static_assert(TWRatingCurveRecords::NumColumns == RatingCurveContents::NumColumns);
static_assert(TWRatingCurveRecords::MaxRow < FlexGrid::MaxRows,
              "the reader's row cap must fit the grid");

// The reader's view of the window: every setter acts as the user's edit would.
class WindowTarget final : public TWRatingCurveRecords::Target {
public:
    explicit WindowTarget(FrmTailWaterRatingCurve& w) : w_(w) {}

    void SetStepSize(const std::string& text) override { w_.SetStepSizeText(text); }
    int Rows() const override { return w_.RateCurveRows(); }
    void SetRows(int rows) override { w_.SetRateCurveRows(rows - 1); }
    void SetCell(int row, int col, const std::string& text) override {
        w_.SetRateCurveCell(row, col, text);
    }

private:
    FrmTailWaterRatingCurve& w_;
};

} // namespace

void WriteTWRatingCurveInfo(RecordWriter& out, const FrmTailWaterRatingCurve& window) {
    const RatingCurveContents contents = window.Contents();
    TWRatingCurveRecords::Data data;
    data.stepSize = contents.stepSize;
    data.rows.assign(contents.rows.begin(), contents.rows.end());
    TWRatingCurveRecords::Write(out, data);
}

void ReadTWRatingCurveInfo(FieldReader& in, FrmTailWaterRatingCurve& window) {
    WindowTarget target(window);
    TWRatingCurveRecords::ReadRecord(in, target);
}

} // namespace FileHandling
