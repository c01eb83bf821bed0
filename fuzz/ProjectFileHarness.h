#pragma once

#include "project_file/DropInletRecords.h"
#include "project_file/GeneralDesignRecords.h"
#include "project_file/PlungeBasinRecords.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RiprapBasinRecords.h"
#include "project_file/ScourHoleRecords.h"
#include "project_file/SiteIDRecords.h"
#include "project_file/StandardDesignsRecords.h"
#include "project_file/TWCrossSectionRecords.h"
#include "project_file/TWQDepthRecords.h"
#include "project_file/TWRatingCurveRecords.h"
#include "project_file/TaperedInletRecords.h"
#include "project_file/USGSMavo1987Records.h"
#include "project_file/USGSRunoffRecords.h"
#include "project_file/VoskRunoffChartRecords.h"

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// Reads a project file's bytes the way File Open does (header check, then
// every record), into plain stand-ins for the windows. The fuzz target and the
// robustness test share it.
namespace ProjectFileHarness {

// The General Culvert Design window as clearing leaves it: 11 design rows of
// 5 columns, 11 result rows of 15 columns, two size options, three barrel
// counts. It aborts the program when the reader steps outside its bounds or
// grows the results past the reader's cap, so the fuzzer reports it.
struct GeneralDesignWindow final : GeneralDesignRecords::Target {
    using Box = GeneralDesignRecords::Box;

    std::vector<bool> ticks = std::vector<bool>(11);
    std::vector<std::vector<std::string>> design =
        std::vector<std::vector<std::string>>(11, std::vector<std::string>(5));
    std::vector<std::vector<GeneralDesignRecords::ResultCell>> results =
        std::vector<std::vector<GeneralDesignRecords::ResultCell>>(
            11, std::vector<GeneralDesignRecords::ResultCell>(15));
    std::map<Box, std::string> boxes;
    std::array<int, 3> ids = {0, 0, 0};
    std::array<std::string, GeneralDesignRecords::NumUserSizes> userSizes;
    int barrelPosition = 0;
    int sizeOption = 0;

    int DesignRows() const override { return static_cast<int>(design.size()); }
    int DesignCols() const override { return 5; }
    void TickDesignRow(int row) override;
    void SetDesignCell(int row, int col, const std::string& text) override;
    int ResultRows() const override { return static_cast<int>(results.size()); }
    int ResultCols() const override { return 15; }
    void SetResultRows(int rows) override;
    void ColourResultCellRed(int row, int col) override;
    void SetResultCell(int row, int col, const std::string& text) override;
    void SetBoxText(Box box, const std::string& text) override { boxes[box] = text; }
    bool SetCulvertInletSize(int culvertTypeID, int inletID, int standardSizeID) override {
        ids = {culvertTypeID, inletID, standardSizeID};
        return true;
    }
    int UserSizeBoxes() const override { return GeneralDesignRecords::NumUserSizes; }
    void SetUserSize(int index, const std::string& text) override;
    int BarrelPositions() const override { return 3; }
    void SelectBarrelPosition(int position) override;
    int SizeOptions() const override { return 2; }
    void SelectSizeOption(int option) override;
};

// The VSHA Standard Designs window as clearing leaves it: five grids of 5 rows
// (7, 7, 8, 8 and 8 columns), no selection. It aborts the program when the
// reader steps outside a grid or grows one past the reader's cap.
struct StandardDesignsWindow final : StandardDesignsRecords::Target {
    using Box = StandardDesignsRecords::Box;

    std::map<Box, std::string> boxes;
    std::array<std::vector<std::vector<std::string>>, 5> grids = {Grid(7), Grid(7), Grid(8),
                                                                  Grid(8), Grid(8)};
    bool includeMultipleBarrels = false;
    std::vector<std::array<int, 2>> selections; // every pair handed over, in order

    static std::vector<std::vector<std::string>> Grid(int cols) {
        return std::vector<std::vector<std::string>>(5, std::vector<std::string>(cols));
    }

    void SetBoxText(Box box, const std::string& text) override { boxes[box] = text; }
    int GridRows(int gridNumber) const override;
    int GridCols(int gridNumber) const override;
    void SetGridRows(int gridNumber, int rows) override;
    void SetGridCell(int gridNumber, int row, int col, const std::string& text) override;
    void CheckIncludeMultipleBarrels() override { includeMultipleBarrels = true; }
    void SetDesignSelect(int gridNumber, int row) override {
        selections.push_back({gridNumber, row});
    }
};

// The Tapered Inlet Design window as clearing leaves it: 5 result rows of 11
// columns. It aborts the program when the reader steps outside its bounds or
// grows the results past the 10,000 rows a grid holds.
struct TaperedInletWindow final : TaperedInletRecords::Target {
    using Box = TaperedInletRecords::Box;
    static constexpr int GridRowLimit = 10000;

    std::map<Box, std::string> boxes;
    std::vector<std::vector<std::string>> results =
        std::vector<std::vector<std::string>>(5, std::vector<std::string>(11));
    int selectedRow = 0;
    bool includeMultipleBarrels = false;

    void SetBoxText(Box box, const std::string& text) override { boxes[box] = text; }
    int ResultRows() const override { return static_cast<int>(results.size()); }
    int ResultCols() const override { return 11; }
    void SetResultRows(int rows) override;
    void SetResultCell(int row, int col, const std::string& text) override;
    // As the window does once the reading is done: a row outside the grid
    // leaves none, the one selected stays.
    void SetDesignSelectRow(int row) override;
    void SetIncludeMultipleBarrels(bool include) override { includeMultipleBarrels = include; }
};

// The Drop Inlet Design window as clearing leaves it: seven inputs, box and
// pipe grids of 5 rows (8 and 6 columns), a weir grid of 11 rows of 4
// columns, three weir options. It aborts the program when the reader steps
// outside its bounds, grows the weir grid or grows a barrel grid past the
// reader's cap. The selections are kept as the reader hands them over.
struct DropInletWindow final : DropInletRecords::Target {
    using Grid = DropInletRecords::Grid;
    using Cells = std::vector<std::vector<std::string>>;

    std::array<std::string, DropInletRecords::NumInputs> inputs;
    Cells rcb = Cells(5, std::vector<std::string>(8));
    Cells rcp = Cells(5, std::vector<std::string>(6));
    Cells weirCalc = Cells(11, std::vector<std::string>(4));
    std::string weirWeirLength = " ";
    int weirOption = 2;
    std::array<int, 2> barrelSelect = {0, 0};
    int weirSelectRow = 0;
    bool includeMultipleBarrels = false;
    std::string barrelWeirLength = " ";

    void SetInput(int index, const std::string& text) override;
    int GridRows(Grid grid) const override { return static_cast<int>(Of(grid).size()); }
    int GridCols(Grid grid) const override { return static_cast<int>(Of(grid)[0].size()); }
    void SetGridRows(Grid grid, int rows) override;
    void SetGridCell(Grid grid, int row, int col, const std::string& text) override;
    void SetWeirWeirLength(const std::string& caption) override { weirWeirLength = caption; }
    void SelectWeirOption(int option) override;
    void SetBarrelDesignSelect(int grid, int row) override { barrelSelect = {grid, row}; }
    void SetWeirDesignSelectRow(int row) override { weirSelectRow = row; }
    void SetIncludeMultipleBarrels(bool include) override { includeMultipleBarrels = include; }
    void SetBarrelWeirLength(const std::string& caption) override { barrelWeirLength = caption; }

private:
    const Cells& Of(Grid grid) const;
    Cells& Of(Grid grid);
};

// The Vosk Runoff Chart window as clearing leaves it: 5 land uses and 4
// slopes with the first of each selected, "Select", 7 discharge rows. Like the
// window, a new input, option or class clears the chart Q and the discharges.
// It aborts the program when the reader steps outside a list or the grid.
struct VoskRunoffChartWindow final : VoskRunoffChartRecords::Target {
    using Box = VoskRunoffChartRecords::Box;

    std::map<Box, std::string> boxes;
    int lusOption = 0;
    int landUse = 0;
    int slope = 0;
    std::string chartQ;
    std::vector<std::string> qs = std::vector<std::string>(8); // row 0 unused

    void SetBoxText(Box box, const std::string& text) override;
    void SelectLUSOption(int option) override;
    int LandUseCount() const override { return 5; }
    void SelectLandUse(int position) override;
    int SlopeCount() const override { return 4; }
    void SelectSlope(int position) override;
    void SetChartQ(const std::string& text) override { chartQ = text; }
    int ResultRows() const override { return static_cast<int>(qs.size()); }
    void SetQ(int row, const std::string& text) override;

private:
    void ClearResults();
};

// The USGS 2001 regression window as clearing leaves it: 3 drainage-area
// boxes, 2 watershed boxes, 8 discharge rows. It aborts the program when the
// reader steps outside them.
struct USGSRegressionWindow final : USGSRunoffRecords::Target {
    using Boxes = USGSRunoffRecords::Boxes;

    std::vector<std::string> drainageAreas = std::vector<std::string>(3);
    std::vector<std::string> watershedChars = std::vector<std::string>(2);
    std::vector<std::string> qs = std::vector<std::string>(9); // row 0 unused
    std::string totalDA;

    int BoxCount(Boxes boxes) const override;
    void SetBoxText(Boxes boxes, int index, const std::string& text) override;
    int ResultRows() const override { return static_cast<int>(qs.size()); }
    void SetQ(int row, const std::string& text) override;
    void SetTotalDA(const std::string& text) override { totalDA = text; }
};

// The USGS 1987 window as clearing leaves it: 5 regions, 6 discharge rows. It
// aborts the program when the reader steps outside them.
struct Mavo1987Window final : USGSMavo1987Records::Target {
    std::vector<std::string> drainageAreas = std::vector<std::string>(5);
    std::string totalDA;
    std::vector<std::string> qs = std::vector<std::string>(7); // row 0 unused

    int Regions() const override { return static_cast<int>(drainageAreas.size()); }
    void SetDrainageArea(int region, const std::string& text) override;
    void SetTotalDA(const std::string& text) override { totalDA = text; }
    int ReturnPeriods() const override { return static_cast<int>(qs.size()) - 1; }
    void SetQ(int row, const std::string& text) override;
};

// The NE Scour Hole Design window: the texts of each item's elements 0 and 1.
// It aborts the program when the reader passes any other index.
struct ScourHoleWindow final : ScourHoleRecords::Target {
    using Item = ScourHoleRecords::Item;

    std::map<Item, std::array<std::string, ScourHoleRecords::NumIndexes>> texts;

    void SetText(Item item, int index, const std::string& text) override;
};

// The channel cross-section window as clearing leaves it: 50 empty points
// (rows 1 to 50; row 0 is the heading) and three empty boxes. It aborts the
// program when the reader steps outside the points.
struct CrossSectionWindow final : TWCrossSectionRecords::Target {
    using Box = TWCrossSectionRecords::Box;

    std::vector<TWCrossSectionRecords::PointTexts> points =
        std::vector<TWCrossSectionRecords::PointTexts>(TWCrossSectionRecords::NumPoints + 1);
    std::map<Box, std::string> boxes;

    void SetPointCell(int row, int col, const std::string& text) override;
    void SetBoxText(Box box, const std::string& text) override { boxes[box] = text; }
};

// The rating curve window as clearing leaves it: an empty step size and 5
// rows of 6 columns. It aborts the program when the reader steps outside the
// grid or grows it past the reader's cap.
struct RatingCurveWindow final : TWRatingCurveRecords::Target {
    std::string stepSize;
    std::vector<TWRatingCurveRecords::RowTexts> rows =
        std::vector<TWRatingCurveRecords::RowTexts>(5);

    void SetStepSize(const std::string& text) override { stepSize = text; }
    int Rows() const override { return static_cast<int>(rows.size()); }
    void SetRows(int count) override;
    void SetCell(int row, int col, const std::string& text) override;
};

// The Q-depth window as clearing leaves it: mode 0, a Q-elevation grid of 11
// rows of 3 columns, design grids of 8, 9 and 7 rows of 4 columns. It aborts
// the program when the reader steps outside a grid or into a return period.
struct QDepthWindow final : TWQDepthRecords::Target {
    using Grid = TWQDepthRecords::Grid;
    using Cells = std::vector<std::vector<std::string>>;

    int mode = 0;
    Cells qElev = Cells(11, std::vector<std::string>(3));
    Cells runoffChart = Cells(8, std::vector<std::string>(4));
    Cells yuld2001 = Cells(9, std::vector<std::string>(4));
    Cells mavo1987 = Cells(7, std::vector<std::string>(4));

    void SelectMode(int option) override;
    int GridRows(Grid grid) const override { return static_cast<int>(Of(grid).size()); }
    int GridCols(Grid grid) const override { return static_cast<int>(Of(grid)[0].size()); }
    void SetGridCell(Grid grid, int row, int col, const std::string& text) override;

    const Cells& Of(Grid grid) const;
    Cells& Of(Grid grid);
};

// The NE Plunge Basin Design window as clearing leaves it: two size options,
// three barrel counts, "CLASS:" in the class label. It aborts the program when
// the reader steps outside its bounds.
struct PlungeBasinWindow final : PlungeBasinRecords::Target {
    using Box = PlungeBasinRecords::Box;

    std::map<Box, std::string> boxes;
    std::string riprapClass = "CLASS:";
    std::array<int, 3> ids = {0, 0, 0};
    std::array<std::string, PlungeBasinRecords::NumUserSizes> userSizes;
    int barrelPosition = 0;
    int sizeOption = 0;

    void SetBoxText(Box box, const std::string& text) override { boxes[box] = text; }
    void SetRiprapClass(const std::string& caption) override { riprapClass = caption; }
    bool SetCulvertInletSize(int culvertTypeID, int inletID, int standardSizeID) override {
        ids = {culvertTypeID, inletID, standardSizeID};
        return true;
    }
    int UserSizeBoxes() const override { return PlungeBasinRecords::NumUserSizes; }
    void SetUserSize(int index, const std::string& text) override;
    int BarrelPositions() const override { return 3; }
    void SelectBarrelPosition(int position) override;
    int SizeOptions() const override { return 2; }
    void SelectSizeOption(int option) override;
};

// The HEC-14 Riprap Basin Design window as clearing leaves it: 17 result
// rows, two size options, three barrel counts. It aborts the program when
// the reader steps outside its bounds.
struct RiprapBasinWindow final : RiprapBasinRecords::Target {
    using Box = RiprapBasinRecords::Box;

    std::map<Box, std::string> boxes;
    std::array<std::string, RiprapBasinRecords::NumResultRows> results;
    std::array<int, 3> ids = {0, 0, 0};
    std::array<std::string, RiprapBasinRecords::NumUserSizes> userSizes;
    int barrelPosition = 0;
    int sizeOption = 0;

    void SetBoxText(Box box, const std::string& text) override { boxes[box] = text; }
    int ResultRows() const override { return RiprapBasinRecords::NumResultRows; }
    void SetResultValue(int row, const std::string& text) override;
    bool SetCulvertInletSize(int culvertTypeID, int inletID, int standardSizeID) override {
        ids = {culvertTypeID, inletID, standardSizeID};
        return true;
    }
    int UserSizeBoxes() const override { return RiprapBasinRecords::NumUserSizes; }
    void SetUserSize(int index, const std::string& text) override;
    int BarrelPositions() const override { return 3; }
    void SelectBarrelPosition(int position) override;
    int SizeOptions() const override { return 2; }
    void SelectSizeOption(int option) override;
};

enum class Result {
    Refused,  // not a project file, another units edition, or cut inside its header
    Failed,   // the read ended early; `error` says why
    Complete, // read to the end, end record met
};

struct Outcome {
    Result result = Result::Refused;
    std::string error;
    // What the read could not use.
    ProjectFileFormat::SkippedRecords skipped;
    SiteIDRecords::Texts site;
    VoskRunoffChartWindow runoffChart;
    USGSRegressionWindow usgsRegression;
    Mavo1987Window mavo1987;
    CrossSectionWindow crossSection;
    RatingCurveWindow ratingCurve;
    QDepthWindow qDepth;
    TaperedInletWindow taperedInlet;
    DropInletWindow dropInlet;
    GeneralDesignWindow generalDesign;
    StandardDesignsWindow standardDesigns;
    ScourHoleWindow scourHole;
    PlungeBasinWindow plungeBasin;
    RiprapBasinWindow riprapBasin;
};

Outcome Read(std::string_view bytes);

} // namespace ProjectFileHarness
