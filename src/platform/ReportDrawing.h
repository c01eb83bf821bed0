#pragma once

#include <QString>

#include <span>

class TwipsPrinter;

// The small drawing steps the printed reports share, in twips.
namespace ReportDrawing {

// Prints the text on the current line, centred between two edges.
void PrintCentred(TwipsPrinter& printer, const QString& text, float left, float right);

// A horizontal rule at y from the first edge to the last.
void RuleAcross(TwipsPrinter& printer, std::span<const float> edges, float y);

// A vertical rule at every edge from top to bottom.
void RuleColumns(TwipsPrinter& printer, std::span<const float> edges, float top, float bottom);

} // namespace ReportDrawing
