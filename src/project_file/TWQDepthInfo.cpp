#include "project_file/TWQDepthInfo.h"

#include "project_file/TWQDepthRecords.h"
#include "tailwater/FrmTailwaterQDepth.h"

namespace FileHandling {
namespace {

using Grid = TWQDepthRecords::Grid;

static_assert(TWQDepthRecords::NumModes == QDepthContents::NumModes);

QDepthContents::DesignGrid WindowGrid(Grid grid) {
    switch (grid) {
    case Grid::RunoffChart:
        return QDepthContents::RunoffChart;
    case Grid::Mavo1987:
        return QDepthContents::Mavo1987;
    case Grid::QElev:
    case Grid::Yuld2001:
        break;
    }
    return QDepthContents::Yuld2001;
}

template <class Row> TWQDepthRecords::GridTexts Texts(const std::vector<Row>& rows) {
    TWQDepthRecords::GridTexts texts;
    for (const Row& row : rows) {
        texts.emplace_back(row.begin(), row.end());
    }
    return texts;
}

// The reader's view of the window: every setter acts as the user's edit or
// click would.
class WindowTarget final : public TWQDepthRecords::Target {
public:
    explicit WindowTarget(FrmTailwaterQDepth& w) : w_(w) {}

    void SelectMode(int mode) override { w_.SelectMode(mode); }
    int GridRows(Grid grid) const override {
        return grid == Grid::QElev ? w_.QElevGridRows() : w_.DesignGridRows(WindowGrid(grid));
    }
    int GridCols(Grid grid) const override {
        return grid == Grid::QElev ? QDepthContents::QElevColumns : QDepthContents::DesignColumns;
    }
    void SetGridCell(Grid grid, int row, int col, const std::string& text) override {
        if (grid == Grid::QElev) {
            w_.SetQElevCell(row, col, text);
        } else {
            w_.SetDesignCell(WindowGrid(grid), row, col, text);
        }
    }

private:
    FrmTailwaterQDepth& w_;
};

} // namespace

void WriteTWQDepthInfo(RecordWriter& out, const FrmTailwaterQDepth& window) {
    const QDepthContents contents = window.Contents();
    TWQDepthRecords::Data data;
    if (contents.mode != QDepthContents::NoMode) {
        data.mode = contents.mode;
    }
    data.qElev = Texts(contents.qElev);
    data.runoffChart = Texts(contents.design[QDepthContents::RunoffChart]);
    data.yuld2001 = Texts(contents.design[QDepthContents::Yuld2001]);
    data.mavo1987 = Texts(contents.design[QDepthContents::Mavo1987]);
    TWQDepthRecords::Write(out, data);
}

void ReadTWQDepthInfo(FieldReader& in, FrmTailwaterQDepth& window) {
    WindowTarget target(window);
    TWQDepthRecords::ReadRecord(in, target);
}

} // namespace FileHandling
