#include "tailwater/TailwaterTableReport.h"

#include "app/PrtSiteIDHeader.h"
#include "platform/TwipsPrinter.h"

#include <algorithm>

namespace TailwaterTableReport {
namespace {

constexpr float Left = 1000;
constexpr float PageTop = 400;
constexpr float BelowSiteHeader = 500;
constexpr float BottomMargin = 1000;
constexpr float ColumnMargin = 300;
constexpr float TextGap = 30;
constexpr float RuleOverhang = 100;
constexpr float BelowTitle = 50;
constexpr float FontPoints = 11;

void MoveDown(TwipsPrinter& printer, float distance) {
    printer.SetCurrentY(printer.CurrentY() + distance);
}

// One box of text lines: a rule above and below, the lines centred in their
// columns with TextGap above and below each, and a rule at every edge.
void PrintBox(TwipsPrinter& printer, float& y, const CellTable& cells, size_t first, size_t last,
              const ColumnEdges& edges) {
    printer.SetCurrentY(y);
    const float top = y;
    printer.Line(edges.front(), top, edges.back(), top);
    for (size_t line = first; line <= last; ++line) {
        MoveDown(printer, TextGap);
        const std::vector<QString>& texts = cells[line];
        for (size_t c = 0; c < texts.size(); ++c) {
            printer.SetCurrentX((edges[c] + edges[c + 1]) / 2 - printer.TextWidth(texts[c]) / 2);
            printer.Print(texts[c]);
        }
        printer.PrintLine();
        MoveDown(printer, TextGap);
    }
    const float bottom = printer.CurrentY();
    printer.Line(edges.front(), bottom, edges.back(), bottom);
    for (float edge : edges) {
        printer.Line(edge, top, edge, bottom);
    }
    y = bottom;
}

void PrintPageHead(TwipsPrinter& printer, float& y, const Table& table, const SiteFields& fields,
                   const ColumnEdges& edges, bool firstPage) {
    y = PageTop;
    PrtSiteIDHeader::PrintSiteIDHeader(printer, y, fields);
    y += BelowSiteHeader;
    const float ruleEnd = PrintTitle(printer, y, table.title);
    if (firstPage && table.firstPageLines) {
        table.firstPageLines(printer, y, ruleEnd);
    }
    PrintHeadings(printer, y, table.cells, edges);
}

} // namespace

void PrintTable(TwipsPrinter& printer, const Table& table, const SiteFields& fields) {
    // The page and font first: the columns are measured in the font they are
    // printed in, and the page limit is that of the portrait page.
    printer.SetOrientation(PageOrientation::Portrait);
    printer.SetFontName(QStringLiteral("Times New Roman"));
    printer.SetFontSize(FontPoints);
    printer.SetFontBold(false);
    const float bottomLimit = printer.ScaleHeight() - BottomMargin;
    const ColumnEdges edges = ComputeColumnEdges(printer, table.cells, table.minTextWidth);

    float y = 0;
    PrintPageHead(printer, y, table, fields, edges, true);
    const size_t last = table.cells.size() - 1;
    for (size_t line = 2; line <= last; ++line) {
        PrintRow(printer, y, line, table.cells, edges);
        if (y > bottomLimit && line < last) {
            printer.NewPage();
            PrintPageHead(printer, y, table, fields, edges, false);
        }
    }
    printer.EndDoc();
}

ColumnEdges ComputeColumnEdges(const TwipsPrinter& printer, const CellTable& cells,
                               float minTextWidth) {
    const size_t columns = cells.empty() ? 0 : cells.front().size();
    ColumnEdges edges{Left};
    for (size_t c = 0; c < columns; ++c) {
        float widest = minTextWidth;
        for (const std::vector<QString>& line : cells) {
            widest = std::max(widest, printer.TextWidth(line[c]));
        }
        edges.push_back(edges.back() + widest + ColumnMargin);
    }
    return edges;
}

float PrintTitle(TwipsPrinter& printer, float& y, const QString& title) {
    printer.SetCurrentY(y);
    printer.SetCurrentX(Left);
    printer.SetFontBold(true);
    printer.Print(title);
    const float ruleEnd = printer.CurrentX() + RuleOverhang;
    printer.PrintLine();
    printer.SetFontBold(false);
    MoveDown(printer, TextGap);
    printer.Line(Left, printer.CurrentY(), ruleEnd, printer.CurrentY());
    MoveDown(printer, BelowTitle);
    y = printer.CurrentY();
    return ruleEnd;
}

void PrintHeadings(TwipsPrinter& printer, float& y, const CellTable& cells,
                   const ColumnEdges& edges) {
    PrintBox(printer, y, cells, 0, 1, edges);
}

void PrintRow(TwipsPrinter& printer, float& y, size_t line, const CellTable& cells,
              const ColumnEdges& edges) {
    PrintBox(printer, y, cells, line, line, edges);
}

} // namespace TailwaterTableReport
