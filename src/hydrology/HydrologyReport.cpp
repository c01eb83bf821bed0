#include "hydrology/HydrologyReport.h"

#include "app/PrtSiteID.h"
#include "platform/Numbers.h"
#include "platform/TwipsPrinter.h"
#include "platform/UiText.h"

#include <algorithm>

namespace HydrologyReport {
namespace {

constexpr float Left = 1000;
constexpr float SiteTop = 1000;
constexpr float BelowSite = 500;
constexpr float UnderlineGap = 50;
constexpr float UnderlineOverhang = 100;
constexpr float MinColumnWidth = 1000;
constexpr float ColumnMargin = 300;
constexpr float CellGap = 30;

void PrintRow(TwipsPrinter& printer, const std::vector<QString>& row,
              const std::vector<float>& edges) {
    printer.SetCurrentY(printer.CurrentY() + CellGap);
    for (size_t c = 0; c < row.size(); ++c) {
        printer.SetCurrentX((edges[c] + edges[c + 1]) / 2 - printer.TextWidth(row[c]) / 2);
        printer.Print(row[c]);
    }
    printer.PrintLine();
    printer.SetCurrentY(printer.CurrentY() + CellGap);
}

void RuleAcross(TwipsPrinter& printer, const std::vector<float>& edges, float y) {
    printer.Line(edges.front(), y, edges.back(), y);
}

void RuleColumns(TwipsPrinter& printer, const std::vector<float>& edges, float top, float bottom) {
    for (float edge : edges) {
        printer.Line(edge, top, edge, bottom);
    }
}

} // namespace

void BeginPage(TwipsPrinter& printer, float& y, const SiteFields& fields) {
    printer.SetOrientation(PageOrientation::Portrait);
    printer.SetFontName("Times New Roman");
    printer.SetFontSize(11);
    y = SiteTop;
    PrtSiteID::PrintSiteID(printer, y, fields);
    y += BelowSite;
}

void PrintTitle(TwipsPrinter& printer, float& y, const QString& title) {
    printer.SetCurrentX(Left);
    printer.SetCurrentY(y);
    printer.SetFontBold(true);
    printer.Print(title);
    const float underlineEnd = printer.CurrentX() + UnderlineOverhang;
    printer.PrintLine();
    printer.SetFontBold(false);
    printer.SetCurrentY(printer.CurrentY() + UnderlineGap);
    printer.Line(Left, printer.CurrentY(), underlineEnd, printer.CurrentY());
    printer.SetCurrentY(printer.CurrentY() + printer.TextHeight());
    y = printer.CurrentY();
}

void PrintTableHeading(TwipsPrinter& printer, float y, const QString& heading, float left,
                       bool bold) {
    printer.SetCurrentY(y);
    printer.SetCurrentX(left);
    printer.SetFontBold(bold);
    printer.PrintLine(heading);
    printer.SetCurrentY(printer.CurrentY() + 50);
}

std::vector<float> ColumnEdges(const TwipsPrinter& printer, const TableRows& rows, float left) {
    std::vector<float> edges{left};
    const size_t columns = rows.front().size();
    for (size_t c = 0; c < columns; ++c) {
        float widest = MinColumnWidth;
        for (const auto& row : rows) {
            widest = std::max(widest, printer.TextWidth(row[c]));
        }
        edges.push_back(edges.back() + widest + ColumnMargin);
    }
    return edges;
}

void PrintRuledTable(TwipsPrinter& printer, float& y, const TableRows& rows, float left,
                     bool boldHeadings) {
    printer.SetFontBold(boldHeadings);
    const std::vector<float> edges = ColumnEdges(printer, rows, left);
    const float top = printer.CurrentY();
    RuleAcross(printer, edges, top);
    PrintRow(printer, rows[0], edges);
    PrintRow(printer, rows[1], edges);
    const float headingBottom = printer.CurrentY();
    RuleAcross(printer, edges, headingBottom);
    RuleColumns(printer, edges, top, headingBottom);
    printer.SetFontBold(false);
    for (size_t r = 2; r < rows.size(); ++r) {
        PrintRow(printer, rows[r], edges);
        RuleAcross(printer, edges, printer.CurrentY());
    }
    RuleColumns(printer, edges, headingBottom, printer.CurrentY());
    y = printer.CurrentY();
}

QString Trimmed(const std::string& text) {
    return ToQString(Numbers::Trim(text));
}

} // namespace HydrologyReport
