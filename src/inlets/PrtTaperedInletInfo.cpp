#include "inlets/PrtTaperedInletInfo.h"

#include "app/FrmSiteIdentification.h"
#include "app/PrtSiteIDHeader.h"
#include "inlets/FrmTaperedInletDesign.h"
#include "platform/Numbers.h"
#include "platform/ReportDrawing.h"
#include "platform/TwipsPrinter.h"
#include "platform/UiText.h"

#include <span>

namespace PrtTaperedInletInfo {
namespace {

using namespace TaperedInletResults;

constexpr float TableLeft = 1000;
constexpr float BottomMargin = 1000;
constexpr float PageTop = 400;
constexpr float BelowHeader = 500;
constexpr float BelowHeading = 50;
constexpr float TitlePoints = 12;
constexpr float TextPoints = 11;
// The inputs block: four columns 1500 wide.
constexpr std::array<float, 5> InputEdges = {1000, 2500, 4000, 5500, 7000};

// Each text centred on its centre, then a blank that ends the line.
void PrintCentredLine(TwipsPrinter& printer, std::span<const QString> texts,
                      std::span<const float> centres) {
    for (std::size_t k = 0; k < texts.size(); ++k) {
        printer.SetCurrentX(centres[k] - printer.TextWidth(texts[k]) / 2);
        printer.Print(texts[k]);
    }
    printer.PrintLine(QStringLiteral(" "));
}

void Gap(TwipsPrinter& printer) {
    printer.SetCurrentY(printer.CurrentY() + LineGap);
}

void Rule(TwipsPrinter& printer, float left, float right, float y) {
    printer.Line(left, y, right, y);
}

void Verticals(TwipsPrinter& printer, std::span<const float> xs, float top, float bottom) {
    for (float x : xs) {
        printer.Line(x, top, x, bottom);
    }
}

std::array<float, 4> InputCentres() {
    std::array<float, 4> centres{};
    for (std::size_t k = 0; k < centres.size(); ++k) {
        centres[k] = (InputEdges[k] + InputEdges[k + 1]) / 2;
    }
    return centres;
}

// The table's rows print at the text size, the selected one in bold.
TableColumns FitSelectionColumn(TwipsPrinter& printer, TableColumns columns) {
    auto& x = columns.ColumnX;
    const float points = printer.FontSize();
    printer.SetFontSize(TextPoints);
    ReportDrawing::FitSelectionColumn(printer, x[0], x[1]);
    printer.SetFontSize(points);
    columns.ColumnMidX[0] = (x[0] + x[1]) / 2;
    return columns;
}

void StartPage(TwipsPrinter& printer, float& PrintY, int Continued,
               const TaperedInletContents& contents, const SiteFields& fields,
               const TableColumns& columns) {
    PrintY = PageTop;
    PrtSiteIDHeader::PrintSiteIDHeader(printer, PrintY, fields);
    PrintY += BelowHeader;
    PrintTaperedInletInputs(printer, PrintY, Continued, contents);
    PrintTaperedInletTableHeading(printer, PrintY, columns);
    PrintY += BelowHeading;
}

} // namespace

void PrintTaperedInletInfo(TwipsPrinter& printer) {
    PrintContents(printer, FrmTaperedInletDesign::Instance()->Contents(),
                  FrmSiteIdentification::CurrentFields());
}

void PrintContents(TwipsPrinter& printer, const TaperedInletContents& contents,
                   const SiteFields& fields) {
    printer.SetOrientation(PageOrientation::Landscape);
    printer.SetFontName(QStringLiteral("Times New Roman"));
    const TableColumns columns = FitSelectionColumn(printer, SetTaperedInletColumns());
    const float limit = printer.ScaleHeight() - BottomMargin;

    float PrintY = 0;
    StartPage(printer, PrintY, 0, contents, fields, columns);
    const int rows = GetTaperedInletRowCount(contents);
    for (int i = 1; i <= rows; ++i) {
        PrintTaperedInletRow(printer, PrintY, i, contents, columns);
        // Tested after the row, so a row is never split and the last one never
        // starts a page of its own.
        if (PrintY > limit && i != rows) {
            printer.NewPage();
            StartPage(printer, PrintY, 1, contents, fields, columns);
        }
    }
    PrintTaperedInletComments(printer, PrintY);
    printer.EndDoc();
}

TableColumns SetTaperedInletColumns() {
    TableColumns columns;
    auto& x = columns.ColumnX;
    x[0] = TableLeft;
    for (std::size_t i = 1; i < x.size(); ++i) {
        x[i] = x[i - 1] + 1250;
    }
    x[1] += 250;
    for (std::size_t i = 0; i < columns.ColumnMidX.size(); ++i) {
        columns.ColumnMidX[i] = (x[i] + x[i + 1]) / 2;
    }
    return columns;
}

void PrintTaperedInletInputs(TwipsPrinter& printer, float& PrintY, int Continued,
                             const TaperedInletContents& contents) {
    const float left = InputEdges.front();
    const float right = InputEdges.back();
    const std::array<float, 4> centres = InputCentres();

    const float y0 = PrintY;
    printer.SetFontSize(TitlePoints);
    printer.SetFontBold(true);
    Rule(printer, left, right, y0);
    Gap(printer);
    printer.SetCurrentX(left + TextIndent);
    printer.Print(Continued == 0 ? QStringLiteral("Tapered Inlet Design")
                                 : QStringLiteral("Tapered Inlet Design (Continued)"));
    printer.PrintLine(QStringLiteral(" "));
    Gap(printer);
    const float yT = printer.CurrentY();
    Rule(printer, left, right, yT);
    Verticals(printer, std::array<float, 2>{left, right}, y0, yT);

    printer.SetFontSize(TextPoints);
    printer.SetFontBold(false);
    Gap(printer);
    const std::array<QString, 4> heading1 = {"Q", "H-Minimum", "H-Maximum", "Multiple"};
    PrintCentredLine(printer, heading1, centres);
    Gap(printer);
    const std::array<QString, 4> heading2 = {"(ft^3/s)", "(feet)", "(feet)", "Barrels"};
    PrintCentredLine(printer, heading2, centres);
    Gap(printer);
    const float yH = printer.CurrentY();
    Rule(printer, left, right, yH);
    Verticals(printer, InputEdges, yT, yH);

    Gap(printer);
    const std::array<QString, 4> values = {
        TrimmedQString(contents.q), TrimmedQString(contents.hMin), TrimmedQString(contents.hMax),
        contents.includeMultipleBarrels ? QStringLiteral("YES") : QStringLiteral("NO")};
    PrintCentredLine(printer, values, centres);
    Gap(printer);
    const float yV = printer.CurrentY();
    Rule(printer, left, right, yV);
    Verticals(printer, InputEdges, yH, yV);

    printer.PrintLine(QStringLiteral(" "));
    const float position = printer.CurrentY();
    PrintY = position - (position - yV) / 2;
}

void PrintTaperedInletTableHeading(TwipsPrinter& printer, float& PrintY,
                                   const TableColumns& columns) {
    const float y1 = PrintY;
    printer.SetFontSize(TextPoints);
    printer.SetFontBold(false);
    printer.SetCurrentY(y1);
    Rule(printer, columns.ColumnX.front(), columns.ColumnX.back(), y1);
    Gap(printer);
    for (std::size_t line = 0; line < 3; ++line) {
        std::array<QString, ColumnCount> texts;
        for (std::size_t c = 0; c < texts.size(); ++c) {
            texts[c] = QString::fromLatin1(Headings[c].printed[line]);
        }
        PrintCentredLine(printer, texts, columns.ColumnMidX);
        Gap(printer);
    }
    const float yB = printer.CurrentY();
    Rule(printer, columns.ColumnX.front(), columns.ColumnX.back(), yB);
    Verticals(printer, columns.ColumnX, y1, yB);
    PrintY = yB;
}

int GetTaperedInletRowCount(const TaperedInletContents& contents) {
    int last = 0;
    for (std::size_t i = 0; i < contents.resultRows.size(); ++i) {
        if (!Numbers::Trim(contents.resultRows[i][NumberOfBarrels]).empty()) {
            last = static_cast<int>(i) + 1;
        }
    }
    return last;
}

void PrintTaperedInletRow(TwipsPrinter& printer, float& PrintY, int row,
                          const TaperedInletContents& contents, const TableColumns& columns) {
    const RowTexts& shown = contents.resultRows.at(static_cast<std::size_t>(row) - 1);
    std::array<QString, ColumnCount> cells;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        cells[c] = TrimmedQString(shown[c]);
    }
    printer.SetFontBold(false);
    const bool selected = cells[Selected] == QLatin1String(SelectionMark);
    if (selected) {
        cells[Selected] = ReportDrawing::SelectionWord;
        printer.SetFontBold(true);
    }

    const float y2 = PrintY;
    printer.SetCurrentY(y2);
    Rule(printer, columns.ColumnX.front(), columns.ColumnX.back(), y2);
    Gap(printer);
    if (selected) {
        const QString mark = QLatin1String(SelectionMark);
        printer.SetCurrentX(columns.ColumnX.front() - printer.TextWidth(mark) - 100);
        printer.Print(mark);
    }
    PrintCentredLine(printer, cells, columns.ColumnMidX);
    Gap(printer);
    const float yR = printer.CurrentY();
    Rule(printer, columns.ColumnX.front(), columns.ColumnX.back(), yR);
    Verticals(printer, columns.ColumnX, y2, yR);
    PrintY = yR;
    printer.SetFontBold(false);
}

void PrintTaperedInletComments(TwipsPrinter& printer, float& PrintY) {
    printer.SetCurrentY(PrintY);
    printer.PrintLine();
    printer.SetCurrentX(TableLeft + TextIndent);
    printer.PrintLine(QStringLiteral("Z and L are the minimum drop and length.") +
                      QStringLiteral(" The minimum barrel slope will result in super-critical "
                                     "flow.") +
                      QStringLiteral(" Steeper barrel slopes may be used."));
    PrintY = printer.CurrentY();
}

} // namespace PrtTaperedInletInfo
