// The design discharge grid of the General Culvert Design window: reading its
// rows, copying discharges from the hydrology windows, tailwater depths from
// the channel, and its keys.
#include "general_design/FrmGenDesign.h"

#include "app/modGridEdit.h"
#include "general_design/TailwaterChannel.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "platform/FlexGrid.h"
#include "platform/InputChecks.h"
#include "platform/Numbers.h"
#include "platform/Refusal.h"
#include "platform/UiText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

#include <cmath>

namespace {

enum DesignColumn { ColUse = 0, ColReturnPeriod = 1, ColCalcQ = 2, ColDesignQ = 3, ColTWDepth = 4 };

std::string Cell(const FlexGrid& grid, int row, int col) {
    return TrimmedText(grid.TextMatrix(row, col));
}

// The field of a cell, by the grid's own name.
std::string CellField(const FlexGrid& grid, int row, int col) {
    return InputChecks::CellField(grid.objectName().toStdString(), row, col);
}

// The design discharge of a row, which must be a number above 0.
InputChecks::NumberCheck DesignQCheck(const FlexGrid& grid, int row,
                                      const std::string& notNumericTail) {
    const std::string r = std::to_string(row);
    InputChecks::NumberCheck check;
    check.field = CellField(grid, row, ColDesignQ);
    check.text = Cell(grid, row, ColDesignQ);
    check.notNumeric =
        "Design Q in row " + r + " can not be evaluated as a number." + notNumericTail;
    check.rules.push_back(
        {InputChecks::Positive, "Design Q in row " + r + " is <=0. Design Q must be > 0."});
    check.tooLarge = "Design Q in row " + r + " is too large. Please re-enter.";
    check.tooSmall = "Design Q in row " + r + " is too small. Please re-enter.";
    return check;
}

// The tailwater depth of a row: blank stands for none, otherwise a number of at least 0.
InputChecks::NumberCheck TWDepthCheck(const FlexGrid& grid, int row) {
    const std::string r = std::to_string(row);
    InputChecks::NumberCheck check;
    check.field = CellField(grid, row, ColTWDepth);
    check.text = Cell(grid, row, ColTWDepth);
    check.blankValue = 0.0;
    check.notNumeric = "Tailwater depth in row " + r + " can not be evaluated as a number.";
    check.rules.push_back({InputChecks::NotNegative, "Tailwater depth in row " + r +
                                                         " is < 0. Tailwater depth must be >= 0."});
    check.tooLarge = "Tailwater depth in row " + r + " is too large. Please re-enter.";
    return check;
}

// The data rows with a design Q typed; `usedOnly` keeps those checked for use.
std::vector<int> RowsWithQ(const FlexGrid& grid, bool usedOnly) {
    std::vector<int> rows;
    for (int r = 1; r < grid.Rows(); ++r) {
        if ((!usedOnly || grid.CellChecked(r, ColUse)) && !Cell(grid, r, ColDesignQ).empty()) {
            rows.push_back(r);
        }
    }
    return rows;
}

// The checks of `rows`: each row's design Q and, with `tailwater`, its
// tailwater depth after it.
std::vector<InputChecks::NumberCheck> RowChecks(const FlexGrid& grid, const std::vector<int>& rows,
                                                bool tailwater) {
    std::vector<InputChecks::NumberCheck> checks;
    for (int r : rows) {
        checks.push_back(DesignQCheck(grid, r, tailwater ? "" : " Please re-enter."));
        if (tailwater) {
            checks.push_back(TWDepthCheck(grid, r));
        }
    }
    return checks;
}

struct SourceColumns {
    const char* name;
    int dischargeColumn;
};

constexpr SourceColumns Sources[3] = {
    {"Vosk Runoff Chart", 2},
    {"USGS, Mavo - 1987", 1},
    {"USGS, Yuld - 2001", 1},
};

} // namespace

void FrmGenDesign::InitializeDesignQTWGrid() {
    FlexGrid& grid = *GrdDesignQs;
    grid.SetCols(5);
    grid.SetRows(11);
    grid.SetFixedCols(0);
    for (int c = 0; c < 5; ++c) {
        grid.SetColAlignment(c, Qt::AlignCenter);
    }
    grid.SetRowHeightTwips(0, std::round(2.2 * grid.TextHeightTwips("By")));
    const char* const headings[5] = {" \r\nUse", "Return Period\r\n(years)", "Calc. Q\r\n(ft^3/s)",
                                     "Design Q\r\n(ft^3/s)", "TW Depth\r\n(ft)"};
    for (int c = 0; c < 5; ++c) {
        grid.SetTextMatrix(0, c, headings[c]);
    }
    grid.FitRowHeight(0);
    grid.SetCheckBoxColumn(ColUse);
    for (int c = ColCalcQ; c <= ColTWDepth; ++c) {
        grid.SetTextMatrix(1, c, "1,000,000.00");
    }
    grid.AutoSize(0, 4);
    // The samples' widths are the columns' own: they stay when the samples go.
    for (int c = ColCalcQ; c <= ColTWDepth; ++c) {
        grid.SetColWidthTwips(c, grid.ColWidthTwips(c));
    }
    grid.FitToContents();
    for (int c = ColCalcQ; c <= ColTWDepth; ++c) {
        grid.SetTextMatrix(1, c, "");
    }
}

std::vector<InputChecks::NumberCheck> FrmGenDesign::DesignQTWChecks() const {
    return RowChecks(*GrdDesignQs, RowsWithQ(*GrdDesignQs, true), true);
}

std::vector<InputChecks::NumberCheck> FrmGenDesign::DesignQChecks() const {
    return RowChecks(*GrdDesignQs, RowsWithQ(*GrdDesignQs, false), false);
}

std::optional<InputChecks::Failure>
FrmGenDesign::ReadDesignQTWGrid(DesignQTWList& Rows,
                                std::vector<InputChecks::Magnitude>& bounded) const {
    const FlexGrid& grid = *GrdDesignQs;
    Rows.assign(1, DesignQTWRecord{});
    const std::vector<int> used = RowsWithQ(grid, true);
    const std::vector<InputChecks::NumberCheck> checks = RowChecks(grid, used, true);
    const InputChecks::Outcome outcome = InputChecks::CheckDeferred(checks, bounded);
    if (outcome.failure) {
        return outcome.failure;
    }
    for (size_t i = 0; i < used.size(); ++i) {
        DesignQTWRecord& added = Rows.emplace_back();
        added.Q = outcome.values[2 * i];
        added.QText = checks[2 * i].text;
        added.TWDepth = outcome.values[2 * i + 1];
        added.TWText = checks[2 * i + 1].text.empty() ? "0.0" : checks[2 * i + 1].text;
        added.ReturnPeriodText = Cell(grid, used[i], ColReturnPeriod);
        added.Row = used[i];
    }
    return std::nullopt;
}

std::optional<InputChecks::Failure>
FrmGenDesign::ReadDesignQs(DesignQTWList& Rows,
                           std::vector<InputChecks::Magnitude>& bounded) const {
    Rows.assign(1, DesignQTWRecord{});
    const std::vector<int> used = RowsWithQ(*GrdDesignQs, false);
    const std::vector<InputChecks::NumberCheck> checks = RowChecks(*GrdDesignQs, used, false);
    const InputChecks::Outcome outcome = InputChecks::CheckDeferred(checks, bounded);
    if (outcome.failure) {
        return outcome.failure;
    }
    for (size_t i = 0; i < used.size(); ++i) {
        DesignQTWRecord& added = Rows.emplace_back();
        added.Q = outcome.values[i];
        added.Row = used[i];
    }
    return std::nullopt;
}

void FrmGenDesign::ClearDesignQTWGrid() {
    int rows = GrdDesignQs->Rows();
    // The grid is fitted to its columns whenever a width changes: a column
    // narrowed by the clear is fitted once its rows are back, not to the
    // heading row alone.
    const FlexGrid::BulkUpdate clearing(*GrdDesignQs);
    GrdDesignQs->SetRows(1);
    GrdDesignQs->SetRows(rows);
}

void FrmGenDesign::CopyDesignQs(QSource which) {
    const FlexGrid* source = qSources_[static_cast<size_t>(which)];
    if (!source) {
        return;
    }
    const SourceColumns& columns = Sources[static_cast<size_t>(which)];
    std::vector<int> sourceRows;
    for (int r = 1; r < source->Rows(); ++r) {
        if (!Cell(*source, r, columns.dischargeColumn).empty()) {
            sourceRows.push_back(r);
        }
    }
    // Refused before anything changes: a half-filled grid would pass for a complete one.
    int dataRows = GrdDesignQs->Rows() - 1;
    if (static_cast<int>(sourceRows.size()) > dataRows) {
        Dialogs::Message(QString("The %1 lists %2 discharges, but the design Q grid holds only %3 "
                                 "rows. No discharges were copied.")
                             .arg(columns.name)
                             .arg(sourceRows.size())
                             .arg(dataRows));
        return;
    }
    // Every cell is written with what the copy leaves there, tailwater depths
    // and typed rows emptied, so that discharges copied again over the same
    // ones change nothing.
    for (int k = 1; k <= dataRows; ++k) {
        const bool copied = k <= static_cast<int>(sourceRows.size());
        const int r = copied ? sourceRows[static_cast<size_t>(k - 1)] : 0;
        const QString q = copied ? ToQString(Cell(*source, r, columns.dischargeColumn)) : "";
        const QString texts[] = {"", copied ? ToQString(Cell(*source, r, 0)) : "", q, q, ""};
        for (int c = ColUse; c <= ColTWDepth; ++c) {
            GrdDesignQs->SetTextMatrix(k, c, texts[c]);
        }
        GrdDesignQs->SetCellChecked(k, ColUse, copied);
    }
}

void FrmGenDesign::CmdGetVRCQs_Click() {
    RunUserAction(ErrorStyle::Titled, [this] { CopyDesignQs(QSource::RunoffChart); });
}

void FrmGenDesign::CmdGetMavoQs_Click() {
    RunUserAction(ErrorStyle::Titled, [this] { CopyDesignQs(QSource::Mavo1987); });
}

void FrmGenDesign::CmdGetUSGSQs_Click() {
    RunUserAction(ErrorStyle::Titled, [this] { CopyDesignQs(QSource::Yuld2001); });
}

void FrmGenDesign::CmdComputeTWDepths_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        if (!channel_ || !ValidateForDepths(*channel_)) {
            return;
        }
        // The discharges are checked before the depths are cleared, so a
        // refused action leaves the typed depths as they were.
        DesignQTWList rows;
        std::vector<InputChecks::Magnitude> bounded;
        if (const auto failure = ReadDesignQs(rows, bounded)) {
            Refusal::Show(*this, *failure);
            return;
        }
        // The bound after every check: the channel's, then the discharges'.
        if (!PrepareForDepths(*channel_)) {
            return;
        }
        if (const auto failure = InputChecks::FirstOutOfBounds(bounded)) {
            Refusal::Show(*this, *failure);
            return;
        }
        // Each depth cell is written once, with its depth or empty: the depths
        // it holds already change nothing.
        std::vector<QString> depths(static_cast<size_t>(GrdDesignQs->Rows()));
        std::vector<int> failed;
        for (size_t i = 1; i < rows.size(); ++i) {
            auto depth = channel_->NormalDepth(rows[i].Q);
            if (!depth) {
                failed.push_back(rows[i].Row);
                continue;
            }
            depths[static_cast<size_t>(rows[i].Row)] =
                ToQString(Numbers::Format(*depth, Numbers::GroupedTwoDecimals));
        }
        for (int r = 1; r < GrdDesignQs->Rows(); ++r) {
            GrdDesignQs->SetTextMatrix(r, ColTWDepth, depths[static_cast<size_t>(r)]);
        }
        if (!failed.empty()) {
            QStringList list;
            for (int row : failed) {
                list << QString::number(row);
            }
            Dialogs::Message(
                "The tailwater depth could not be found in the channel for the design Q "
                "in row " +
                list.join(", ") + ". Its TW Depth is left blank.");
        }
    });
}

void FrmGenDesign::GrdDesignQs_KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    RunUserAction(ErrorStyle::Untitled, [&] {
        FlexGrid& grid = *GrdDesignQs;
        Qt::KeyboardModifiers shift =
            modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        if (key == Qt::Key_Delete) {
            FlexGrid::CellRange block = grid.Selection();
            for (int r = block.top; r <= block.bottom; ++r) {
                for (int c = block.left; c <= block.right; ++c) {
                    grid.SetTextMatrix(r, c, "");
                    if (c == ColUse) {
                        grid.SetCellChecked(r, c, false);
                    }
                }
            }
        } else if (key == Qt::Key_C && shift == Qt::ControlModifier) {
            QGuiApplication::clipboard()->clear();
            QGuiApplication::clipboard()->setText(grid.Clip());
        } else if (key == Qt::Key_V && shift == Qt::ControlModifier) {
            modGridEdit::PasteClipboard(grid);
        }
    });
}
