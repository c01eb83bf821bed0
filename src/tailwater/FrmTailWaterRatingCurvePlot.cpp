#include "tailwater/FrmTailWaterRatingCurvePlot.h"

#include "platform/AppError.h"
#include "platform/PlotSurface.h"
#include "tailwater/FrmTailWaterCrossSectionPlot.h"
#include "tailwater/PlotDrawing.h"
#include "tailwater/TWXSecPlotMod.h"

#include <QStringList>

#include <vector>

namespace TWXRateCurvePlotMod {

using PlotDrawing::PrintAt;
using PlotDrawing::PrintInColor;
using TWXSecPlotMod::TickLabel;

namespace {
constexpr double SmallestPlottedRange = 1e-30; // ft^3/s, well inside single precision
} // namespace

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
    // The plot's scale is single precision: a range this small has no width on it.
    if (!(rows.back().Q - rows.front().Q >= SmallestPlottedRange)) {
        return "The rating curve can not be plotted: its discharges are too small for the "
               "plot's scale. Check the Channel Slope and the Manning n values of the "
               "cross-section.";
    }
    return std::nullopt;
}

void PlotRatingCurve(PlotSurface& surface, const RatingCurve& ratingCurve) {
    DrawRatingCurve(surface, ratingCurve, RateCurveScreenLayout, PlotStyles::Screen);
}

void DrawRatingCurve(PlotSurface& surface, const RatingCurve& ratingCurve, PlotLayout& L,
                     const PlotStyle& style) {
    if (auto fault = RatingCurvePlotFault(ratingCurve)) {
        throw AppError(ErrorNumber::DivisionByZero, *fault);
    }
    const auto& rows = ratingCurve.Rows;
    const int n = static_cast<int>(rows.size()) - 1;

    const float W = surface.ScaleWidth();
    const float H = surface.ScaleHeight();
    L.SurfaceWidth = W;
    L.SurfaceHeight = H;
    L.DataUpperIndex = n;

    double qMin = 0;
    double qMax = 0;
    int nQ = 0;
    int dQ = 0;
    TWXSecPlotMod::ComputeAxisScale(rows[0].Q, rows[n].Q, qMin, qMax, nQ, dQ);
    L.XAxisMin = static_cast<float>(qMin);
    L.XAxisMax = static_cast<float>(qMax);
    L.XTickPos.assign(static_cast<size_t>(nQ) + 1, 0.0f);
    double elevationMin = 0;
    double elevationMax = 0;
    int nE = 0;
    int dE = 0;
    TWXSecPlotMod::ComputeAxisScale(rows[0].Elevation, rows[n].Elevation, elevationMin,
                                    elevationMax, nE, dE);
    L.YAxisMin = static_cast<float>(elevationMin);
    L.YAxisMax = static_cast<float>(elevationMax);
    L.YTickPos.assign(static_cast<size_t>(nE) + 1, 0.0f);

    const float qRange = L.XAxisMax - L.XAxisMin;
    const float eRange = L.YAxisMax - L.YAxisMin;
    if (!(qRange > 0) || !(eRange > 0)) {
        throw AppError(ErrorNumber::DivisionByZero, "Division by zero");
    }
    // The labels' values are built by adding one interval per tick, in
    // single precision, as the labels beside the grid lines show them.
    const float dq = qRange / static_cast<float>(nQ);
    QStringList qLabels;
    float qk = L.XAxisMin;
    for (int k = 0; k <= nQ; ++k) {
        qLabels << TickLabel(qk, qMin + k * (qMax - qMin) / nQ, dQ);
        qk += dq;
    }
    const float de = eRange / static_cast<float>(nE);
    const double elevationStep = (elevationMax - elevationMin) / nE;
    QStringList elevationLabels;
    QStringList depthLabels;
    float em = L.YAxisMin;
    float vm = static_cast<float>(L.YAxisMin - rows[0].Elevation);
    for (int m = 0; m <= nE; ++m) {
        const double tickElevation = elevationMin + m * elevationStep;
        elevationLabels << TickLabel(em, tickElevation, dE);
        depthLabels << TickLabel(vm, tickElevation - rows[0].Elevation, 2);
        em += de;
        vm += de;
    }

    L.YTickPos[0] = L.BottomMargin;
    L.YTickPos[nE] = H - L.TopMargin;
    L.XTickPos[0] =
        PlotDrawing::LabelMargin(surface, L.LeftMargin, elevationLabels, qLabels.front());
    L.XTickPos[nQ] =
        W - PlotDrawing::LabelMargin(surface, L.RightMargin, depthLabels, qLabels.back());
    L.VertAxisOffset = 0;
    const float left = L.XTickPos[0];
    const float right = L.XTickPos[nQ];
    const float hB = L.YTickPos[0];
    const float hT = L.YTickPos[nE];
    const float yB = H - hB;
    const float yT = H - hT;

    surface.SetDrawWidth(style.frameWidth);
    surface.SetDrawStyle(DrawStyle::Solid);
    surface.Line(left, yB, right, yB);
    surface.Line(left, yT, right, yT);
    surface.Line(left, yB, left, yT);
    surface.Line(right, yB, right, yT);

    L.XScale = (right - left) / qRange;
    L.YScale = (hT - hB) / eRange;
    auto px = [&](double q) { return left + (static_cast<float>(q) - L.XAxisMin) * L.XScale; };
    auto py = [&](double elevation) {
        return H - (hB + (static_cast<float>(elevation) - L.YAxisMin) * L.YScale);
    };

    surface.SetDrawWidth(style.dataWidth);
    for (int i = 1; i <= n; ++i) {
        surface.Line(px(rows[i - 1].Q), py(rows[i - 1].Elevation), px(rows[i].Q),
                     py(rows[i].Elevation), style.dataColor);
    }
    surface.SetDrawWidth(style.lineWidth);

    const float tw0 = surface.TextWidth("0");
    const float th0 = surface.TextHeight();
    // Tick positions are built by adding one interval per tick too. The
    // labels take two rows in turn; where even so they would run together,
    // only every second (or fifth, ...) tick has one.
    const float dx = (right - left) / static_cast<float>(nQ);
    const int stride = PlotDrawing::LabelStride(surface, qLabels, dx, 2);
    auto lowerRow = [stride](int k) { return k % stride == 0 && (k / stride) % 2 == 1; };
    std::vector<float> tickX;
    float xk = left;
    for (int k = 0; k <= nQ; ++k) {
        if (k % stride == 0) {
            const QString& label = qLabels[k];
            const float rowOffset = lowerRow(k) ? 1.7f : 0.5f;
            PrintAt(surface, xk - surface.TextWidth(label) / 2, yB + rowOffset * th0, label);
        }
        tickX.push_back(xk);
        xk += dx;
    }
    surface.SetDrawStyle(style.verticalGrid);
    for (int k = 0; k <= nQ; ++k) {
        const float start = lowerRow(k) ? yB + 1.7f * th0 - 50 : yB + 0.5f * th0 - 25;
        surface.Line(tickX[k], start, tickX[k], yT);
    }
    surface.SetDrawStyle(DrawStyle::Solid);
    if (style.minorTicks) {
        PlotDrawing::StationTicks(surface, left, dx, nQ, yB, yT);
    }

    const float dy = (hT - hB) / static_cast<float>(nE);
    std::vector<float> tickH;
    float hm = hB;
    for (int m = 0; m <= nE; ++m) {
        PrintAt(surface, right + tw0, H - hm - th0 / 2, depthLabels[m]);
        tickH.push_back(hm);
        hm += dy;
    }
    const float x1 = left - 0.8f * tw0;
    const float x2 = right + 0.8f * tw0;
    surface.SetDrawStyle(style.horizontalGrid);
    for (float tick : tickH) {
        surface.Line(x1, H - tick, x2, H - tick);
    }
    surface.SetDrawStyle(DrawStyle::Solid);
    if (style.minorTicks) {
        PlotDrawing::LevelTicks(surface, yB, -dy, nE, left, right);
    }
    const float bottomLine = py(rows[0].Elevation);
    surface.Line(x1, bottomLine, x2, bottomLine);

    const QString elevationTitle = "Elevation (ft)";
    const QString depthTitle = "Depth (ft)";
    const QString qTitle = "Q (ft^3/s)";
    const float elevationX = style.titlesOnFrame ? left - surface.TextWidth(elevationTitle) / 2
                                                 : surface.TextWidth("00");
    const float depthX = style.titlesOnFrame
                             ? right - surface.TextWidth(depthTitle) / 2
                             : W - surface.TextWidth(depthTitle) - surface.TextWidth("00");
    // Below the lower row of discharge labels, or at the bottom of the surface.
    const float qTitleY = style.titlesOnFrame ? yB + (1.7f + 1.5f) * th0 : H - 1.5f * th0;
    PrintInColor(surface, elevationX, yT - 2 * th0, elevationTitle, style.titleColor);
    for (size_t m = 0; m < tickH.size(); ++m) {
        const QString& label = elevationLabels[static_cast<qsizetype>(m)];
        PrintAt(surface, left + L.VertAxisOffset - surface.TextWidth(label) - tw0,
                H - tickH[m] - th0 / 2, label);
    }
    PrintInColor(surface, depthX, yT - 2 * th0, depthTitle, style.titleColor);
    PrintInColor(surface, (left + right) / 2 - surface.TextWidth(qTitle) / 2, qTitleY, qTitle,
                 style.titleColor);
}

} // namespace TWXRateCurvePlotMod
