#include "tailwater/PrtCrossSectionPlot.h"

#include "app/FrmSiteIdentification.h"
#include "app/PrtSiteIDHeader.h"
#include "platform/TwipsPrinter.h"
#include "tailwater/FrmTailWaterCrossSectionPlot.h"
#include "tailwater/PlotDrawing.h"

namespace PrtCrossSectionPlot {
namespace {

constexpr float PageTop = 400;
constexpr float BelowSiteHeader = 500;
// Between the header's gap and the frame's top: room for the title, the
// axis titles and the n values above the plot.
constexpr float AboveFrame = 1000;

} // namespace

PlotLayout XSecPrintLayout;

void InitXSPlotLayout() {
    XSecPrintLayout = InitialPlotLayout(TailwaterPlot::XSecPrint);
}

void PrintCrossSectionPlot(TwipsPrinter& printer, const ChannelSection& section) {
    PrintContents(printer, section, FrmSiteIdentification::CurrentFields());
}

void PrintContents(TwipsPrinter& printer, const ChannelSection& section, const SiteFields& fields) {
    printer.SetOrientation(PageOrientation::Landscape);
    printer.SetFontName(QStringLiteral("Times New Roman"));
    printer.SetFontSize(10);
    printer.SetFontBold(false);
    InitXSPlotLayout();
    PlotLayout& layout = XSecPrintLayout;
    float y = PageTop;
    PrtSiteIDHeader::PrintSiteIDHeader(printer, y, fields);
    y += BelowSiteHeader;
    layout.TopMargin = y + AboveFrame;

    const QString title = QStringLiteral("TAILWATER, CHANNEL CROSS-SECTION");
    const float left = layout.LeftMargin;
    const float right = printer.ScaleWidth() - layout.RightMargin;
    const float titleTop =
        layout.TopMargin - (layout.MarkLineRise + layout.MarkOvershoot) - 3 * printer.TextHeight();
    PlotDrawing::PrintAt(printer, (left + right) / 2 - printer.TextWidth(title) / 2, titleTop,
                         title);
    TWXSecPlotMod::DrawCrossSection(printer, section, layout, PlotStyles::PrintedCrossSection);
    printer.EndDoc();
}

} // namespace PrtCrossSectionPlot
