#include "riprap_basin/PrtHec14.h"

#include "app/FrmSiteIdentification.h"
#include "app/PrtSiteIDHeader.h"
#include "hydraulics/CatalogueTables.h"
#include "outlet_protection/CulvertInputReport.h"
#include "platform/Numbers.h"
#include "platform/TwipsPrinter.h"
#include "platform/UiText.h"
#include "riprap_basin/frmHec14RipRap.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace PrtHec14 {
namespace {

using Row = std::pair<QString, QString>; // label, value

constexpr float ColumnMargin = 300;
constexpr float LeastWidth = 1500;
constexpr float TextGap = 150; // between a text and the divide
constexpr float RowGap = 10;

QString Padded(const std::string& text) {
    return " " + ToQString(Numbers::Trim(text)) + " ";
}

// A table on its side: one quantity a row, its label right-aligned against
// the divide and its value left-aligned after it.
void PrintSideTable(TwipsPrinter& printer, float& y, const std::vector<Row>& rows) {
    float labels = 0;
    float values = 0;
    for (const Row& row : rows) {
        labels = std::max(labels, printer.TextWidth(row.first));
        values = std::max(values, printer.TextWidth(row.second));
    }
    const float left = CulvertInputReport::Left;
    const float divide = left + std::max(labels, LeastWidth) + ColumnMargin;
    const float right = divide + std::max(values, LeastWidth) + ColumnMargin;

    const float top = y + 250;
    printer.SetCurrentY(top);
    printer.Line(left, top, right, top);
    printer.SetCurrentY(top + RowGap);
    for (const Row& row : rows) {
        printer.SetCurrentX(divide - TextGap - printer.TextWidth(row.first));
        printer.Print(row.first);
        printer.SetCurrentX(divide + TextGap);
        printer.Print(row.second);
        printer.PrintLine();
        printer.SetCurrentY(printer.CurrentY() + RowGap);
        printer.Line(left, printer.CurrentY(), right, printer.CurrentY());
    }
    const float bottom = printer.CurrentY();
    for (float edge : {left, divide, right}) {
        printer.Line(edge, top, edge, bottom);
    }
    y = bottom + 10;
    printer.SetCurrentY(y);
}

} // namespace

void PrintHec14(TwipsPrinter& printer) {
    const Hec14RiprapContents contents = frmHec14RipRap::Instance()->Contents();
    PrintContents(printer, contents, CulvertInputReport::ChosenType(contents.culvert),
                  FrmSiteIdentification::CurrentFields());
}

void PrintContents(TwipsPrinter& printer, const Hec14RiprapContents& contents,
                   const GenDesignCulvertType& type, const SiteFields& fields) {
    printer.SetOrientation(PageOrientation::Portrait);
    printer.SetFontName(QStringLiteral("Arial"));
    printer.SetFontSize(10);
    float y = 400;
    PrtSiteIDHeader::PrintSiteIDHeader(printer, y, fields);
    y += 200;
    CulvertInputReport::PrintTitle(printer, y, QStringLiteral("HEC-14 RIPRAP BASIN DESIGN"));
    CulvertInputReport::PrintInvertsLength(printer, y, contents.culvert);
    CulvertInputReport::PrintCulvertTypeData(printer, y, contents.culvert);
    CulvertInputReport::PrintBarrelSize(printer, y, contents.culvert, type);
    CulvertInputReport::PrintDesignQTW(printer, y, contents.designQ, contents.tailwaterDepth);
    CulvertInputReport::PrintSectionHeading(printer, y, QStringLiteral("RESULTS"));
    PrintRiprap(printer, y, contents);
    PrintResultsGrid(printer, y, contents);
    printer.EndDoc();
}

void PrintRiprap(TwipsPrinter& printer, float& y, const Hec14RiprapContents& contents) {
    const Row blank{" ", " "};
    PrintSideTable(printer, y,
                   {
                       {"Minimum Width at Inlet, W (ft) ", Padded(contents.w)},
                       blank,
                       {"Calculated Riprap Size, d-50 (ft) ", Padded(contents.d50)},
                       {"Recommended Riprap d-50 ", Padded(contents.recommendedD50)},
                       blank,
                       {"APPROACH RIPRAP THICKNESS ", " "},
                       {"Calculated Riprap Thickness (ft) ", Padded(contents.calculatedApproach)},
                       {"Recommended Riprap Thickness (ft) ", Padded(contents.recommendedApproach)},
                       blank,
                       {"BASIN/APRON RIPRAP THICKNESS ", " "},
                       {"Calculated Riprap Thickness (ft) ", Padded(contents.calculatedBasin)},
                       {"Recommended Riprap Thickness (ft) ", Padded(contents.recommendedBasin)},
                   });
}

void PrintResultsGrid(TwipsPrinter& printer, float& y, const Hec14RiprapContents& contents) {
    std::vector<Row> rows;
    for (size_t r = 0; r < contents.resultNames.size(); ++r) {
        rows.emplace_back(ToQString(contents.resultNames[r]), ToQString(contents.resultValues[r]));
    }
    PrintSideTable(printer, y, rows);
}

} // namespace PrtHec14
