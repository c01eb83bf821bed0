#include "inlets/PrtDropInletDesign.h"

#include "app/FrmSiteIdentification.h"
#include "app/PrtSiteIDHeader.h"
#include "inlets/FrmDropInletDesign.h"
#include "platform/Numbers.h"
#include "platform/ReportDrawing.h"
#include "platform/TwipsPrinter.h"
#include "platform/UiText.h"

#include <algorithm>
#include <array>
#include <span>

namespace PrtDropInlet {
namespace {

constexpr float Left = 1000;
constexpr float BottomMargin = 1000;
constexpr float RightMargin = 1000;
constexpr float PageTop = 400;
constexpr float BelowHeader = 500;
constexpr float ColumnMargin = 300;
constexpr float InputColumnMargin = 100;
constexpr float MarkGap = 100; // between the selection mark and the table

// A barrel table's title and its heading texts by column: lines 0 to 2 print,
// line 3 only widens the column (for "SELECTION" in column 0).
struct BarrelTable {
    const char* title;
    std::vector<std::array<const char*, 4>> headings;
};

const BarrelTable RCBTable = {"RCB, Reinforced Concrete Box",
                              {{"", "Selected", "Design", "SELECTION"},
                               {"Number", "of", "Barrels", ""},
                               {"", "Width", "(feet)", ""},
                               {"", "Height", "(feet)", ""},
                               {"Headwater", "Elevation", "(feet)", ""},
                               {"Head", "Loss", "(feet)", ""},
                               {"Minimum", "Weir Width", "(feet)", ""},
                               {"Minimum", "Weir Length", "(feet)", ""}}};

const BarrelTable RCPTable = {"RCP, Reinforced Concrete Pipe (Single Barrel Only)",
                              {{"", "Selected", "Design", "SELECTION"},
                               {"", "Diameter", "(inches)", ""},
                               {"Headwater", "Elevation", "(feet)", ""},
                               {"Head", "Loss", "(feet)", ""},
                               {"Minimum", "Weir Width", "(feet)", ""},
                               {"Minimum", "Weir Length", "(feet)", ""}}};

// The weir table's headings: lines 1 and 2 print, line 3 only widens the column.
const std::array<std::array<const char*, 3>, DropInletContents::WeirCalcColumns> WeirHeadings = {{
    {"Selected", "Design", "SELECTION"},
    {"Weir Width", "(feet)", ""},
    {"Weir Length", "(feet)", ""},
    {"Headwater Elevation", "(ft)", ""},
}};

using ReportDrawing::PrintCentred;
using ReportDrawing::RuleAcross;
using ReportDrawing::RuleColumns;

// The row's texts, trimmed, in the table's columns.
std::vector<QString> TrimmedCells(const std::vector<std::string>& row, size_t columns) {
    std::vector<QString> cells(columns);
    for (size_t c = 0; c < columns && c < row.size(); ++c) {
        cells[c] = TrimmedQString(row[c]);
    }
    return cells;
}

bool IsSelected(const std::vector<QString>& cells) {
    return !cells.empty() && cells.front() == ToQString(DropInletTexts::SelectionMark);
}

// The edges of a table's columns: each as wide as its widest heading line
// plus `margin`, the first wide enough for "SELECTION" too; a column widens
// only where one of its cells (a selected row's measured bold, as it prints)
// would not stand ReportDrawing::CellPadding clear of both its rules.
template <class Headings>
ColumnEdges TableEdges(TwipsPrinter& printer, const Headings& headings,
                       const std::vector<std::vector<QString>>& rows, float margin) {
    ColumnEdges edges{Left};
    for (size_t c = 0; c < headings.size(); ++c) {
        float width = 0;
        for (const char* line : headings[c]) {
            width = std::max(width, printer.TextWidth(QString::fromLatin1(line)) + margin);
        }
        for (const std::vector<QString>& cells : rows) {
            if (c > 0 || !IsSelected(cells)) {
                printer.SetFontBold(IsSelected(cells));
                width =
                    std::max(width, printer.TextWidth(cells[c]) + 2 * ReportDrawing::CellPadding);
            }
        }
        printer.SetFontBold(false);
        edges.push_back(edges.back() + width);
    }
    ReportDrawing::FitSelectionColumn(printer, edges[0], edges[1]);
    return edges;
}

// One line of cells centred between the edges; a selected row (">>" in its
// first cell) prints bold, with the mark in the margin and "SELECTION" in
// its place. Bold stays on for the caller to turn off.
void PrintCells(TwipsPrinter& printer, std::vector<QString> cells, std::span<const float> edges) {
    if (IsSelected(cells)) {
        printer.SetFontBold(true);
        printer.SetCurrentX(edges.front() - printer.TextWidth(cells.front()) - MarkGap);
        printer.Print(cells.front());
        cells.front() = ReportDrawing::SelectionWord;
    }
    for (size_t c = 0; c < cells.size(); ++c) {
        PrintCentred(printer, cells[c], edges[c], edges[c + 1]);
    }
    printer.PrintLine();
}

RowList RowsWithColumn1(const DropInletContents::GridTexts& grid) {
    RowList rows(1);
    for (size_t r = 0; r < grid.size(); ++r) {
        if (grid[r].size() > 1 && !Numbers::Trim(grid[r][1]).empty()) {
            rows.push_back(static_cast<int>(r) + 1);
        }
    }
    return rows;
}

// The cells of the grid rows a barrel table prints.
std::vector<std::vector<QString>> PrintedCells(const DropInletContents::GridTexts& grid,
                                               size_t columns) {
    std::vector<std::vector<QString>> rows;
    const RowList list = RowsWithColumn1(grid);
    for (size_t i = 1; i < list.size(); ++i) {
        rows.push_back(TrimmedCells(grid[static_cast<size_t>(list[i]) - 1], columns));
    }
    return rows;
}

ColumnEdges BarrelEdges(TwipsPrinter& printer, const BarrelTable& table,
                        const DropInletContents::GridTexts& grid) {
    return TableEdges(printer, table.headings, PrintedCells(grid, table.headings.size()),
                      ColumnMargin);
}

// The weir table's rows that print: all but the blank ones.
std::vector<std::vector<QString>> WeirCells(const DropInletContents& contents) {
    std::vector<std::vector<QString>> rows;
    for (const std::vector<std::string>& row : contents.weirCalc) {
        std::vector<QString> cells = TrimmedCells(row, WeirHeadings.size());
        if (!std::all_of(cells.begin(), cells.end(),
                         [](const QString& c) { return c.isEmpty(); })) {
            rows.push_back(std::move(cells));
        }
    }
    return rows;
}

// The heading between edges measured once for the whole table: measuring every
// row again on each page made a long table's print grow with its square.
void PrintTableHeading(TwipsPrinter& printer, float& y, const BarrelTable& table,
                       const ColumnEdges& edges) {
    printer.SetCurrentY(y + 100);
    printer.SetFontBold(true);
    printer.SetCurrentX(Left);
    printer.PrintLine(QString::fromLatin1(table.title));
    printer.SetFontBold(false);
    printer.SetCurrentY(printer.CurrentY() + 40);
    const float top = printer.CurrentY();
    RuleAcross(printer, edges, top);
    for (size_t line = 0; line < 3; ++line) {
        printer.SetCurrentY(printer.CurrentY() + LineGap);
        for (size_t c = 0; c < table.headings.size(); ++c) {
            PrintCentred(printer, QString::fromLatin1(table.headings[c][line]), edges[c],
                         edges[c + 1]);
        }
        printer.PrintLine();
        printer.SetCurrentY(printer.CurrentY() + LineGap);
    }
    const float bottom = printer.CurrentY();
    RuleAcross(printer, edges, bottom);
    RuleColumns(printer, edges, top, bottom);
    y = bottom;
}

ColumnEdges PrintTableHeading(TwipsPrinter& printer, float& y, const BarrelTable& table,
                              const DropInletContents::GridTexts& grid) {
    const ColumnEdges edges = BarrelEdges(printer, table, grid);
    PrintTableHeading(printer, y, table, edges);
    return edges;
}

void PrintTableRow(TwipsPrinter& printer, float& y, const std::vector<std::string>& row,
                   const ColumnEdges& edges) {
    const float top = y;
    printer.SetCurrentY(top);
    RuleAcross(printer, edges, top);
    printer.SetCurrentY(printer.CurrentY() + LineGap);
    PrintCells(printer, TrimmedCells(row, edges.size() - 1), edges);
    printer.SetCurrentY(printer.CurrentY() + LineGap);
    const float bottom = printer.CurrentY();
    RuleAcross(printer, edges, bottom);
    RuleColumns(printer, edges, top, bottom);
    y = bottom;
    printer.SetFontBold(false);
}

const std::vector<std::string>& GridRow(const DropInletContents::GridTexts& grid, int row) {
    static const std::vector<std::string> blank;
    return row >= 1 && static_cast<size_t>(row) <= grid.size() ? grid[static_cast<size_t>(row) - 1]
                                                               : blank;
}

// The top of every page: the site header and the title. The header hands the
// report's font size back in whole points; a size fitted to the page in half
// points is set again.
void StartPage(TwipsPrinter& printer, float& y, const SiteFields& fields) {
    const float points = printer.FontSize();
    y = PageTop;
    PrtSiteIDHeader::PrintSiteIDHeader(printer, y, fields);
    printer.SetFontSize(points);
    y += BelowHeader;
    PrintDropInletTitle(printer, y);
}

// The rows of one barrel table, a new page (with the heading again) after any
// row but the last that ends below the limit.
template <class Row>
void PrintTableRows(TwipsPrinter& printer, float& y, const RowList& rows, float pageLimit,
                    const SiteFields& fields, const BarrelTable& table, const ColumnEdges& edges,
                    Row printRow) {
    const size_t last = rows.size() - 1;
    for (size_t i = 1; i <= last; ++i) {
        printRow(printer, y, rows[i], edges);
        if (y > pageLimit && i < last) {
            printer.NewPage();
            StartPage(printer, y, fields);
            PrintTableHeading(printer, y, table, edges);
        }
    }
}

// Rows of (label, value, label, value).
using InputRows = std::array<std::array<QString, 4>, 4>;
using InputEdges = std::array<float, 5>;

InputRows InputTable(const DropInletContents& contents) {
    using Input = DropInletContents::Input;
    auto value = [&contents](Input input) {
        return " " + TrimmedQString(contents.inputs[static_cast<size_t>(input)]) + " ";
    };
    return {{
        {"Q (ft^3/s) ", value(Input::DesignQ), "Barrel Inlet Elevation (ft) ",
         value(Input::InletInvertElev)},
        {"Allowable Headwater Elevation (ft) ", value(Input::AllowableHWElev),
         "Barrel Outlet Elevation (ft) ", value(Input::OutletInvertElev)},
        {"Weir Elevation (ft) ", value(Input::WeirElev), "Barrel Length (ft) ",
         value(Input::BarrelLength)},
        {"Multiple Barrels ", contents.includeMultipleBarrels ? " YES " : " NO ",
         "Tailwater Depth (ft) ", value(Input::TWDepth)},
    }};
}

InputEdges InputTableEdges(const TwipsPrinter& printer, const InputRows& rows) {
    InputEdges edges{Left};
    for (size_t c = 0; c < 4; ++c) {
        float widest = 0;
        for (const auto& row : rows) {
            widest = std::max(widest, printer.TextWidth(row[c]));
        }
        edges[c + 1] = edges[c] + widest + InputColumnMargin;
    }
    return edges;
}

// The right edge of the widest of the report's tables in the current font.
float WidestTableRight(TwipsPrinter& printer, const DropInletContents& contents) {
    return std::max({InputTableEdges(printer, InputTable(contents)).back(),
                     TableEdges(printer, WeirHeadings, WeirCells(contents), ColumnMargin).back(),
                     BarrelEdges(printer, RCBTable, contents.rcb).back(),
                     BarrelEdges(printer, RCPTable, contents.rcp).back()});
}

} // namespace

void PrintDropInletDesign(TwipsPrinter& printer) {
    PrintContents(printer, FrmDropInletDesign::Instance()->Contents(),
                  FrmSiteIdentification::CurrentFields());
}

void PrintContents(TwipsPrinter& printer, const DropInletContents& contents,
                   const SiteFields& fields) {
    const RowList rcbRows = GetRCBRows(contents);
    const RowList rcpRows = GetRCPRows(contents);
    printer.SetOrientation(PageOrientation::Portrait);
    printer.SetFontName(QStringLiteral("Times New Roman"));
    // Very large numbers make a table too wide for the page at 11 points;
    // the whole report then prints a little smaller.
    ReportDrawing::FitFontSize(printer, 11, printer.ScaleWidth() - RightMargin,
                               [&] { return WidestTableRight(printer, contents); });
    const float pageLimit = printer.ScaleHeight() - BottomMargin;

    float y = 0;
    StartPage(printer, y, fields);
    PrintDropInletInputs(printer, y, contents);
    PrintWeirSection(printer, y, contents);
    PrintWeirCalcTable(printer, y, contents);
    PrintBarrelsSection(printer, y, contents);

    auto rcbRow = [&contents](TwipsPrinter& p, float& at, int row, const ColumnEdges& edges) {
        PrintRCBRow(p, at, row, contents, edges);
    };
    auto rcpRow = [&contents](TwipsPrinter& p, float& at, int row, const ColumnEdges& edges) {
        PrintRCPRow(p, at, row, contents, edges);
    };
    const ColumnEdges rcbEdges = PrintRCBTableHeading(printer, y, contents);
    PrintTableRows(printer, y, rcbRows, pageLimit, fields, RCBTable, rcbEdges, rcbRow);
    // The pipe table starts where its title, heading and a row fit.
    if (6 * printer.TextHeight() + y + 300 > pageLimit) {
        printer.NewPage();
        StartPage(printer, y, fields);
    }
    const ColumnEdges rcpEdges = PrintRCPTableHeading(printer, y, contents);
    PrintTableRows(printer, y, rcpRows, pageLimit, fields, RCPTable, rcpEdges, rcpRow);
    printer.EndDoc();
}

void PrintDropInletTitle(TwipsPrinter& printer, float& y) {
    printer.SetCurrentY(y);
    printer.SetCurrentX(Left);
    printer.SetFontBold(true);
    printer.PrintLine(QStringLiteral("DROP INLET DESIGN"));
    printer.SetFontBold(false);
    y = printer.CurrentY() + LineGap;
}

void PrintDropInletInputs(TwipsPrinter& printer, float& y, const DropInletContents& contents) {
    const InputRows rows = InputTable(contents);
    const InputEdges edges = InputTableEdges(printer, rows);
    const float top = y;
    RuleAcross(printer, edges, top);
    printer.SetCurrentY(printer.CurrentY() + LineGap);
    for (const auto& row : rows) {
        // Labels stand against their value's column, values centred in theirs.
        printer.SetCurrentX(edges[1] - printer.TextWidth(row[0]));
        printer.Print(row[0]);
        PrintCentred(printer, row[1], edges[1], edges[2]);
        printer.SetCurrentX(edges[3] - printer.TextWidth(row[2]));
        printer.Print(row[2]);
        PrintCentred(printer, row[3], edges[3], edges[4]);
        printer.PrintLine(QStringLiteral(" "));
        printer.SetCurrentY(printer.CurrentY() + LineGap);
        RuleAcross(printer, edges, printer.CurrentY());
        printer.SetCurrentY(printer.CurrentY() + LineGap);
    }
    // The table closes with a double rule, the second a line gap below the last row's.
    const float bottom = printer.CurrentY();
    RuleAcross(printer, edges, bottom);
    RuleColumns(printer, edges, top, bottom);
    y = bottom;
}

void PrintWeirSection(TwipsPrinter& printer, float& y, const DropInletContents& contents) {
    const QString option =
        contents.weirOption >= 0 && contents.weirOption < NumWeirOptions
            ? QString::fromLatin1(DropInletTexts::WeirOptionCaptions[contents.weirOption])
            : QString();
    const std::array<QString, 3> lines = {
        QStringLiteral("WEIR"),
        "Minimum Total Weir Length(ft):  " + TrimmedQString(contents.weirWeirLength), option};
    printer.SetCurrentY(y);
    for (size_t i = 0; i < lines.size(); ++i) {
        printer.SetCurrentY(printer.CurrentY() + 3 * LineGap);
        printer.SetCurrentX(Left);
        printer.SetFontBold(i == 0);
        printer.PrintLine(lines[i]);
    }
    printer.SetFontBold(false);
    y = printer.CurrentY();
}

void PrintWeirCalcTable(TwipsPrinter& printer, float& y, const DropInletContents& contents) {
    const std::vector<std::vector<QString>> rows = WeirCells(contents);
    const ColumnEdges edges = TableEdges(printer, WeirHeadings, rows, ColumnMargin);

    printer.SetCurrentY(y + 4 * LineGap);
    const float top = printer.CurrentY();
    RuleAcross(printer, edges, top);
    printer.SetCurrentY(printer.CurrentY() + LineGap);
    for (size_t line = 0; line < 2; ++line) {
        for (size_t c = 0; c < WeirHeadings.size(); ++c) {
            PrintCentred(printer, QString::fromLatin1(WeirHeadings[c][line]), edges[c],
                         edges[c + 1]);
        }
        printer.PrintLine();
        printer.SetCurrentY(printer.CurrentY() + LineGap);
    }
    const float headingBottom = printer.CurrentY();
    RuleAcross(printer, edges, headingBottom);
    RuleColumns(printer, edges, top, headingBottom);

    const float rowsTop = printer.CurrentY();
    for (const std::vector<QString>& cells : rows) {
        printer.SetCurrentY(printer.CurrentY() + LineGap);
        PrintCells(printer, cells, edges);
        printer.SetCurrentY(printer.CurrentY() + LineGap);
        RuleAcross(printer, edges, printer.CurrentY());
        printer.SetFontBold(false);
    }
    const float rowsBottom = printer.CurrentY();
    RuleColumns(printer, edges, rowsTop, rowsBottom);
    y = rowsBottom;
}

void PrintBarrelsSection(TwipsPrinter& printer, float& y, const DropInletContents& contents) {
    printer.SetCurrentY(y + 100);
    printer.SetFontBold(true);
    printer.SetCurrentX(Left);
    printer.Print(QStringLiteral("BARRELS"));
    printer.SetFontBold(false);
    printer.PrintLine("   Total Weir Length (ft): " + TrimmedQString(contents.barrelWeirLength));
    y = printer.CurrentY();
}

RowList GetRCBRows(const DropInletContents& contents) {
    return RowsWithColumn1(contents.rcb);
}

RowList GetRCPRows(const DropInletContents& contents) {
    return RowsWithColumn1(contents.rcp);
}

ColumnEdges PrintRCBTableHeading(TwipsPrinter& printer, float& y,
                                 const DropInletContents& contents) {
    return PrintTableHeading(printer, y, RCBTable, contents.rcb);
}

ColumnEdges PrintRCPTableHeading(TwipsPrinter& printer, float& y,
                                 const DropInletContents& contents) {
    return PrintTableHeading(printer, y, RCPTable, contents.rcp);
}

void PrintRCBRow(TwipsPrinter& printer, float& y, int row, const DropInletContents& contents,
                 const ColumnEdges& edges) {
    PrintTableRow(printer, y, GridRow(contents.rcb, row), edges);
}

void PrintRCPRow(TwipsPrinter& printer, float& y, int row, const DropInletContents& contents,
                 const ColumnEdges& edges) {
    PrintTableRow(printer, y, GridRow(contents.rcp, row), edges);
}

} // namespace PrtDropInlet
