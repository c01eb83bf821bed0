#include "tailwater/PrtTailwaterRatingCurvePlot.h"

#include "app/FrmSiteIdentification.h"
#include "app/PrtSiteIDHeader.h"
#include "platform/TwipsPrinter.h"
#include "tailwater/FrmTailWaterRatingCurvePlot.h"
#include "tailwater/PlotDrawing.h"

namespace PrtTailwaterRatingCurvePlot {
namespace {

constexpr float PageTop = 400;

} // namespace

PlotLayout RateCurvePrintLayout;

void InitRatingPlotLayout() {
    RateCurvePrintLayout = InitialPlotLayout(TailwaterPlot::RateCurvePrint);
}

void PrintRatingCurvePlot(TwipsPrinter& printer, const RatingCurve& ratingCurve) {
    PrintContents(printer, ratingCurve, FrmSiteIdentification::CurrentFields());
}

void PrintContents(TwipsPrinter& printer, const RatingCurve& ratingCurve,
                   const SiteFields& fields) {
    printer.SetOrientation(PageOrientation::Landscape);
    printer.SetFontName(QStringLiteral("Times New Roman"));
    printer.SetFontSize(10);
    printer.SetFontBold(false);
    InitRatingPlotLayout();
    PlotLayout& layout = RateCurvePrintLayout;
    // The frame keeps its margins whatever the header's height.
    float y = PageTop;
    PrtSiteIDHeader::PrintSiteIDHeader(printer, y, fields);

    const QString title = QStringLiteral("TAILWATER RATING CURVE");
    const float left = layout.LeftMargin;
    const float right = printer.ScaleWidth() - layout.RightMargin;
    PlotDrawing::PrintAt(printer, (left + right) / 2 - printer.TextWidth(title) / 2,
                         layout.TopMargin - 3 * printer.TextHeight(), title);
    TWXRateCurvePlotMod::DrawRatingCurve(printer, ratingCurve, layout,
                                         PlotStyles::PrintedRatingCurve);
    printer.EndDoc();
}

} // namespace PrtTailwaterRatingCurvePlot
