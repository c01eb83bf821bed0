#include "platform/ReportDrawing.h"

#include "platform/TwipsPrinter.h"

#include <algorithm>

namespace ReportDrawing {

void PrintCentred(TwipsPrinter& printer, const QString& text, float left, float right) {
    printer.SetCurrentX((left + right) / 2 - printer.TextWidth(text) / 2);
    printer.Print(text);
}

void PrintTitle(TwipsPrinter& printer, float& y, const QString& title) {
    printer.SetCurrentY(y);
    printer.SetCurrentX(printer.ScaleWidth() / 2 - printer.TextWidth(title) / 2);
    printer.SetFontBold(true);
    printer.PrintLine(title);
    printer.SetFontBold(false);
    y = printer.CurrentY();
}

void FitSelectionColumn(TwipsPrinter& printer, float& left, float right) {
    const bool bold = printer.FontBold();
    printer.SetFontBold(true);
    left = std::min(left, right - printer.TextWidth(SelectionWord) - 2 * CellPadding);
    printer.SetFontBold(bold);
}

void FitFontSize(TwipsPrinter& printer, float points, float limit,
                 const std::function<float()>& extent) {
    constexpr float Step = 0.5;
    printer.SetFontSize(points);
    while (printer.FontSize() > Step && extent() > limit) {
        printer.SetFontSize(printer.FontSize() - Step);
    }
}

void RuleAcross(TwipsPrinter& printer, std::span<const float> edges, float y) {
    printer.Line(edges.front(), y, edges.back(), y);
}

void RuleColumns(TwipsPrinter& printer, std::span<const float> edges, float top, float bottom) {
    for (float edge : edges) {
        printer.Line(edge, top, edge, bottom);
    }
}

void PrintBoxedTable(TwipsPrinter& printer, float& y, const BoxedTable& table) {
    constexpr float ColumnMargin = 300;
    constexpr float NarrowBelow = 1500;
    const auto columns = static_cast<size_t>(table.bands.front().front().size());
    std::vector<float> edges{table.left};
    for (size_t j = 0; j < columns; ++j) {
        float width = 0;
        for (const auto& band : table.bands) {
            for (const QStringList& row : band) {
                width = std::max(width, printer.TextWidth(row[static_cast<qsizetype>(j)]));
            }
        }
        if (table.narrowWidth > 0 && width < NarrowBelow) {
            width = table.narrowWidth;
        }
        edges.push_back(edges.back() + width + ColumnMargin);
    }

    const float top = printer.CurrentY();
    RuleAcross(printer, edges, top);
    printer.SetCurrentY(top + table.gap);
    for (size_t b = 0; b < table.bands.size(); ++b) {
        if (b > 0 && table.gapBelowInnerRules) {
            printer.SetCurrentY(printer.CurrentY() + table.gap);
        }
        for (const QStringList& row : table.bands[b]) {
            for (size_t j = 0; j < columns; ++j) {
                PrintCentred(printer, row[static_cast<qsizetype>(j)], edges[j], edges[j + 1]);
            }
            printer.PrintLine();
            printer.SetCurrentY(printer.CurrentY() + table.gap);
        }
        RuleAcross(printer, edges, printer.CurrentY());
    }
    const float bottom = printer.CurrentY();
    RuleColumns(printer, edges, top, bottom);
    y = bottom + 10;
    printer.SetCurrentY(y);
}

} // namespace ReportDrawing
