#include "outlet_protection/PrtNEScourHole.h"

#include "app/FrmSiteIdentification.h"
#include "app/PrtSiteIDHeader.h"
#include "outlet_protection/frmScourHoleDesign.h"
#include "platform/TwipsPrinter.h"
#include "platform/UiText.h"

#include <algorithm>

namespace PrtNEScourHole {
namespace {

constexpr float LeftMargin = 1440;
constexpr float FirstEdge = 2000;
constexpr float ColumnPadding = 200;
constexpr float CellPadding = 15;
constexpr float InputPoints = 12;
constexpr float TablePoints = 11;

const char* const DesignHeadings[] = {
    "Scour Hole Dimensions: For scour hole depressed 1/2 the culvert span",
    "Scour Hole Dimensions: For scour hole depressed the culvert span"};

QString Trimmed(const std::string& text) {
    return ToQString(text).trimmed();
}

TableTexts ValueRow(std::initializer_list<const std::string*> captions) {
    std::vector<QString> row;
    for (const std::string* caption : captions) {
        row.push_back(ToQString(*caption));
    }
    return {std::vector<QString>(row.size()), row};
}

// A boxed block of text lines: a rule on top, each line 15 below the one
// before, 15 below the last the bottom rule, and a rule at every edge.
void PrintCells(TwipsPrinter& printer, float& y, const std::vector<std::vector<QString>>& lines,
                const ColumnEdges& edges) {
    const float top = printer.CurrentY();
    printer.Line(edges.front(), top, edges.back(), top);
    for (const std::vector<QString>& line : lines) {
        printer.SetCurrentY(printer.CurrentY() + CellPadding);
        for (size_t j = 0; j < line.size(); ++j) {
            printer.SetCurrentX((edges[j] + edges[j + 1]) / 2 - printer.TextWidth(line[j]) / 2);
            printer.Print(line[j]);
        }
        printer.PrintLine(" ");
    }
    printer.SetCurrentY(printer.CurrentY() + CellPadding);
    const float bottom = printer.CurrentY();
    printer.Line(edges.front(), bottom, edges.back(), bottom);
    for (float edge : edges) {
        printer.Line(edge, top, edge, bottom);
    }
    y = printer.CurrentY();
}

void PrintTable(TwipsPrinter& printer, float& y, const TableTexts& headings,
                const TableTexts& values) {
    const ColumnEdges edges = ComputeColumnWidths(printer, headings, values);
    printer.SetFontSize(TablePoints);
    PrintHeaderCells(printer, y, headings, edges);
    y += 50;
    for (int row = 1; row < static_cast<int>(values.size()); ++row) {
        PrintValueCells(printer, y, row, values, edges);
    }
}

void PrintDesignTables(TwipsPrinter& printer, float& y, const ScourHoleContents& contents,
                       int design) {
    PrintTable(printer, y, SetDimensionsHeader(), GetDimensions(contents, design));
    y += 100;
    PrintTable(printer, y, SetRiprapSizeHeader(), GetRiprapSizes(contents, design));
    // The thickness table stands a little further off than the size table.
    y += 50 + 100;
    PrintTable(printer, y, SetRiprapThicknessHeader(), GetRiprapThicknesses(contents, design));
}

// The label at the current point, its colon lined up on the first label's end.
void PrintInput(TwipsPrinter& printer, float labelEdge, const QString& label,
                const QString& value) {
    printer.SetCurrentX(labelEdge - printer.TextWidth(label));
    printer.Print(label);
    printer.PrintLine(value);
}

} // namespace

void PrintNEScourHole(TwipsPrinter& printer) {
    PrintContents(printer, frmScourHoleDesign::Instance()->Contents(),
                  FrmSiteIdentification::CurrentFields());
}

void PrintContents(TwipsPrinter& printer, const ScourHoleContents& contents,
                   const SiteFields& fields) {
    printer.SetOrientation(PageOrientation::Portrait);
    printer.SetFontName(QStringLiteral("Arial"));
    printer.SetFontSize(InputPoints);
    float y = 400;
    PrtSiteIDHeader::PrintSiteIDHeader(printer, y, fields);
    y += 400;
    PrintTitle(printer, y);

    // The inputs the shown results belong to, from the window's hidden copies.
    const ScourHoleContents::Inputs& used = contents.inputs[1];
    printer.SetCurrentY(y + 200);
    printer.SetCurrentX(LeftMargin);
    printer.Print("Culvert Diameter or Span (ft): ");
    const float labelEdge = printer.CurrentX();
    printer.PrintLine(Trimmed(used.culvertDiam));
    PrintInput(printer, labelEdge, "Design Q (cfs): ", Trimmed(used.designQ));
    PrintInput(printer, labelEdge, "Tailwater Depth (ft): ", Trimmed(used.tailwaterDepth));

    printer.SetCurrentY(printer.CurrentY() + 100);
    printer.SetCurrentX(LeftMargin);
    printer.PrintLine(DesignHeadings[0]);
    printer.SetCurrentY(printer.CurrentY() + 100);
    y = printer.CurrentY();
    PrintDesignTables(printer, y, contents, 0);
    y += 200;

    printer.SetCurrentY(y);
    printer.SetFontSize(InputPoints);
    printer.SetCurrentX(LeftMargin);
    printer.PrintLine(DesignHeadings[1]);
    printer.SetCurrentY(printer.CurrentY() + 100);
    y = printer.CurrentY();
    printer.SetFontSize(TablePoints);
    PrintDesignTables(printer, y, contents, 1);
    printer.EndDoc();
}

void PrintTitle(TwipsPrinter& printer, float& y) {
    printer.SetCurrentY(y);
    printer.SetCurrentX(LeftMargin);
    printer.SetFontBold(true);
    printer.PrintLine("NE SCOUR HOLE DESIGN");
    printer.SetFontBold(false);
    y = printer.CurrentY();
}

TableTexts SetDimensionsHeader() {
    return {{"Basin", "Basin", "Culvert", "Basin"},
            {"Width ", "Length", "Span", "Depression"},
            {"A (ft)", "C (ft)", "E (ft)", "F (ft)"}};
}

TableTexts SetRiprapSizeHeader() {
    return {{"Calculated Riprap", "Recommended Riprap"}, {"Size, D-50(ft)", "Size"}};
}

TableTexts SetRiprapThicknessHeader() {
    return {{"Calculated Riprap", "Recommended Riprap"},
            {"Thickness, D (ft)", "Thickness, D (ft)"}};
}

TableTexts GetDimensions(const ScourHoleContents& contents, int design) {
    const auto& r = contents.results[static_cast<size_t>(design)];
    return ValueRow({&r.aDim, &r.cDim, &r.eDim, &r.fDim});
}

TableTexts GetRiprapSizes(const ScourHoleContents& contents, int design) {
    const auto& r = contents.results[static_cast<size_t>(design)];
    return ValueRow({&r.calcD50, &r.recD50});
}

TableTexts GetRiprapThicknesses(const ScourHoleContents& contents, int design) {
    const auto& r = contents.results[static_cast<size_t>(design)];
    return ValueRow({&r.calcD, &r.recD});
}

ColumnEdges ComputeColumnWidths(const TwipsPrinter& printer, const TableTexts& headings,
                                const TableTexts& values) {
    const size_t columns = headings.front().size();
    ColumnEdges edges = {FirstEdge};
    for (size_t j = 0; j < columns; ++j) {
        float widest = 0;
        for (const auto& line : headings) {
            widest = std::max(widest, printer.TextWidth(line[j]));
        }
        for (size_t v = 1; v < values.size(); ++v) {
            widest = std::max(widest, printer.TextWidth(values[v][j]));
        }
        edges.push_back(edges.back() + widest + ColumnPadding);
    }
    return edges;
}

void PrintHeaderCells(TwipsPrinter& printer, float& y, const TableTexts& headings,
                      const ColumnEdges& edges) {
    printer.SetCurrentY(y + 200);
    PrintCells(printer, y, headings, edges);
}

void PrintValueCells(TwipsPrinter& printer, float& y, int row, const TableTexts& values,
                     const ColumnEdges& edges) {
    printer.SetCurrentY(y);
    PrintCells(printer, y, {values[static_cast<size_t>(row)]}, edges);
}

} // namespace PrtNEScourHole
