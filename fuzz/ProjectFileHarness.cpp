#include "ProjectFileHarness.h"

#include "platform/AppError.h"
#include "project_file/FieldReader.h"
#include "project_file/ProjectFileFormat.h"

#include <cstdlib>

namespace ProjectFileHarness {
namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool Inside(int value, int count) {
    return value >= 0 && value < count;
}

} // namespace

void GeneralDesignWindow::TickDesignRow(int row) {
    Require(Inside(row, DesignRows()));
    ticks[row] = true;
}

void GeneralDesignWindow::SetDesignCell(int row, int col, const std::string& text) {
    Require(Inside(row, DesignRows()) && Inside(col, DesignCols()));
    design[row][col] = text;
}

void GeneralDesignWindow::SetResultRows(int rows) {
    Require(rows >= 1 && rows <= ProjectFileFormat::MaxGridRow + 1);
    results.resize(rows, std::vector<GeneralDesignRecords::ResultCell>(15));
}

void GeneralDesignWindow::ColourResultCellRed(int row, int col) {
    Require(Inside(row, ResultRows()) && Inside(col, ResultCols()));
    results[row][col].red = true;
}

void GeneralDesignWindow::SetResultCell(int row, int col, const std::string& text) {
    Require(Inside(row, ResultRows()) && Inside(col, ResultCols()));
    results[row][col].text = text;
}

void GeneralDesignWindow::SetUserSize(int index, const std::string& text) {
    Require(Inside(index, UserSizeBoxes()));
    userSizes[index] = text;
}

void GeneralDesignWindow::SelectBarrelPosition(int position) {
    Require(Inside(position, BarrelPositions()));
    barrelPosition = position;
}

void GeneralDesignWindow::SelectSizeOption(int option) {
    Require(Inside(option, SizeOptions()));
    sizeOption = option;
}

int StandardDesignsWindow::GridRows(int gridNumber) const {
    Require(gridNumber >= 1 && gridNumber <= 5);
    return static_cast<int>(grids[gridNumber - 1].size());
}

int StandardDesignsWindow::GridCols(int gridNumber) const {
    Require(gridNumber >= 1 && gridNumber <= 5);
    return static_cast<int>(grids[gridNumber - 1].front().size());
}

void StandardDesignsWindow::SetGridRows(int gridNumber, int rows) {
    Require(rows >= 1 && rows <= ProjectFileFormat::MaxGridRow + 1);
    const int cols = GridCols(gridNumber);
    grids[gridNumber - 1].resize(rows, std::vector<std::string>(cols));
}

void StandardDesignsWindow::SetGridCell(int gridNumber, int row, int col, const std::string& text) {
    Require(Inside(row, GridRows(gridNumber)) && Inside(col, GridCols(gridNumber)));
    grids[gridNumber - 1][row][col] = text;
}

void TaperedInletWindow::SetResultRows(int rows) {
    Require(rows >= 1 && rows <= GridRowLimit);
    results.resize(rows, std::vector<std::string>(11));
}

void TaperedInletWindow::SetResultCell(int row, int col, const std::string& text) {
    Require(Inside(row, ResultRows()) && Inside(col, ResultCols()));
    results[row][col] = text;
}

void TaperedInletWindow::SetDesignSelectRow(int row) {
    const int previous = selectedRow;
    selectedRow = row >= 1 && row < ResultRows() && row != previous ? row : 0;
}

void PlungeBasinWindow::SetUserSize(int index, const std::string& text) {
    Require(Inside(index, UserSizeBoxes()));
    userSizes[index] = text;
}

void PlungeBasinWindow::SelectBarrelPosition(int position) {
    Require(Inside(position, BarrelPositions()));
    barrelPosition = position;
}

void PlungeBasinWindow::SelectSizeOption(int option) {
    Require(Inside(option, SizeOptions()));
    sizeOption = option;
}

void RiprapBasinWindow::SetResultValue(int row, const std::string& text) {
    Require(Inside(row, ResultRows()));
    results[row] = text;
}

void RiprapBasinWindow::SetUserSize(int index, const std::string& text) {
    Require(Inside(index, UserSizeBoxes()));
    userSizes[index] = text;
}

void RiprapBasinWindow::SelectBarrelPosition(int position) {
    Require(Inside(position, BarrelPositions()));
    barrelPosition = position;
}

void RiprapBasinWindow::SelectSizeOption(int option) {
    Require(Inside(option, SizeOptions()));
    sizeOption = option;
}

void DropInletWindow::SetInput(int index, const std::string& text) {
    Require(Inside(index, DropInletRecords::NumInputs));
    inputs[index] = text;
}

const DropInletWindow::Cells& DropInletWindow::Of(Grid grid) const {
    return grid == Grid::RCB ? rcb : grid == Grid::RCP ? rcp : weirCalc;
}

DropInletWindow::Cells& DropInletWindow::Of(Grid grid) {
    return grid == Grid::RCB ? rcb : grid == Grid::RCP ? rcp : weirCalc;
}

void DropInletWindow::SetGridRows(Grid grid, int rows) {
    Require(grid != Grid::WeirCalc && rows >= 1 && rows <= ProjectFileFormat::MaxGridRow + 1);
    Of(grid).resize(rows, std::vector<std::string>(Of(grid)[0].size()));
}

void DropInletWindow::SetGridCell(Grid grid, int row, int col, const std::string& text) {
    Require(row >= 1 && Inside(row, GridRows(grid)) && col >= 1 && Inside(col, GridCols(grid)));
    Of(grid)[row][col] = text;
}

void DropInletWindow::SelectWeirOption(int option) {
    Require(Inside(option, DropInletRecords::NumWeirOptions));
    weirOption = option;
}

Outcome Read(std::string_view bytes) {
    Outcome outcome;
    ProjectFileFormat::SectionTable sections;
    sections.Register(1, {{}, [&outcome](FieldReader& in) {
                              SiteIDRecords::ReadRecord(
                                  in, [&outcome](int item, const std::string& text) {
                                      outcome.site[item - 1] = text;
                                  });
                          }});
    sections.Register(8, {{}, [&outcome](FieldReader& in) {
                              StandardDesignsRecords::ReadRecord(in, outcome.standardDesigns);
                          }});
    sections.Register(9, {{}, [&outcome](FieldReader& in) {
                              TaperedInletRecords::ReadRecord(in, outcome.taperedInlet);
                          }});
    sections.Register(10, {{}, [&outcome](FieldReader& in) {
                               DropInletRecords::ReadRecord(in, outcome.dropInlet);
                           }});
    sections.Register(11, {{}, [&outcome](FieldReader& in) {
                               GeneralDesignRecords::ReadRecord(in, outcome.generalDesign);
                           }});
    sections.Register(13, {{}, [&outcome](FieldReader& in) {
                               PlungeBasinRecords::ReadRecord(in, outcome.plungeBasin);
                           }});
    sections.Register(14, {{}, [&outcome](FieldReader& in) {
                               RiprapBasinRecords::ReadRecord(in, outcome.riprapBasin);
                           }});
    FieldReader in(bytes);
    try {
        if (ProjectFileFormat::CheckHeader(in) != ProjectFileFormat::HeaderCheck::ProjectFile) {
            return outcome;
        }
        ProjectFileFormat::ReadProject(in, sections);
        outcome.result = Result::Complete;
    } catch (const AppError& error) {
        outcome.result = Result::Failed;
        outcome.error = error.description;
    }
    return outcome;
}

} // namespace ProjectFileHarness
