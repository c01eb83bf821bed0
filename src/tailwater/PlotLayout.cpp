#include "tailwater/PlotLayout.h"

namespace {

struct Margins {
    float bottom, top, left, right;
};

Margins MarginsOf(TailwaterPlot plot) {
    switch (plot) {
    case TailwaterPlot::XSecScreen:
        return {650, 1000, 850, 750};
    case TailwaterPlot::RateCurveScreen:
        return {850, 600, 850, 750};
    case TailwaterPlot::RateCurvePrint:
        return {2000, 2000, 2000, 2000};
    case TailwaterPlot::XSecPrint:
        return {1000, 1750, 1250, 1500};
    }
    return {};
}

} // namespace

PlotLayout InitialPlotLayout(TailwaterPlot plot) {
    const Margins margins = MarginsOf(plot);
    PlotLayout layout;
    layout.BottomMargin = margins.bottom;
    layout.TopMargin = margins.top;
    layout.LeftMargin = margins.left;
    layout.RightMargin = margins.right;
    layout.XTickPos.assign(11, 0);
    layout.YTickPos.assign(11, 0);
    layout.MarkLineRise = 500;
    layout.MarkOvershoot = 50;
    layout.MarkGroundGap = 100;
    layout.BankMarkGap = 50;
    return layout;
}
