#include "tailwater/FrmTailWaterRatingCurvePlot.h"

#include "platform/AppError.h"
#include "platform/PlotSurface.h"
#include "tailwater/FrmTailWaterCrossSectionPlot.h"
#include "tailwater/TWXSecPlotMod.h"

#include <vector>

namespace TWXRateCurvePlotMod {

using TWXSecPlotMod::AxisLabel;
using TWXSecPlotMod::PlotBlack;
using TWXSecPlotMod::PlotBlue;
using TWXSecPlotMod::PlotRed;

std::optional<std::string> RatingCurvePlotFault(const RatingCurve& ratingCurve) {
    const auto& rows = ratingCurve.Rows;
    if (rows.size() < 2 || !(rows.back().Elevation > rows.front().Elevation)) {
        return "The rating curve can not be plotted: the lower end point of the channel "
               "cross-section lies at its lowest elevation, so the table has no depth above the "
               "channel bottom. Extend the cross-section so that both end points lie above its "
               "lowest point.";
    }
    if (!(rows.back().Q > rows.front().Q)) {
        return "The rating curve can not be plotted: the discharge at the top of the table is "
               "no larger than at the channel bottom.";
    }
    return std::nullopt;
}

namespace {

void PrintAt(PlotSurface& surface, float x, float y, const QString& text) {
    surface.SetCurrentX(x);
    surface.SetCurrentY(y);
    surface.Print(text);
}

void PrintBlueAt(PlotSurface& surface, float x, float y, const QString& text) {
    surface.SetForeColor(PlotBlue);
    PrintAt(surface, x, y, text);
    surface.SetForeColor(PlotBlack);
}

} // namespace

void PlotRatingCurve(PlotSurface& surface, const RatingCurve& ratingCurve) {
    if (auto fault = RatingCurvePlotFault(ratingCurve)) {
        throw AppError(ErrorNumber::DivisionByZero, *fault);
    }
    PlotLayout& L = RateCurveScreenLayout;
    const auto& rows = ratingCurve.Rows;
    const int n = static_cast<int>(rows.size()) - 1;

    const float W = surface.ScaleWidth();
    const float H = surface.ScaleHeight();
    L.SurfaceWidth = W;
    L.SurfaceHeight = H;
    L.DataUpperIndex = n;

    double axisMin = 0;
    double axisMax = 0;
    int nQ = 0;
    int dQ = 0;
    TWXSecPlotMod::ComputeAxisScale(rows[0].Q, rows[n].Q, axisMin, axisMax, nQ, dQ);
    L.XAxisMin = static_cast<float>(axisMin);
    L.XAxisMax = static_cast<float>(axisMax);
    L.XTickPos.assign(static_cast<size_t>(nQ) + 1, 0.0f);
    int nE = 0;
    int dE = 0;
    TWXSecPlotMod::ComputeAxisScale(rows[0].Elevation, rows[n].Elevation, axisMin, axisMax, nE, dE);
    L.YAxisMin = static_cast<float>(axisMin);
    L.YAxisMax = static_cast<float>(axisMax);
    L.YTickPos.assign(static_cast<size_t>(nE) + 1, 0.0f);

    L.YTickPos[0] = L.BottomMargin;
    L.YTickPos[nE] = H - L.TopMargin;
    L.XTickPos[0] = L.LeftMargin;
    L.XTickPos[nQ] = W - L.RightMargin;
    L.VertAxisOffset = 0;
    const float left = L.XTickPos[0];
    const float right = L.XTickPos[nQ];
    const float hB = L.YTickPos[0];
    const float hT = L.YTickPos[nE];
    const float yB = H - hB;
    const float yT = H - hT;

    surface.SetDrawWidth(1);
    surface.SetDrawStyle(DrawStyle::Solid);
    surface.Line(left, yB, right, yB);
    surface.Line(left, yT, right, yT);
    surface.Line(left, yB, left, yT);
    surface.Line(right, yB, right, yT);

    const float qRange = L.XAxisMax - L.XAxisMin;
    const float eRange = L.YAxisMax - L.YAxisMin;
    if (!(qRange > 0) || !(eRange > 0)) {
        throw AppError(ErrorNumber::DivisionByZero, "Division by zero");
    }
    L.XScale = (right - left) / qRange;
    L.YScale = (hT - hB) / eRange;
    auto px = [&](double q) { return left + (static_cast<float>(q) - L.XAxisMin) * L.XScale; };
    auto py = [&](double elevation) {
        return H - (hB + (static_cast<float>(elevation) - L.YAxisMin) * L.YScale);
    };

    surface.SetDrawWidth(2);
    for (int i = 1; i <= n; ++i) {
        surface.Line(px(rows[i - 1].Q), py(rows[i - 1].Elevation), px(rows[i].Q),
                     py(rows[i].Elevation), PlotRed);
    }
    surface.SetDrawWidth(1);

    const float tw0 = surface.TextWidth("0");
    const float th0 = surface.TextHeight();
    // Tick positions and values are built by adding one interval per tick, in
    // single precision, as the labels beside the grid lines show them.
    const float dx = (right - left) / static_cast<float>(nQ);
    const float dq = qRange / static_cast<float>(nQ);
    std::vector<float> tickX;
    float xk = left;
    float qk = L.XAxisMin;
    for (int k = 0; k <= nQ; ++k) {
        const QString label = AxisLabel(qk, dQ);
        const float rowOffset = k % 2 == 0 ? 0.5f : 1.7f;
        PrintAt(surface, xk - surface.TextWidth(label) / 2, yB + rowOffset * th0, label);
        tickX.push_back(xk);
        xk += dx;
        qk += dq;
    }
    surface.SetDrawStyle(DrawStyle::Dot);
    for (int k = 0; k <= nQ; ++k) {
        const float start = k % 2 == 0 ? yB + 0.5f * th0 - 25 : yB + 1.7f * th0 - 50;
        surface.Line(tickX[k], start, tickX[k], yT);
    }
    surface.SetDrawStyle(DrawStyle::Solid);

    const float dy = (hT - hB) / static_cast<float>(nE);
    const float de = eRange / static_cast<float>(nE);
    std::vector<float> tickH;
    float hm = hB;
    float vm = static_cast<float>(L.YAxisMin - rows[0].Elevation);
    for (int m = 0; m <= nE; ++m) {
        PrintAt(surface, right + tw0, H - hm - th0 / 2, AxisLabel(vm, 2));
        tickH.push_back(hm);
        hm += dy;
        vm += de;
    }
    const float x1 = left - 0.8f * tw0;
    const float x2 = right + 0.8f * tw0;
    surface.SetDrawStyle(DrawStyle::Dot);
    for (float tick : tickH) {
        surface.Line(x1, H - tick, x2, H - tick);
    }
    surface.SetDrawStyle(DrawStyle::Solid);
    const float bottomLine = py(rows[0].Elevation);
    surface.Line(x1, bottomLine, x2, bottomLine);

    const QString elevationTitle = "Elevation (ft)";
    PrintBlueAt(surface, surface.TextWidth("00"), yT - 2 * th0, elevationTitle);
    float em = L.YAxisMin;
    for (float tick : tickH) {
        const QString label = AxisLabel(em, dE);
        PrintAt(surface, left + L.VertAxisOffset - surface.TextWidth(label) - tw0,
                H - tick - th0 / 2, label);
        em += de;
    }
    const QString depthTitle = "Depth (ft)";
    PrintBlueAt(surface, W - surface.TextWidth(depthTitle) - surface.TextWidth("00"), yT - 2 * th0,
                depthTitle);
    const QString qTitle = "Q (ft^3/s)";
    PrintBlueAt(surface, (left + right) / 2 - surface.TextWidth(qTitle) / 2, H - 1.5f * th0,
                qTitle);
}

} // namespace TWXRateCurvePlotMod
