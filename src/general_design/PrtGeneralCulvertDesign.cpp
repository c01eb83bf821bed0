#include "general_design/PrtGeneralCulvertDesign.h"

#include "app/FrmSiteIdentification.h"
#include "app/PrtSiteIDHeader.h"
#include "general_design/FrmGenDesign.h"
#include "hydraulics/CatalogueTables.h"
#include "hydraulics/GenDesign.h"
#include "platform/AppError.h"
#include "platform/Numbers.h"
#include "platform/ReportDrawing.h"
#include "platform/ReportTextFit.h"
#include "platform/TwipsPrinter.h"
#include "platform/UiText.h"

#include <algorithm>
#include <optional>
#include <span>

namespace PrtGeneralCulvertDesign {
namespace {

constexpr float Left = 1000;
constexpr float BottomMargin = 1000;
constexpr float RightMargin = 1000;
constexpr float ContinuationTop = 1000;
constexpr float BlockPoints = 10;
constexpr float TablePoints = 9;
// The table shrinks for a long return period no further than this, where a
// text is still read without a glass; a longer one is shortened instead.
constexpr float SmallestTextPoints = 6;
constexpr float CellGap = 15;
constexpr float ResultColumnMargin = 200;
constexpr float InputMinColumnWidth = 1500;
constexpr float BandAbove = 100;

const char* const LegendLines[] = {
    "TW: Tailwater, HW Elev.: Headwater elevation at the inlet, HW H: Height of headwater above "
    "the inside top of culvert, at the inlet",
    "I.C.: Inlet control, O.C.: Outlet control, Crit.: Critical, Vel.: Velocity",
    "Hydraulic Slope",
    "  Steep: Normal Depth < Critical Depth",
    "  Mild: Normal Depth > Critical Depth",
    "  Critical: Normal Depth = Critical Depth",
    "  Horizontal: Inlet Invert Elevation = Outlet Invert Elevation",
    "  Adverse: Inlet Invert Elevation < Outlet Invert Elevation",
    "Normal Depth",
    "  Undefined(1): Normal depth is not defined for horizontal or adverse slopes.",
    "  Undefined(2): Maximum Q for open channel flow is < Q.",
};

using ReportDrawing::PrintBoxedTable;
using ReportDrawing::PrintCentred;
using ReportDrawing::RuleAcross;
using ReportDrawing::RuleColumns;

const GenStandardSize& ChosenStandardSize(const GenDesignContents& contents,
                                          const GenDesignCulvertType& type) {
    const int index = contents.culvert.standardSizePosition;
    if (index < 0 || static_cast<size_t>(index) >= UpperBound(type.StdSizes)) {
        throw AppError(ErrorNumber::SubscriptOutOfRange,
                       "The culvert type " + type.ComboText +
                           " has no VSHA standard sizes. Choose Enter Barrel Size and enter "
                           "the barrel size.");
    }
    return type.StdSizes[static_cast<size_t>(index) + 1];
}

// Lines of cells centred between the column edges, from top down between a
// top and a bottom rule; the given column's cell bold. Returns the bottom.
float PrintResultBand(TwipsPrinter& printer, float top, std::span<const TableRow> lines,
                      const ColumnEdges& edges, std::optional<int> boldColumn = std::nullopt) {
    printer.SetCurrentY(top);
    RuleAcross(printer, edges, top);
    for (const TableRow& line : lines) {
        printer.SetCurrentY(printer.CurrentY() + CellGap);
        for (int j = 0; j < ResultColumns; ++j) {
            const auto c = static_cast<size_t>(j);
            if (boldColumn == j) {
                printer.SetFontBold(true);
            }
            PrintCentred(printer, line[c], edges[c], edges[c + 1]);
            printer.SetFontBold(false);
        }
        printer.PrintLine();
    }
    const float bottom = printer.CurrentY() + CellGap;
    printer.SetCurrentY(bottom);
    RuleAcross(printer, edges, bottom);
    RuleColumns(printer, edges, top, bottom);
    return bottom;
}

// The return periods are texts as the user typed them: one too long for the
// room the other columns leave it even at SmallestTextPoints is shortened to
// that room, so that below that size the font shrinks only for numbers too
// large for the page, and no long text is measured whole at every size.
void FitReturnPeriods(TwipsPrinter& printer, const HeadingTable& heading, ResultsTable& results,
                      float limit) {
    constexpr auto ReturnPeriod = static_cast<size_t>(GenDesignResults::ReturnPeriod);
    printer.SetFontSize(SmallestTextPoints);
    ResultsTable numbers = results;
    for (ResultRow& row : numbers) {
        row.cells[ReturnPeriod].clear();
    }
    const ColumnEdges edges = SetColumnWidths(printer, heading, numbers);
    const float headingWidth = edges[ReturnPeriod + 1] - edges[ReturnPeriod] - ResultColumnMargin;
    const float room = headingWidth + std::max(0.0f, limit - edges.back());
    for (ResultRow& row : results) {
        row.cells[ReturnPeriod] = ReportTextFit::Elide(printer, row.cells[ReturnPeriod], room);
    }
}

} // namespace

void PrintGeneralCulvertDesign(TwipsPrinter& printer) {
    const GenDesignContents contents = FrmGenDesign::Instance()->Contents();
    PrintContents(printer, contents,
                  CatalogueEntry(GlobalVariables::GenDesignCulvertTypes,
                                 contents.culvert.culvertTypePosition + 1),
                  FrmSiteIdentification::CurrentFields());
}

void PrintContents(TwipsPrinter& printer, const GenDesignContents& contents,
                   const GenDesignCulvertType& type, const SiteFields& fields) {
    printer.SetOrientation(PageOrientation::Landscape);
    printer.SetFontName(QStringLiteral("Arial"));
    const float pageLimit = printer.ScaleHeight() - BottomMargin;

    ResultsTable results = GetResultsTable(contents);
    const HeadingTable heading = SetTableHeader();
    const float tableLimit = printer.ScaleWidth() - RightMargin;
    FitReturnPeriods(printer, heading, results, tableLimit);
    ReportDrawing::FitFontSize(printer, TablePoints, tableLimit,
                               [&] { return SetColumnWidths(printer, heading, results).back(); });
    const float tablePoints = printer.FontSize();
    const ColumnEdges edges = SetColumnWidths(printer, heading, results);

    printer.SetFontSize(BlockPoints);
    float y = 400;
    PrtSiteIDHeader::PrintSiteIDHeader(printer, y, fields);
    y += 200;
    PrintTitle(printer, y);
    PrintElevations(printer, y, contents);
    PrintCulvertInlet(printer, y, contents);
    PrintBarrelSize(printer, y, contents, type);

    printer.SetFontSize(tablePoints);
    PrintTableHeader(printer, y, heading, edges);
    y += 50;
    // A row starts only above the page limit, so every row, the last ones
    // too, ends inside the bottom margin; the rows after it go on below the
    // headings on a new page.
    const int rows = static_cast<int>(results.size()) - 1;
    for (int i = 1; i <= rows; ++i) {
        PrintTableRow(printer, y, i, results, edges);
        if (i < rows && y > pageLimit) {
            printer.NewPage();
            y = ContinuationTop;
            PrintTableHeader(printer, y, heading, edges);
        }
    }
    // The legend keeps to the limit as a whole: it is not worth splitting.
    printer.SetFontSize(TablePoints);
    if (y + LegendHeight(printer) > pageLimit) {
        printer.NewPage();
        y = ContinuationTop;
    }
    PrintLegend(printer, y, edges);
    printer.EndDoc();
}

void PrintTitle(TwipsPrinter& printer, float& y) {
    ReportDrawing::PrintTitle(printer, y, QStringLiteral("GENERAL CULVERT DESIGN"));
}

void PrintElevations(TwipsPrinter& printer, float& y, const GenDesignContents& contents) {
    auto value = [](const std::string& typed) { return " " + TrimmedQString(typed) + " "; };
    const QStringList labels{
        "Allowable Headwater Elevation (ft) ",
        "Inlet Invert Elevation (ft) ",
        "Outlet Invert Elevation (ft) ",
        "Culvert Barrel Length (ft) ",
    };
    const QStringList values{
        value(contents.allowableHeadWaterElevation),
        value(contents.culvert.inletInvertElevation),
        value(contents.culvert.outletInvertElevation),
        value(contents.culvert.culvertBarrelLength),
    };
    printer.SetCurrentY(y + 250);
    PrintBoxedTable(printer, y, {{{labels}, {values}}, InputMinColumnWidth, 10, false});
}

void PrintCulvertInlet(TwipsPrinter& printer, float& y, const GenDesignContents& contents) {
    const QStringList labels{"Culvert Type", "Inlet Type", "Manning n", "Ke"};
    const QStringList values{
        ToQString(contents.culvert.culvertTypeText),
        ToQString(contents.culvert.inletText),
        TrimmedQString(contents.culvert.manningN),
        TrimmedQString(contents.culvert.keInlet),
    };
    printer.SetCurrentY(printer.CurrentY() + 250);
    PrintBoxedTable(printer, y, {{{labels}, {values}}, InputMinColumnWidth, 20, false});
}

void PrintBarrelSize(TwipsPrinter& printer, float& y, const GenDesignContents& contents,
                     const GenDesignCulvertType& type) {
    const bool userSize = contents.culvert.userSizeOption;
    const QString units = "(" + ToQString(GenDesign::GetUnitsWord(type.DisplayUnits)) + ")";

    QStringList captions{QString()};
    QStringList unitRow{QStringLiteral("Barrels")};
    QStringList sizes;
    // A standard pipe-arch size is known by its span and rise alone.
    size_t n = static_cast<size_t>(std::max(type.NumSizeParameters, 0));
    if (userSize) {
        n = std::min(n, contents.culvert.userSizes.size());
        sizes << ToQString(contents.culvert.userNumBarrelsText);
        for (size_t k = 1; k <= n; ++k) {
            sizes << TrimmedQString(contents.culvert.userSizes[k - 1]);
        }
    } else {
        const GenStandardSize& size = ChosenStandardSize(contents, type);
        n = std::min<size_t>(n, 2);
        sizes << ToQString(GenDesign::GetBarrelCountWord(size.NumBarrels));
        for (size_t k = 1; k <= n; ++k) {
            sizes << TrimmedQString(CatalogueEntry(size.DisplayTexts, static_cast<int>(k)));
        }
    }
    for (size_t k = 1; k <= n; ++k) {
        captions << ToQString(CatalogueEntry(type.SizeTexts, static_cast<int>(k)));
        unitRow << units;
    }

    printer.SetCurrentY(y + 100);
    printer.SetCurrentX(Left);
    printer.PrintLine(userSize ? QStringLiteral("USER DEFINED SIZE")
                               : QStringLiteral("VSHA STANDARD SIZE"));
    printer.SetCurrentY(printer.CurrentY() + 50);
    PrintBoxedTable(printer, y, {{{captions, unitRow}, {sizes}}, 0, 10, true});
}

ResultsTable GetResultsTable(const GenDesignContents& contents) {
    ResultsTable results(1);
    for (const GenDesignContents::ResultRow& shown : contents.resultRows) {
        if (Numbers::Trim(shown.cells[GenDesignResults::Q]).empty()) {
            break;
        }
        ResultRow& row = results.emplace_back();
        for (size_t c = 0; c < ResultColumns; ++c) {
            row.cells[c] = TrimmedQString(shown.cells[c]);
        }
        row.exceeded = shown.exceeded;
    }
    return results;
}

HeadingTable SetTableHeader() {
    HeadingTable heading;
    for (size_t line = 0; line < heading.size(); ++line) {
        for (size_t c = 0; c < ResultColumns; ++c) {
            heading[line][c] = QString::fromLatin1(GenDesignResults::Headings[c].printed[line]);
        }
    }
    return heading;
}

ColumnEdges SetColumnWidths(const TwipsPrinter& printer, const HeadingTable& heading,
                            const ResultsTable& results) {
    ColumnEdges edges{Left};
    for (size_t j = 0; j < ResultColumns; ++j) {
        float width = 0;
        for (const TableRow& line : heading) {
            width = std::max(width, printer.TextWidth(line[j]));
        }
        for (const ResultRow& row : results) {
            width = std::max(width, printer.TextWidth(row.cells[j]));
        }
        edges[j + 1] = edges[j] + width + ResultColumnMargin;
    }
    return edges;
}

void PrintTableHeader(TwipsPrinter& printer, float& y, const HeadingTable& heading,
                      const ColumnEdges& edges) {
    y = PrintResultBand(printer, y + BandAbove, heading, edges);
}

void PrintTableRow(TwipsPrinter& printer, float& y, int row, const ResultsTable& results,
                   const ColumnEdges& edges) {
    const ResultRow& result = CatalogueEntry(results, row);
    std::optional<int> bold;
    if (result.exceeded) {
        bold = GenDesignResults::HWElev;
    }
    y = PrintResultBand(printer, y, std::span(&result.cells, 1), edges, bold);
}

void PrintLegend(TwipsPrinter& printer, float& y, const ColumnEdges& edges) {
    printer.SetCurrentY(y + BandAbove);
    for (const char* line : LegendLines) {
        printer.SetCurrentX(edges[0]);
        printer.PrintLine(QString::fromLatin1(line));
    }
    y = printer.CurrentY();
}

float LegendHeight(const TwipsPrinter& printer) {
    return BandAbove + static_cast<float>(std::size(LegendLines)) * printer.TextHeight();
}

} // namespace PrtGeneralCulvertDesign
