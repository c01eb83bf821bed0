#include "platform/ReportDrawing.h"

#include "platform/TwipsPrinter.h"

namespace ReportDrawing {

void PrintCentred(TwipsPrinter& printer, const QString& text, float left, float right) {
    printer.SetCurrentX((left + right) / 2 - printer.TextWidth(text) / 2);
    printer.Print(text);
}

void RuleAcross(TwipsPrinter& printer, std::span<const float> edges, float y) {
    printer.Line(edges.front(), y, edges.back(), y);
}

void RuleColumns(TwipsPrinter& printer, std::span<const float> edges, float top, float bottom) {
    for (float edge : edges) {
        printer.Line(edge, top, edge, bottom);
    }
}

} // namespace ReportDrawing
