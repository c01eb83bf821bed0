#include "inlets/FrmDropInletDesign.h"

#include "app/modGridEdit.h"
#include "app/modGridEditMenu.h"
#include "hydraulics/GenDesignCatalogue.h"
#include "platform/ErrorReport.h"
#include "platform/FlexGrid.h"
#include "platform/InputChanges.h"
#include "platform/Numbers.h"
#include "platform/UiText.h"

#include <QCheckBox>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace {

using Grid = DropInletContents::Grid;
using HeadingLines = std::array<const char*, 3>;

constexpr std::array<HeadingLines, DropInletContents::RCBColumns> RCBHeadings = {{
    {" ", "Selected", "Design"},
    {"Number", "of", "Barrels"},
    {" ", "Width", "(ft)"},
    {" ", "Height", "(ft)"},
    {"Headwater", "Elevation", "(ft)"},
    {"Head", "Loss", "(ft)"},
    {"Weir", "Width", "(ft)"},
    {"Weir", "Length", "(ft)"},
}};

constexpr std::array<HeadingLines, DropInletContents::RCPColumns> RCPHeadings = {{
    {" ", "Selected", "Design"},
    {" ", "Diameter", "(inches)"},
    {"Headwater", "Elevation", "(ft)"},
    {"Head", "Loss", "(ft)"},
    {"Weir", "Width", "(ft)"},
    {"Weir", "Length", "(ft)"},
}};

constexpr std::array<HeadingLines, DropInletContents::WeirCalcColumns> WeirCalcHeadings = {{
    {"", "Selected", "Design"},
    {"Weir", "Width", "(ft)"},
    {"Weir", "Length", "(ft)"},
    {"Headwater", "Elevation", "(ft)"},
}};

// Grids always keep their heading row and four data rows.
constexpr int LeastRows = 5;

constexpr const char* TwoDecimals = "###,###,###,##0.00";
constexpr const char* OneOrTwoDecimals = "###,###,###,##0.0#";

template <size_t N>
void SetUpGrid(FlexGrid& grid, int rows, const std::array<HeadingLines, N>& headings) {
    grid.SetFixedCols(0);
    grid.SetCols(static_cast<int>(N));
    grid.SetRows(rows);
    for (int c = 0; c < static_cast<int>(N); ++c) {
        grid.SetColAlignment(c, Qt::AlignCenter);
    }
    grid.SetRowHeightTwips(0, std::round(1.2 * grid.TextHeightTwips("B\r\nB\r\nB")));
    for (size_t c = 0; c < N; ++c) {
        const HeadingLines& lines = headings[c];
        grid.SetTextMatrix(0, static_cast<int>(c),
                           QString("%1\r\n%2\r\n%3").arg(lines[0], lines[1], lines[2]));
    }
    grid.FitRowHeight(0);
    // Wide enough for the headings; the results widen them when they need it.
    grid.AutoSize(0, static_cast<int>(N) - 1);
}

void ShowNone(FlexGrid& grid) {
    grid.SetRows(LeastRows);
    grid.SetTextMatrix(1, 1, "NONE");
}

// Row texts go in through one place, so that large lists can be handed over in one step.
void FillRows(FlexGrid& grid, const std::vector<std::vector<std::string>>& rows) {
    grid.SetRows(static_cast<int>(rows.size()) + 1);
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            grid.SetTextMatrix(static_cast<int>(r) + 1, static_cast<int>(c) + 1,
                               ToQString(rows[r][c]));
        }
    }
    if (rows.empty()) {
        ShowNone(grid);
    }
    if (grid.Rows() < LeastRows) {
        grid.SetRows(LeastRows);
    }
    grid.AutoSize(0, grid.Cols() - 1);
}

} // namespace

void FrmDropInletDesign::InitializeRCBGrid() {
    SetUpGrid(*GrdRCB, LeastRows, RCBHeadings);
    GrdRCB->SetMarkColumn(0);
    connect(GrdRCB, &FlexGrid::MarkRow, this,
            [this](int row) { barrelSelection_->Toggle(Grid::RCB, row); });
    modGridEditMenu::ConnectGridEditMenu(*GrdRCB, modGridEditMenu::GridEditItems::Copy, false);
}

void FrmDropInletDesign::InitializeRCPGrid() {
    SetUpGrid(*GrdRCP, LeastRows, RCPHeadings);
    GrdRCP->SetMarkColumn(0);
    connect(GrdRCP, &FlexGrid::MarkRow, this,
            [this](int row) { barrelSelection_->Toggle(Grid::RCP, row); });
    modGridEditMenu::ConnectGridEditMenu(*GrdRCP, modGridEditMenu::GridEditItems::Copy, false);
}

void FrmDropInletDesign::InitializeWeirCalcGrid() {
    SetUpGrid(*GrdWeirCalc, 11, WeirCalcHeadings);
    GrdWeirCalc->SetEditable(true);
    ShowWeirInputColumns();
    InputChanges::ConnectGrid(*GrdWeirCalc, this, [this](const FlexGrid::CellRange& cells) {
        GrdWeirCalc_Change(cells);
    });
    GrdWeirCalc->SetMarkColumn(0);
    connect(GrdWeirCalc, &FlexGrid::MarkRow, this,
            [this](int row) { weirSelection_->Toggle(1, row); });
    connect(
        GrdWeirCalc, &FlexGrid::KeyDown, this,
        [this](int key, Qt::KeyboardModifiers modifiers) { GrdWeirCalc_KeyDown(key, modifiers); });
    modGridEditMenu::ConnectGridEditMenu(*GrdWeirCalc, modGridEditMenu::GridEditItems::Copy, false);
}

void FrmDropInletDesign::GrdWeirCalc_KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    RunUserAction(ErrorStyle::Untitled, [&] {
        FlexGrid& grid = *GrdWeirCalc;
        const Qt::KeyboardModifiers shift =
            modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        // Column 0 holds the selection mark, which only a click or Space sets:
        // a paste that starts there goes into the columns after it.
        const FlexGrid::CellRange block = grid.Selection();
        if (key == Qt::Key_Delete) {
            modGridEdit::ClearCells(grid, block, 0);
        } else if (key == Qt::Key_C && shift == Qt::ControlModifier) {
            modGridEdit::CopySelection(grid);
        } else if (key == Qt::Key_V && shift == Qt::ControlModifier) {
            if (block.left == 0) {
                grid.SetSelection(block.top, 1, block.bottom, std::max(block.right, 1));
            }
            modGridEdit::PasteClipboard(grid);
        }
    });
}

void FrmDropInletDesign::DisplayRCBResults(FlexGrid& grid,
                                           const std::vector<DropInletBarrelResult>& results) {
    grid.SetRows(1);
    const int allowed = ChkIncludeMultipleBarrels->isChecked() ? 4 : 1;
    std::vector<std::vector<std::string>> rows;
    for (size_t i = 1; i < results.size(); ++i) {
        const DropInletBarrelResult& result = results[i];
        if (result.NumBarrels > allowed) {
            continue;
        }
        rows.push_back({GenDesign::GetBarrelCountWord(result.NumBarrels), result.WidthText,
                        result.HeightText, Numbers::Format(result.HWElev, TwoDecimals),
                        Numbers::Format(result.HeadLoss, TwoDecimals),
                        Numbers::Format(result.WeirWidth, OneOrTwoDecimals),
                        Numbers::Format(result.WeirLength, OneOrTwoDecimals)});
    }
    FillRows(grid, rows);
}

void FrmDropInletDesign::DisplayRCPResults(FlexGrid& grid,
                                           const std::vector<DropInletPipeResult>& results) {
    grid.SetRows(1);
    std::vector<std::vector<std::string>> rows;
    for (size_t i = 1; i < results.size(); ++i) {
        const DropInletPipeResult& result = results[i];
        rows.push_back({result.DiameterText, Numbers::Format(result.HWElev, TwoDecimals),
                        Numbers::Format(result.HeadLoss, TwoDecimals),
                        Numbers::Format(result.WeirWidth, OneOrTwoDecimals),
                        Numbers::Format(result.WeirLength, OneOrTwoDecimals)});
    }
    FillRows(grid, rows);
}

void FrmDropInletDesign::DisplayWeirCalcResults(const DropInletWeirCalc& calc) {
    const size_t rows =
        std::min<size_t>(calc.WidthTexts.size(), static_cast<size_t>(GrdWeirCalc->Rows()));
    auto show = [this](size_t row, int col, const std::vector<std::string>& texts) {
        if (row < texts.size()) {
            GrdWeirCalc->SetTextMatrix(static_cast<int>(row), col, ToQString(texts[row]));
        }
    };
    for (size_t i = 1; i < rows; ++i) {
        switch (calc.WeirOption) {
        case WidthGivenComputeLength:
            show(i, 2, calc.LengthTexts);
            show(i, 3, calc.HWElevTexts);
            break;
        case LengthGivenComputeWidth:
            show(i, 1, calc.WidthTexts);
            show(i, 3, calc.HWElevTexts);
            break;
        case WidthAndLengthGivenComputeHW:
            show(i, 3, calc.HWElevTexts);
            break;
        default:
            break;
        }
    }
}

void FrmDropInletDesign::ClearBarrelDesignSelect() {
    barrelSelection_->Clear();
}

void FrmDropInletDesign::ClearBarrelResults() {
    ClearBarrelDesignSelect();
    LblBarrelWeirLength->setText(" ");
    for (FlexGrid* grid : {GrdRCB, GrdRCP}) {
        grid->SetRows(1);
        grid->SetRows(LeastRows);
    }
}

void FrmDropInletDesign::ClearWeirDesignSelect() {
    weirSelection_->Clear();
}

void FrmDropInletDesign::SetBarrelDesignSelect(int GridNum, int GridRow) {
    barrelSelection_->Select(GridNum, GridRow);
}

void FrmDropInletDesign::SetWeirDesignSelectRow(int RowNum) {
    weirSelection_->Select(1, RowNum);
}

void FrmDropInletDesign::GetBarrelDesignSelect(int& GridNum, int& RowNum) const {
    GridNum = barrelSelection_->Grid();
    RowNum = barrelSelection_->Row();
}

int FrmDropInletDesign::GetWeirDesignSelect() const {
    return weirSelection_->Row();
}

FlexGrid& FrmDropInletDesign::GridOf(DropInletContents::Grid grid) const {
    switch (grid) {
    case Grid::RCB:
        return *GrdRCB;
    case Grid::RCP:
        return *GrdRCP;
    case Grid::WeirCalc:
        break;
    }
    return *GrdWeirCalc;
}
