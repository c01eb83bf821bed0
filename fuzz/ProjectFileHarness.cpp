#include "ProjectFileHarness.h"

#include "platform/AppError.h"
#include "project_file/AppliedRecords.h"
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
    selectedRow = row >= 1 && row < ResultRows() ? row : 0;
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

void VoskRunoffChartWindow::ClearResults() {
    chartQ.clear();
    for (std::string& q : qs) {
        q.clear();
    }
}

void VoskRunoffChartWindow::SetBoxText(Box box, const std::string& text) {
    Require(box == Box::DrainageArea || box == Box::UserDescription || box == Box::UserLF);
    boxes[box] = text;
    if (box != Box::UserDescription) {
        ClearResults();
    }
}

void VoskRunoffChartWindow::SelectLUSOption(int option) {
    Require(Inside(option, 2));
    lusOption = option;
    ClearResults();
}

void VoskRunoffChartWindow::SelectLandUse(int position) {
    Require(Inside(position, LandUseCount()));
    if (position != landUse) {
        ClearResults();
    }
    landUse = position;
}

void VoskRunoffChartWindow::SelectSlope(int position) {
    Require(Inside(position, SlopeCount()));
    if (position != slope) {
        ClearResults();
    }
    slope = position;
}

void VoskRunoffChartWindow::SetQ(int row, const std::string& text) {
    Require(row >= 1 && Inside(row, ResultRows()));
    qs[row] = text;
}

int USGSRegressionWindow::BoxCount(Boxes boxes) const {
    Require(boxes == Boxes::DrainageArea || boxes == Boxes::WatershedChar);
    return static_cast<int>(boxes == Boxes::DrainageArea ? drainageAreas.size()
                                                         : watershedChars.size());
}

void USGSRegressionWindow::SetBoxText(Boxes boxes, int index, const std::string& text) {
    Require(Inside(index, BoxCount(boxes)));
    (boxes == Boxes::DrainageArea ? drainageAreas : watershedChars)[index] = text;
}

void USGSRegressionWindow::SetQ(int row, const std::string& text) {
    Require(row >= 1 && Inside(row, ResultRows()));
    qs[row] = text;
}

void Mavo1987Window::SetDrainageArea(int region, const std::string& text) {
    Require(region >= 1 && region <= Regions());
    drainageAreas[region - 1] = text;
}

void Mavo1987Window::SetQ(int row, const std::string& text) {
    Require(row >= 1 && row <= ReturnPeriods());
    qs[row] = text;
}

void ScourHoleWindow::SetText(Item item, int index, const std::string& text) {
    Require(Inside(index, ScourHoleRecords::NumIndexes));
    texts[item][static_cast<size_t>(index)] = text;
}

void CrossSectionWindow::SetPointCell(int row, int col, const std::string& text) {
    Require(row >= 1 && Inside(row, static_cast<int>(points.size())) && col >= 1 && col <= 3);
    points[row][col - 1] = text;
}

void RatingCurveWindow::SetRows(int count) {
    Require(count >= 1 && count <= TWRatingCurveRecords::MaxRow + 1);
    rows.resize(count);
}

void RatingCurveWindow::SetCell(int row, int col, const std::string& text) {
    Require(row >= 1 && Inside(row, Rows()) && Inside(col, TWRatingCurveRecords::NumColumns));
    rows[row][col] = text;
}

void QDepthWindow::SelectMode(int option) {
    Require(Inside(option, TWQDepthRecords::NumModes));
    mode = option;
}

const QDepthWindow::Cells& QDepthWindow::Of(Grid grid) const {
    switch (grid) {
    case Grid::QElev:
        return qElev;
    case Grid::RunoffChart:
        return runoffChart;
    case Grid::Yuld2001:
        return yuld2001;
    case Grid::Mavo1987:
        break;
    }
    return mavo1987;
}

QDepthWindow::Cells& QDepthWindow::Of(Grid grid) {
    return const_cast<Cells&>(static_cast<const QDepthWindow&>(*this).Of(grid));
}

void QDepthWindow::SetGridCell(Grid grid, int row, int col, const std::string& text) {
    const int firstCol = grid == Grid::QElev ? 0 : 1;
    Require(row >= 1 && Inside(row, GridRows(grid)) && col >= firstCol &&
            Inside(col, GridCols(grid)));
    Of(grid)[row][col] = text;
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
    sections.Register(2, {{}, [&outcome](FieldReader& in) {
                              VoskRunoffChartRecords::ReadRecord(in, outcome.runoffChart);
                          }});
    sections.Register(3, {{}, [&outcome](FieldReader& in) {
                              USGSRunoffRecords::ReadRecord(in, outcome.usgsRegression);
                          }});
    sections.Register(4, {{}, [&outcome](FieldReader& in) {
                              USGSMavo1987Records::ReadRecord(in, outcome.mavo1987);
                          }});
    sections.Register(5, {{}, [&outcome](FieldReader& in) {
                              TWCrossSectionRecords::ReadRecord(in, outcome.crossSection);
                          }});
    sections.Register(6, {{}, [&outcome](FieldReader& in) {
                              TWRatingCurveRecords::ReadRecord(in, outcome.ratingCurve);
                          }});
    sections.Register(
        7, {{}, [&outcome](FieldReader& in) { TWQDepthRecords::ReadRecord(in, outcome.qDepth); }});
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
    sections.Register(12, {{}, [&outcome](FieldReader& in) {
                               ScourHoleRecords::ReadRecord(in, outcome.scourHole);
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
        ProjectFileFormat::AppliedRecords applied;
        ProjectFileFormat::ReadProject(in, sections, outcome.skipped, applied);
        outcome.result = Result::Complete;
    } catch (const AppError& error) {
        outcome.result = Result::Failed;
        outcome.error = error.description;
    }
    return outcome;
}

} // namespace ProjectFileHarness
