#include "tailwater/FrmTailWaterCrossSectionPlot.h"

#include "platform/AppError.h"
#include "platform/Numbers.h"
#include "platform/PlotSurface.h"
#include "tailwater/PlotDrawing.h"
#include "tailwater/SectionPlotLabels.h"

#include <QStringList>

#include <cmath>
#include <string>
#include <vector>

namespace TWXSecPlotMod {

QString AxisLabel(double value, int decimals) {
    std::string pattern = "###,###,###,###,##0";
    if (decimals > 0) {
        pattern += "." + std::string(static_cast<size_t>(decimals), '0');
    }
    std::string text = Numbers::Format(value, pattern);
    if (text.starts_with('-') && text.find_first_of("123456789") == std::string::npos) {
        text.erase(0, 1);
    }
    return QString::fromStdString(text);
}

QString TickLabel(float built, double round, int decimals) {
    const double lastDecimal = std::pow(10.0, -decimals);
    return AxisLabel(std::abs(built - round) < lastDecimal / 2 ? built : round, decimals);
}

namespace {

using PlotDrawing::PrintAt;
using PlotDrawing::PrintInColor;

// Drawing units per data unit along an axis of that length; an axis whose
// ends single precision cannot tell apart has no scale.
float AxisScale(float length, float axisMin, float axisMax) {
    const float range = axisMax - axisMin;
    if (!(range > 0)) {
        throw AppError(ErrorNumber::DivisionByZero, "Division by zero");
    }
    return length / range;
}

// The first point of every roughness subsection, with its n, and the last
// point of the section with no text.
void BuildMarks(const ChannelSection& section, PlotLayout& layout) {
    const auto& segments = section.Segments;
    layout.MarkX.clear();
    layout.MarkY.clear();
    layout.MarkText.clear();
    auto add = [&layout](double x, double y, std::string text) {
        layout.MarkX.push_back(static_cast<float>(x));
        layout.MarkY.push_back(static_cast<float>(y));
        layout.MarkText.push_back(std::move(text));
    };
    add(segments[1].X1, segments[1].Y1, Numbers::GeneralText(segments[1].ManningN));
    for (size_t k = 2; k < segments.size(); ++k) {
        if (segments[k].NewSubsection == 1) {
            add(segments[k].X1, segments[k].Y1, Numbers::GeneralText(segments[k].ManningN));
        }
    }
    add(segments.back().X2, segments.back().Y2, "");
}

} // namespace

void PlotCrossSection(PlotSurface& surface, const ChannelSection& section) {
    DrawCrossSection(surface, section, XSecScreenLayout, PlotStyles::Screen);
}

void DrawCrossSection(PlotSurface& surface, const ChannelSection& section, PlotLayout& L,
                      const PlotStyle& style) {
    const auto& segments = section.Segments;
    if (segments.size() < 2) {
        throw AppError(ErrorNumber::SubscriptOutOfRange, "Subscript out of range");
    }
    const int last = static_cast<int>(segments.size()) - 1;
    L.DataUpperIndex = last;

    double stationMin = 0;
    double stationMax = 0;
    int nX = 0;
    int stationDecimals = 0;
    ComputeAxisScale(segments[1].X1, segments[last].X2, stationMin, stationMax, nX,
                     stationDecimals);
    L.XTickPos.assign(static_cast<size_t>(nX) + 1, 0.0f);
    L.XAxisMin = static_cast<float>(stationMin);
    L.XAxisMax = static_cast<float>(stationMax);
    double elevationMin = 0;
    double elevationMax = 0;
    int nY = 0;
    int elevationDecimals = 0;
    ComputeAxisScale(section.MinElevation, section.MaxElevation, elevationMin, elevationMax, nY,
                     elevationDecimals);
    L.YTickPos.assign(static_cast<size_t>(nY) + 1, 0.0f);
    L.YAxisMin = static_cast<float>(elevationMin);
    L.YAxisMax = static_cast<float>(elevationMax);

    // Each tick's label: its value in single precision, the axis's lower end
    // plus k intervals, or the axis scale's round value where single
    // precision misses that.
    QStringList stationLabels;
    const float ds = (L.XAxisMax - L.XAxisMin) / static_cast<float>(nX);
    const double stationStep = (stationMax - stationMin) / nX;
    for (int k = 0; k <= nX; ++k) {
        stationLabels << TickLabel(L.XAxisMin + static_cast<float>(k) * ds,
                                   stationMin + k * stationStep, stationDecimals);
    }
    QStringList elevationLabels;
    QStringList depthLabels;
    const float de = (L.YAxisMax - L.YAxisMin) / static_cast<float>(nY);
    const float depthAtAxisMin = static_cast<float>(L.YAxisMin - section.MinElevation);
    const double elevationStep = (elevationMax - elevationMin) / nY;
    for (int k = 0; k <= nY; ++k) {
        const double tickElevation = elevationMin + k * elevationStep;
        elevationLabels << TickLabel(L.YAxisMin + static_cast<float>(k) * de, tickElevation,
                                     elevationDecimals);
        depthLabels << TickLabel(depthAtAxisMin + static_cast<float>(k) * de,
                                 tickElevation - section.MinElevation, 2);
    }

    L.SurfaceWidth = surface.ScaleWidth();
    L.SurfaceHeight = surface.ScaleHeight();
    const float SH = L.SurfaceHeight;
    L.XTickPos[0] =
        PlotDrawing::LabelMargin(surface, L.LeftMargin, elevationLabels, stationLabels.front());
    L.XTickPos[nX] = L.SurfaceWidth - PlotDrawing::LabelMargin(surface, L.RightMargin, depthLabels,
                                                               stationLabels.back());
    const float left = L.XTickPos[0];
    const float right = L.XTickPos[nX];
    L.XScale = AxisScale(right - left, L.XAxisMin, L.XAxisMax);
    auto x = [&L](double station) {
        return L.XTickPos[0] + (static_cast<float>(station) - L.XAxisMin) * L.XScale;
    };

    // The labels above the plot, and the rows they need: each row beyond the
    // first of the n labels or of the bank labels lowers the top of the plot
    // by a text line, the subsection line staying where it is.
    BuildMarks(section, L);
    std::vector<float> markLines;
    for (float station : L.MarkX) {
        markLines.push_back(x(station));
    }
    QStringList nTexts;
    for (size_t i = 0; i + 1 < L.MarkText.size(); ++i) {
        nTexts << QString::fromStdString(L.MarkText[i]);
    }
    const std::vector<SectionPlotLabels::Placed> nLabels =
        SectionPlotLabels::NLabels(surface, markLines, nTexts);
    std::vector<SectionPlotLabels::Bank> banks;
    std::vector<double> bankElevations;
    if (section.LOBGiven == 1) {
        const CrossSectionSegment& s = segments.at(static_cast<size_t>(section.LOBSegment));
        banks.push_back({"LOB", x(s.X2), -1});
        bankElevations.push_back(s.Y2);
    }
    if (section.ROBGiven == 1) {
        const CrossSectionSegment& s = segments.at(static_cast<size_t>(section.ROBSegment));
        banks.push_back({"ROB", x(s.X1), +1});
        bankElevations.push_back(s.Y1);
    }
    const std::vector<SectionPlotLabels::Placed> bankLabels =
        SectionPlotLabels::BankLabels(surface, banks, markLines);
    const float tw0 = surface.TextWidth("0");
    const float th0 = surface.TextHeight();
    const float extraRows = static_cast<float>(SectionPlotLabels::Rows(nLabels) - 1 +
                                               SectionPlotLabels::Rows(bankLabels) - 1);

    L.YTickPos[0] = L.BottomMargin;
    L.YTickPos[nY] = SH - L.TopMargin - extraRows * th0;
    L.VertAxisOffset = 0;
    const float bottom = L.YTickPos[0];
    const float top = L.YTickPos[nY];

    surface.SetDrawStyle(DrawStyle::Solid);
    surface.SetDrawWidth(style.frameWidth);
    surface.Line(left, SH - bottom, right, SH - bottom);
    surface.Line(left + L.VertAxisOffset, SH - bottom, left + L.VertAxisOffset, SH - top);

    L.YScale = AxisScale(top - bottom, L.YAxisMin, L.YAxisMax);
    auto h = [&L](double elevation) {
        return L.YTickPos[0] + (static_cast<float>(elevation) - L.YAxisMin) * L.YScale;
    };

    surface.SetDrawWidth(style.dataWidth);
    for (int k = 1; k <= last; ++k) {
        const CrossSectionSegment& s = segments[k];
        surface.Line(x(s.X1), SH - h(s.Y1), x(s.X2), SH - h(s.Y2), style.dataColor);
    }
    surface.SetDrawWidth(style.lineWidth);

    // Each n hangs from the subsection line, or a row lower; the mark lines
    // break where they would strike through one.
    const float subsectionLine = top + L.MarkLineRise + extraRows * th0;
    surface.Line(x(segments[1].X1), SH - subsectionLine, x(segments[last].X2), SH - subsectionLine);
    std::vector<SectionPlotLabels::Box> nBoxes;
    for (size_t i = 0; i < nLabels.size(); ++i) {
        const float y = SH - subsectionLine + static_cast<float>(nLabels[i].row) * th0;
        const float width = surface.TextWidth(nTexts[static_cast<qsizetype>(i)]);
        nBoxes.push_back({nLabels[i].left, y, nLabels[i].left + width, y + th0});
    }
    for (size_t i = 0; i < L.MarkX.size(); ++i) {
        SectionPlotLabels::LineAround(surface, markLines[i], SH - (h(L.MarkY[i]) + L.MarkGroundGap),
                                      SH - (subsectionLine + L.MarkOvershoot), nBoxes);
    }
    for (size_t i = 0; i < nLabels.size(); ++i) {
        PrintAt(surface, nBoxes[i].left, nBoxes[i].top, nTexts[static_cast<qsizetype>(i)]);
    }

    // Bank labels in rows upwards from just above the plot; their lines end
    // under the lowest row.
    for (size_t i = 0; i < banks.size(); ++i) {
        const float rowBottom = top + L.BankMarkGap + static_cast<float>(bankLabels[i].row) * th0;
        PrintInColor(surface, bankLabels[i].left, SH - (rowBottom + th0), banks[i].label,
                     style.titleColor);
        surface.Line(banks[i].x, SH - (h(bankElevations[i]) + L.MarkGroundGap), banks[i].x,
                     SH - (top + L.BankMarkGap), style.titleColor);
    }

    const float dx = (right - left) / static_cast<float>(nX);
    const int stride = PlotDrawing::LabelStride(surface, stationLabels, dx);
    for (int k = 0; k <= nX; k += stride) {
        const QString& label = stationLabels[k];
        PrintAt(surface, left + static_cast<float>(k) * dx - surface.TextWidth(label) / 2,
                SH - (bottom - th0 / 2), label);
    }
    surface.SetDrawStyle(style.verticalGrid);
    for (int k = 0; k <= nX; ++k) {
        const float tx = left + static_cast<float>(k) * dx;
        surface.Line(tx, SH - (bottom - th0 / 2 + 25), tx, SH - top);
    }
    surface.SetDrawStyle(DrawStyle::Solid);
    if (style.minorTicks) {
        PlotDrawing::StationTicks(surface, left, dx, nX, SH - bottom, SH - top);
    }

    const float dy = (top - bottom) / static_cast<float>(nY);
    for (int k = 0; k <= nY; ++k) {
        const float tickY = SH - (bottom + static_cast<float>(k) * dy + th0 / 2);
        const QString& elevation = elevationLabels[k];
        PrintAt(surface, left + L.VertAxisOffset - surface.TextWidth(elevation) - tw0, tickY,
                elevation);
        PrintAt(surface, right + tw0, tickY, depthLabels[k]);
    }
    surface.SetDrawStyle(style.horizontalGrid);
    for (int k = 0; k <= nY; ++k) {
        const float ty = SH - (bottom + static_cast<float>(k) * dy);
        surface.Line(left - 0.8f * tw0, ty, right + 0.8f * tw0, ty);
    }
    surface.SetDrawStyle(DrawStyle::Solid);
    if (style.minorTicks) {
        PlotDrawing::LevelTicks(surface, SH - bottom, -dy, nY, left, right);
    }
    // Dashed, so that it stays apart from a flat channel bottom, in black and
    // white too; as wide as the ground where it lies on a grid line (a bottom
    // at a tick), which would hide dashes no wider than itself.
    const float datum = SH - h(section.MinElevation);
    constexpr float OnGridLine = 15; // twips: a pixel of the screen
    bool onGridLine = false;
    for (int k = 0; k <= nY; ++k) {
        onGridLine = onGridLine ||
                     std::abs(datum - (SH - (bottom + static_cast<float>(k) * dy))) < OnGridLine;
    }
    surface.SetDrawStyle(DrawStyle::Dash);
    surface.SetDrawWidth(onGridLine ? style.dataWidth : style.lineWidth);
    surface.Line(left - 0.8f * tw0, datum, right + 0.8f * tw0, datum);
    surface.SetDrawWidth(style.lineWidth);
    surface.SetDrawStyle(DrawStyle::Solid);

    const QString station = "Station (ft)";
    const float labelTop = SH - (bottom - th0 / 2);
    const float stationTitleY = style.titlesOnFrame ? labelTop + 1.5f * th0 : SH - 1.5f * th0;
    PrintInColor(surface, (left + right) / 2 - surface.TextWidth(station) / 2, stationTitleY,
                 station, style.titleColor);
    const float titleY = SH - (subsectionLine + L.MarkOvershoot + 1.5f * th0);
    const QString elevation = "Elevation (ft)";
    const QString depth = "Depth (ft)";
    const float elevationX =
        style.titlesOnFrame ? left - surface.TextWidth(elevation) / 2 : surface.TextWidth("00");
    const float depthX = style.titlesOnFrame
                             ? right - surface.TextWidth(depth) / 2
                             : L.SurfaceWidth - surface.TextWidth(depth) - surface.TextWidth("00");
    PrintInColor(surface, elevationX, titleY, elevation, style.titleColor);
    PrintInColor(surface, depthX, titleY, depth, style.titleColor);
}

} // namespace TWXSecPlotMod
