#include "standard_designs/PrtVSHAStandardSize.h"

#include "app/FrmSiteIdentification.h"
#include "app/PrtSiteIDHeader.h"
#include "platform/Numbers.h"
#include "platform/ReportDrawing.h"
#include "platform/TwipsPrinter.h"
#include "platform/UiText.h"
#include "standard_designs/FrmVSHAStandardDesigns.h"

#include <algorithm>

namespace PrtVSHAStandardSize {
namespace {

using StandardDesignTables::Table;

constexpr float FirstTop = 400;
constexpr float BelowSiteHeader = 500;
constexpr float BelowHead = 50;
constexpr float BottomMargin = 1000;
constexpr int InputColumns = 5;

void Down(TwipsPrinter& printer, float by) {
    printer.SetCurrentY(printer.CurrentY() + by);
}

void PrintCentred(TwipsPrinter& printer, const QString& text, float centre) {
    printer.SetCurrentX(centre - printer.TextWidth(text) / 2);
    printer.Print(text);
}

// A line of texts centred on the column centres, then the line ended.
template <class Texts>
void PrintCentredLine(TwipsPrinter& printer, const Layout& layout, const Texts& texts) {
    for (size_t k = 0; k < texts.size(); ++k) {
        const QString text = ToQString(texts[k]);
        if (!text.isEmpty()) {
            PrintCentred(printer, text, layout.ColumnCenter[k]);
        }
    }
    printer.PrintLine(" ");
}

// A rule across boundaries 0 to `right`, then the vertical rules at each of
// them from `top` to `bottom`.
void RuleBox(TwipsPrinter& printer, const Layout& layout, int right, float top, float bottom) {
    const auto& x = layout.ColumnX;
    printer.Line(x[0], bottom, x[static_cast<size_t>(right)], bottom);
    for (int k = 0; k <= right; ++k) {
        printer.Line(x[static_cast<size_t>(k)], top, x[static_cast<size_t>(k)], bottom);
    }
}

// A new page headed like the first, its input block marked as continued.
void StartPage(TwipsPrinter& printer, const Layout& layout, float& y, int continuedFlag,
               const StandardDesignsContents& contents, const SiteFields& fields) {
    y = FirstTop;
    // The selected design's row may have left bold on.
    printer.SetFontBold(false);
    PrtSiteIDHeader::PrintSiteIDHeader(printer, y, fields);
    y += BelowSiteHeader;
    PrintDesignInput(printer, layout, y, continuedFlag, contents);
}

// The input values as the block prints them.
std::array<std::string, InputColumns> InputValues(const StandardDesignsContents& contents) {
    return {Numbers::Trim(contents.totalQ), Numbers::Trim(contents.hMin),
            Numbers::Trim(contents.hMax), contents.includeMultipleBarrels ? "YES" : "NO",
            Numbers::Trim(contents.inletInvertElev)};
}

// The widest value of the input block and of the tables' rows (after their
// first column, which holds the selection), measured bold as a selected row
// prints.
float WidestValue(TwipsPrinter& printer, const StandardDesignsContents& contents) {
    float widest = 0;
    auto measure = [&](const std::string& text) {
        widest = std::max(widest, printer.TextWidth(ToQString(Numbers::Trim(text))));
    };
    printer.SetFontBold(true);
    for (const std::string& value : InputValues(contents)) {
        measure(value);
    }
    for (StandardDesignTables::GridNumber grid : StandardDesignTables::ReportOrder) {
        const StandardDesignsContents::GridCells& cells = contents.Grid(grid);
        const int listed = ListedRowCount(cells);
        for (int r = 0; r < listed; ++r) {
            const std::vector<std::string>& row = cells[static_cast<size_t>(r)];
            for (size_t c = 1; c < row.size(); ++c) {
                measure(row[c]);
            }
        }
    }
    printer.SetFontBold(false);
    return widest;
}

} // namespace

void PrintStandardDesigns(TwipsPrinter& printer) {
    PrintContents(printer, FrmVSHAStandardDesigns::Instance()->Contents(),
                  FrmSiteIdentification::CurrentFields());
}

Layout SetTableColumns() {
    Layout layout;
    layout.ColumnX[0] = 1000;
    layout.ColumnX[1] = 2200;
    for (size_t k = 2; k <= 8; ++k) {
        layout.ColumnX[k] = layout.ColumnX[k - 1] + 1300;
    }
    for (size_t k = 0; k <= 7; ++k) {
        layout.ColumnCenter[k] = (layout.ColumnX[k] + layout.ColumnX[k + 1]) / 2;
    }
    return layout;
}

void PrintDesignInput(TwipsPrinter& printer, const Layout& layout, float& y, int continuedFlag,
                      const StandardDesignsContents& contents) {
    const auto& x = layout.ColumnX;
    const float y0 = y;
    printer.SetFontSize(12);
    printer.SetFontBold(true);
    printer.Line(x[0], y0, x[InputColumns], y0);
    Down(printer, layout.TopMargin);
    printer.SetCurrentX(x[0] + layout.LeftMargin);
    printer.Print(continuedFlag != 0 ? "VSHA Standard Design (Continued)" : "VSHA Standard Design");
    printer.PrintLine(" ");
    Down(printer, layout.TopMargin);
    const float y1 = printer.CurrentY();
    printer.Line(x[0], y1, x[InputColumns], y1);
    printer.Line(x[0], y0, x[0], y1);
    printer.Line(x[InputColumns], y0, x[InputColumns], y1);

    printer.SetFontSize(layout.FontPoints);
    printer.SetFontBold(false);
    Down(printer, layout.TopMargin);
    const std::array<std::string, InputColumns> labels = {"Q", "H-Minimum", "H-Maximum", "Multiple",
                                                          "Inlet Invert"};
    PrintCentredLine(printer, layout, labels);
    Down(printer, layout.TopMargin);
    const std::array<std::string, InputColumns> units = {"(ft^3/s)", "(feet)", "(feet)", "Barrels",
                                                         "Elev.(feet)"};
    PrintCentredLine(printer, layout, units);
    Down(printer, layout.TopMargin);
    const float y2 = printer.CurrentY();
    RuleBox(printer, layout, InputColumns, y1, y2);

    printer.SetCurrentY(y2 + layout.TopMargin);
    PrintCentredLine(printer, layout, InputValues(contents));
    Down(printer, layout.TopMargin);
    const float y3 = printer.CurrentY();
    RuleBox(printer, layout, InputColumns, y2, y3);
    printer.PrintLine(" ");
    y = y3 + (printer.CurrentY() - y3) / 2;
}

void PrintTableHeader(TwipsPrinter& printer, const Layout& layout, float& y, const Table& table) {
    const auto& x = layout.ColumnX;
    const auto right = static_cast<size_t>(table.columns);
    const float y0 = y;
    printer.SetCurrentY(y0);
    printer.Line(x[0], y0, x[right], y0);
    Down(printer, layout.TopMargin);
    printer.SetFontBold(true);
    printer.SetCurrentX(x[0] + layout.LeftMargin);
    printer.PrintLine(table.printedTitle);
    Down(printer, layout.TopMargin);
    printer.SetFontBold(false);
    const float y1 = printer.CurrentY();
    printer.Line(x[0], y1, x[right], y1);
    printer.Line(x[0], y0, x[0], y1);
    printer.Line(x[right], y0, x[right], y1);

    for (size_t line = 0; line < 2; ++line) {
        Down(printer, layout.TopMargin);
        std::vector<std::string> texts;
        for (size_t c = 0; c < right; ++c) {
            texts.emplace_back(table.printed[c][line]);
        }
        PrintCentredLine(printer, layout, texts);
    }
    Down(printer, layout.TopMargin);
    const float y2 = printer.CurrentY();
    RuleBox(printer, layout, table.columns, y1, y2);
    y = printer.CurrentY();
}

void PrintTableRow(TwipsPrinter& printer, const Layout& layout, float& y, const Table& table,
                   const std::vector<std::string>& row, int selectFlag) {
    const auto& x = layout.ColumnX;
    std::vector<std::string> texts;
    for (const std::string& cell : row) {
        texts.push_back(Numbers::Trim(cell));
    }
    printer.SetFontBold(selectFlag == 1);
    const float y0 = y;
    printer.SetCurrentY(y0);
    printer.Line(x[0], y0, x[static_cast<size_t>(table.columns)], y0);
    Down(printer, layout.TopMargin);
    if (selectFlag == 1 && !texts.empty()) {
        texts[0] = ReportDrawing::SelectionWord.toStdString();
        printer.SetCurrentX(x[0] - printer.TextWidth(StandardDesignTables::SelectedMark) - 100);
        printer.Print(StandardDesignTables::SelectedMark);
    }
    if (texts.size() > layout.ColumnCenter.size()) {
        texts.resize(layout.ColumnCenter.size());
    }
    PrintCentredLine(printer, layout, texts);
    Down(printer, layout.TopMargin);
    RuleBox(printer, layout, table.columns, y0, printer.CurrentY());
    y = printer.CurrentY();
}

void PrintContents(TwipsPrinter& printer, const StandardDesignsContents& contents,
                   const SiteFields& fields) {
    printer.SetOrientation(PageOrientation::Portrait);
    printer.SetFontName("Times New Roman");
    Layout layout = SetTableColumns();
    auto& x = layout.ColumnX;
    // Every value column is 1300 wide; a number stands clear of both its rules.
    ReportDrawing::FitFontSize(printer, layout.FontPoints,
                               x[2] - x[1] - 2 * ReportDrawing::CellPadding,
                               [&] { return WidestValue(printer, contents); });
    layout.FontPoints = printer.FontSize();
    ReportDrawing::FitSelectionColumn(printer, x[0], x[1]);
    layout.ColumnCenter[0] = (x[0] + x[1]) / 2;
    const float pageLimit = printer.ScaleHeight() - BottomMargin;

    float y = 0;
    StartPage(printer, layout, y, 0, contents, fields);
    bool first = true;
    for (StandardDesignTables::GridNumber grid : StandardDesignTables::ReportOrder) {
        const Table& table = StandardDesignTables::TableOf(grid);
        if (first) {
            // The first head sets the heights every later table is fitted by.
            const float top = y;
            PrintTableHeader(printer, layout, y, table);
            layout.TableHeadHeight = y - top;
            layout.TableRowHeight = layout.TableHeadHeight / 3;
        } else {
            y = printer.CurrentY() + 0.5f * layout.TableRowHeight;
            printer.SetCurrentY(y);
            if (y + layout.TableHeadHeight + 3 * layout.TableRowHeight > pageLimit) {
                printer.NewPage();
                StartPage(printer, layout, y, 1, contents, fields);
            }
            PrintTableHeader(printer, layout, y, table);
        }
        first = false;
        y += BelowHead;

        const StandardDesignsContents::GridCells& cells = contents.Grid(grid);
        const int listed = ListedRowCount(cells);
        for (int gridRow = 1; gridRow <= listed; ++gridRow) {
            const std::vector<std::string>& row = cells[static_cast<size_t>(gridRow - 1)];
            const int selectFlag = row.front() == StandardDesignTables::SelectedMark ? 1 : 0;
            PrintTableRow(printer, layout, y, table, row, selectFlag);
            if (y > pageLimit && gridRow != listed) {
                printer.NewPage();
                StartPage(printer, layout, y, 1, contents, fields);
                PrintTableHeader(printer, layout, y, table);
                y += BelowHead;
            }
        }
    }
    printer.EndDoc();
}

} // namespace PrtVSHAStandardSize
