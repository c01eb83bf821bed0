#include "outlet_protection/ScourHolePlanView.h"

#include "app/PrtSiteIDHeader.h"
#include "platform/AppError.h"
#include "platform/Numbers.h"
#include "platform/PlotSurface.h"
#include "platform/ReportDrawing.h"
#include "platform/TwipsPrinter.h"
#include "platform/UiText.h"

#include <algorithm>
#include <cmath>

namespace ScourHolePlot {
namespace {

constexpr double Pi = 3.14159265358979;
// Half a degree: the upper left corner arc overlaps its neighbours by this.
constexpr double HalfDegree = 0.5 * Pi / 180;

float F(double value) {
    return static_cast<float>(value);
}

void Line(PlotSurface& surface, double x1, double y1, double x2, double y2) {
    surface.Line(F(x1), F(y1), F(x2), F(y2));
}

void Arc(PlotSurface& surface, double cx, double cy, double radius, double start, double end) {
    surface.Arc(F(cx), F(cy), F(radius), F(start), F(end));
}

void PrintAt(PlotSurface& surface, double x, double y, const QString& text) {
    surface.SetCurrentX(F(x));
    surface.SetCurrentY(F(y));
    surface.Print(text);
}

// A dimension's label: its prefix, the value in feet and the foot mark.
QString Label(const char* prefix, double feet) {
    return prefix + ToQString(Numbers::GeneralText(feet)) + "'";
}

constexpr float PageTop = 400;
constexpr float BelowSiteHeader = 400;
constexpr float BelowTitle = 200;
constexpr float BottomMargin = 1000;

// The layout of a plot drawn `top` further down the surface.
void MoveDown(ScourHolePlotLayout& layout, double top) {
    for (double* y : {&layout.PlanCenterY, &layout.SectionBandTop, &layout.SectionBandBottom,
                      &layout.SectionSurfaceY, &layout.SectionBottomY}) {
        *y += top;
    }
}

QString PrintedTitle(const ScourHolePlotDesign& design) {
    return design.DepressType == 2
               ? QStringLiteral("NE SCOUR HOLE: DEPRESSED THE CULVERT SPAN")
               : QStringLiteral("NE SCOUR HOLE: DEPRESSED 1/2 THE CULVERT SPAN");
}

// The pipe-break symbol at the cut end xb of a barrel between the heights
// top and bottom: two arcs bulging back along the barrel, one forward.
void BreakSymbol(PlotSurface& surface, double xb, double top, double bottom, double a) {
    const double q = (bottom - top) / 4;
    const double m = (bottom + top) / 2;
    const double radius = std::sqrt(a * a + q * q);
    const double theta = std::atan(q / a);
    Arc(surface, xb + a, m - q, radius, Pi - theta, Pi + theta);
    Arc(surface, xb + a, m + q, radius, Pi - theta, Pi + theta);
    Arc(surface, xb - a, m + q, radius, 2 * Pi - theta, theta);
}

} // namespace

void DrwVerticalArrowHead(PlotSurface& surface, bool PointsUp, double X, double Y, double Angle,
                          double Length) {
    const double hw = std::tan(Angle * Pi / 180) * Length;
    const double yb = PointsUp ? Y + Length : Y - Length;
    Line(surface, X, Y, X + hw, yb);
    Line(surface, X, Y, X - hw, yb);
    Line(surface, X + hw, yb, X - hw, yb);
}

void DrwHorizontalArrowHead(PlotSurface& surface, bool PointsLeft, double X, double Y, double Angle,
                            double Length) {
    const double hw = std::tan(Angle * Pi / 180) * Length;
    const double xb = PointsLeft ? X + Length : X - Length;
    Line(surface, X, Y, xb, Y - hw);
    Line(surface, X, Y, xb, Y + hw);
    Line(surface, xb, Y + hw, xb, Y - hw);
}

void PlotPlanView(PlotSurface& surface, const ScourHolePlotDesign& design,
                  const ScourHolePlotLayout& L) {
    const double cx = L.PlanCenterX;
    const double cy = L.PlanCenterY;
    const double s = L.PlotScale;
    const double e = design.EDim * s;
    const double hL = design.CDim * s / 2;
    const double hW = (design.BDim / 2) * s;
    const double hF = 3 * design.EDim * s / 2;
    const double r = ((design.CDim - 3 * design.EDim) / 2) * s;
    const double g = L.DimensionGap;
    const double xb = cx - hL - 1.5 * e;
    const double yT = L.SectionBandTop;
    const double yS = L.SectionSurfaceY;
    const double yB = L.SectionBottomY;
    const double k = L.SectionStep;
    const double yc = yT + 200;
    const double th = surface.TextHeight();
    const double tA = th;
    const double tC = th;
    const double wA = surface.TextWidth("A");
    const double angle = L.ArrowAngle;
    const double length = L.ArrowLength;
    auto vertical = [&](double x, double y1, double y2) {
        Line(surface, x, y1, x, y2);
        DrwVerticalArrowHead(surface, true, x, y1, angle, length);
        DrwVerticalArrowHead(surface, false, x, y2, angle, length);
    };
    auto horizontal = [&](double y, double x1, double x2) {
        Line(surface, x1, y, x2, y);
        DrwHorizontalArrowHead(surface, true, x1, y, angle, length);
        DrwHorizontalArrowHead(surface, false, x2, y, angle, length);
    };
    auto labelAbove = [&](double y, double x1, double x2, const QString& label) {
        PrintAt(surface, (x1 + x2) / 2 - surface.TextWidth(label) / 2, y - th, label);
    };

    // Title under the plan.
    PrintAt(surface, cx - surface.TextWidth("PLAN") / 2, cy + hW + th, "PLAN");

    // The plan outline: sides, rim ends, the floor 3E by 2E and its rounded corners.
    Line(surface, cx + hF, cy - hW, cx - hF, cy - hW);
    Line(surface, cx + hF, cy + hW, cx - hF, cy + hW);
    Line(surface, cx - hL, cy - e, cx - hL, cy + e);
    Line(surface, cx + hL, cy - e, cx + hL, cy + e);
    Line(surface, cx - hF, cy - e, cx + hF, cy - e);
    Line(surface, cx + hF, cy - e, cx + hF, cy + e);
    Line(surface, cx + hF, cy + e, cx - hF, cy + e);
    Line(surface, cx - hF, cy + e, cx - hF, cy - e);
    Arc(surface, cx - hF, cy - e, r, Pi / 2 - HalfDegree, Pi + HalfDegree);
    Arc(surface, cx - hF, cy + e, r, Pi, 3 * Pi / 2 + 2 * HalfDegree);
    Arc(surface, cx + hF, cy + e, r, 3 * Pi / 2, 2 * Pi);
    Arc(surface, cx + hF, cy - e, r, 0, Pi / 2);

    // 3E above the plan, C above it.
    Line(surface, cx - hF, cy - e - g, cx - hF, cy - hW - 1.5 * tA);
    Line(surface, cx + hF, cy - e - g, cx + hF, cy - hW - 1.5 * tA);
    horizontal(cy - hW - tA, cx - hF, cx + hF);
    labelAbove(cy - hW - tA, cx - hF, cx + hF, Label("3E = ", 3 * design.EDim));
    Line(surface, cx - hL, cy - e - 5 * g, cx - hL, cy - hW - 3 * tC);
    Line(surface, cx + hL, cy - e - 5 * g, cx + hL, cy - hW - 3 * tC);
    horizontal(cy - hW - 2.5 * tC, cx - hL, cx + hL);
    labelAbove(cy - hW - 2.5 * tC, cx - hL, cx + hL, Label("C = ", design.CDim));

    // 2E right of the plan, B right of the 2E label.
    Line(surface, cx + hF + g, cy - e, cx + hL + 2.5 * wA, cy - e);
    Line(surface, cx + hF + g, cy + e, cx + hL + 2.5 * wA, cy + e);
    const double x2E = cx + hL + 1.5 * wA;
    vertical(x2E, cy - e, cy + e);
    const QString label2E = Label("2E = ", 2 * design.EDim);
    PrintAt(surface, x2E + wA / 2, cy - th / 2, label2E);
    const double xR = x2E + wA / 2 + surface.TextWidth(label2E);
    Line(surface, cx + hF + 5 * g, cy - hW, xR + 2.5 * wA, cy - hW);
    Line(surface, cx + hF + 5 * g, cy + hW, xR + 2.5 * wA, cy + hW);
    const double xB = xR + 1.5 * wA;
    vertical(xB, cy - hW, cy + hW);
    PrintAt(surface, xB + wA / 2, cy - th / 2, Label("B = ", design.BDim));

    // The barrel in plan, E wide, cut 1.5E from the hole.
    Line(surface, cx - hL, cy - e / 2, xb, cy - e / 2);
    Line(surface, cx - hL, cy + e / 2, xb, cy + e / 2);
    BreakSymbol(surface, xb, cy - e / 2, cy + e / 2, e / 4);
    Line(surface, xb - g, cy - e / 2, xb - g - e / 4, cy - e / 2);
    Line(surface, xb - g, cy + e / 2, xb - g - e / 4, cy + e / 2);
    const double xE = xb - g - e / 8;
    vertical(xE, cy - e / 2, cy + e / 2);
    const QString labelE = Label("E = ", design.EDim);
    PrintAt(surface, xE - surface.TextWidth(labelE) - wA / 2, cy - tA / 2, labelE);
    Line(surface, cx - hL - 0.25 * e, cy, cx - hL - 1.25 * e, cy);
    DrwHorizontalArrowHead(surface, false, cx - hL - 0.25 * e, cy, angle, 2 * length);

    // The section: separator, the riprap layer's bottom and top, D and F.
    Line(surface, L.SectionBandLeft, yT, L.SectionBandRight, yT);
    Line(surface, cx - hF, yB, cx + hF, yB);
    Line(surface, cx - hL, yS + k, cx - hF, yB);
    Line(surface, cx + hL, yS + k, cx + hF, yB);
    Line(surface, cx - hF, yB - k, cx + hF, yB - k);
    Line(surface, cx - hL, yS, cx - hF, yB - k);
    Line(surface, cx + hL, yS, cx + hF, yB - k);
    const double xD = (cx + (cx + hF)) / 2;
    // On a short plot the label rises, its leader shortened, to stay above the bottom edge.
    const double yDLeader = std::min(yB + 2 * tA, L.SectionBandBottom - th - 0.1 * tA);
    Line(surface, xD, yB, xD, yDLeader);
    DrwVerticalArrowHead(surface, true, xD, yB, angle, length);
    PrintAt(surface, xD, yDLeader + 0.1 * tA, Label("D = ", design.DDim));
    Line(surface, xD, yB - k, xD, yB - k - 2 * tA);
    DrwVerticalArrowHead(surface, false, xD, yB - k, angle, length);
    Line(surface, cx, yS, cx, yS - 2 * tA);
    DrwVerticalArrowHead(surface, false, cx, yS, angle, length);
    PrintAt(surface, cx, yS - 2 * tA - 1.1 * tA, Label("F = ", design.FDim));
    Line(surface, cx, yB - k, cx, yB - k + 2 * tA);
    DrwVerticalArrowHead(surface, true, cx, yB - k, angle, length);
    Line(surface, cx - hL + 5 * g, yS, cx + hL - 5 * g, yS);

    // The slope labels sit on the slopes' midpoints, ending and starting there.
    const QString slope = "3:1";
    PrintAt(surface, (cx + hL + cx + hF) / 2 - surface.TextWidth(slope), (yS + yB - k) / 2 - th,
            slope);
    PrintAt(surface, (cx - hL + cx - hF) / 2, (yS + yB - k) / 2 - th, slope);

    // The barrel in the section, with its flow arrow at mid height.
    Line(surface, cx - hL, yS, xb, yS);
    Line(surface, cx - hL, yc, xb, yc);
    BreakSymbol(surface, xb, yc, yS, e / 4);
    Line(surface, cx - hL, yS, cx - hL, yc);
    const double m = (yS + yc) / 2;
    Line(surface, cx - hL - 0.25 * e, m, cx - hL - 1.25 * e, m);
    DrwHorizontalArrowHead(surface, false, cx - hL - 0.25 * e, m, angle, 2 * length);
}

std::optional<std::string> DrawDesign(PlotSurface& surface, const ScourHolePlotDesign& design,
                                      double top, double bottomMargin) {
    const double W = surface.ScaleWidth();
    const double H = surface.ScaleHeight() - top - bottomMargin;
    if (auto problem = PlotProblem(W, H, design.BDim, design.CDim, design.EDim)) {
        return problem;
    }
    ScourHolePlotLayout layout = ComputeSizesAndScale(W, H, design.BDim, design.CDim);
    // On a picture too narrow for it the plan is drawn smaller, so that the
    // barrel's E label, left of the barrel's cut end, keeps half an "A" from
    // the edge: the label ends g + E/8 + wA/2 left of the cut end, which lies
    // C/2 + 1.5E left of the centre.
    const double labelRoom = surface.TextWidth(Label("E = ", design.EDim)) + surface.TextWidth("A");
    const double narrowScale = (layout.PlanCenterX - layout.DimensionGap - labelRoom) /
                               (design.CDim / 2 + 1.625 * design.EDim);
    if (narrowScale > 0) {
        layout.PlotScale = std::min(layout.PlotScale, narrowScale);
    }
    MoveDown(layout, top);
    PlotPlanView(surface, design, layout);
    return std::nullopt;
}

void PrintScourHolePlot(TwipsPrinter& printer, const ScourHolePlotDesign& design,
                        const SiteFields& fields) {
    printer.SetOrientation(PageOrientation::Landscape);
    printer.SetFontName(QStringLiteral("Arial"));
    printer.SetFontSize(10);
    printer.SetFontBold(false);
    printer.SetDrawWidth(1);
    printer.SetDrawStyle(DrawStyle::Solid);
    printer.SetForeColor(Qt::black);
    float y = PageTop;
    PrtSiteIDHeader::PrintSiteIDHeader(printer, y, fields);
    y += BelowSiteHeader;
    ReportDrawing::PrintTitle(printer, y, PrintedTitle(design));
    if (auto problem = DrawDesign(printer, design, y + BelowTitle, BottomMargin)) {
        throw AppError(ErrorNumber::InvalidArgument, *problem);
    }
}

} // namespace ScourHolePlot
