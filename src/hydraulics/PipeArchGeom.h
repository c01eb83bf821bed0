#pragma once

#include <string>

// Geometry and open-channel hydraulics of the three-radius pipe-arch. A section
// is given by five lengths in feet, always in this order: span B (largest
// inside width), rise (invert to crown), bottom radius Rb, top radius Rt,
// corner radius Rc. The bottom arc (Rb) touches the invert, the top arc (Rt)
// the crown, and the two corner arcs (Rc), centred B/2 - Rc either side of the
// axis at height yc, reach the span. Three heights divide the section: the
// bottom zone runs from the invert to y1 (bottom/corner tangent point), the
// corner zone from y1 to y2 (corner/top tangent point), the top zone from y2
// to the rise. Every zone is a slice of a circle (CircGeom). No state.
//
// Sections that cannot be formed. CheckArchSection names the first fault of a
// set of sizes, or returns "" for a section that forms: every size finite and
// > 0, Rc < Rb, Rc < B/2 < Rb, Rc < Rt, and the corner/top tangent point below
// the crown. The routines of the whole section (flow area, top width, wetted
// perimeter, conveyance, critical depth, largest-flow depth, normal depth,
// Manning discharge) apply their own guards first (y <= 0, Q <= 0, ... give 0
// as listed) and then throw AppError (InvalidArgument, description = that
// message) for a section that cannot be formed, so that such sizes never give
// silent nan, inf or a meaningless number. The three height routines keep their
// guards (0 when a size is not positive or Rc >= Rb; yc = 0 when B/2 >= Rb)
// and throw AppError only where their arithmetic would fail (B/2 = Rc in the
// top tangent height, a negative root). Windows call CheckArchSection (for
// typed sizes CheckArchClosure) first and show its message.
//
// Every routine that returns a number first throws AppError for an input that
// is nan or infinite. Beyond that, the zone routines take the heights directly
// and compute slices of circles without checks of their own.
namespace PipeArchGeom {

// The first reason the sizes cannot form a pipe-arch, or "" when they can.
std::string CheckArchSection(double B, double rise, double Rb, double Rt, double Rc);

// Typed sizes whose radii do not close the section. The routines above build
// the section from the span and the rise as typed, so radii that do not fit
// them give a shape that is not a pipe-arch at all, and plausible-looking but
// wrong areas and headwaters. The radii alone fix a family of closed sections
// (three arcs, each corner arc touching the bottom and the top arc from
// inside); the typed rise picks one of them.

// How far, in inches, the closed section's span and rise may lie from the
// typed ones. The published standard sizes list their span and rise rounded,
// and their radii close the section only to within about 2 in (the 83 x 57 in
// steel pipe-arch's radii form a span of 84.96 in at its rise). Near these
// shapes the radii fix the span far more sharply than the rise, so a rise
// typed a few inches off can still pass (58.5 x 36 in radii accept a rise of
// about 33 to 43 in at the 58.5 in span); a wrong radius or span does not.
inline constexpr double ArchClosureToleranceIn = 2.0;

// Span and rise of a section, ft.
struct ArchSpanRise {
    double Span;
    double Rise;
};

// The closed section that the radii Rb, Rt, Rc form at the given rise (ft).
// Its rise is the given one when the radii can reach it; otherwise the
// nearest they can reach: 2 Rc at the least (the corner arcs alone), at the
// most the rise of the widest closed section (for a top radius below the
// bottom one, the span 2 Rt, where the top arc meets the corner arcs at the
// span).
// Throws AppError for an input that is nan or infinite and for radii that
// cannot form a section (Rc not above 0 and below Rb and Rt).
ArchSpanRise ComputeArchClosedSpanRise(double rise, double Rb, double Rt, double Rc);

// "" when the sizes form a section (CheckArchSection) and the closed section
// of their radii has the typed span and rise within ArchClosureToleranceIn;
// otherwise CheckArchSection's message, or one that gives the span and rise
// the radii do form, in inches: "The radii entered form a pipe-arch of span
// 20.0 in and rise 18.8 in, not the 58.5 in by 36 in entered. Please check the
// span, rise and radii." Sizes in ft, as everywhere in this module.
std::string CheckArchClosure(double B, double rise, double Rb, double Rt, double Rc);

// Zone heights above the invert.
double ComputeArchCornerCentreHeight(double B, double Rb, double Rc);                       // yc
double ComputeArchBottomTangentHeight(double B, double Rb, double Rc);                      // y1
double ComputeArchTopTangentHeight(double B, double rise, double Rb, double Rt, double Rc); // y2

// Flow area of each zone at depth y.
double ComputeArchBottomZoneArea(double Rb, double y1, double y);
double ComputeArchCornerZoneArea(double B, double Rc, double yc, double y1, double y2, double y);
double ComputeArchTopZoneArea(double rise, double Rt, double y2, double y);

// Flow area; 0 when y <= 0, the full area at y >= rise.
double ComputeArchFlowArea(double B, double rise, double Rb, double Rt, double Rc, double y);
// Water-surface width; 0 when y <= 0 or y >= rise.
double ComputeArchTopWidth(double B, double rise, double Rb, double Rt, double Rc, double y);

// Wetted perimeter of each zone at depth y.
double ComputeArchBottomZonePerimeter(double Rb, double y1, double y);
double ComputeArchCornerZonePerimeter(double Rc, double yc, double y1, double y2, double y);
double ComputeArchTopZonePerimeter(double rise, double Rt, double y2, double y);

// Wetted perimeter; 0 when y <= 0, the full closed perimeter at y >= rise.
double ComputeArchWettedPerimeter(double B, double rise, double Rb, double Rt, double Rc, double y);

// Critical depth, solving Q^2 / g = A^3 / T by bisection between 0.0001 and
// 0.985 rise (at most 100 passes, tolerance 0.001 ft; iterations counts the
// passes). 0 when Q <= 0 or rise <= 0.0001, and when the discharge is critical
// below 0.0001 ft; the rise when it is critical above 0.985 rise.
double ComputeArchCriticalDepth(double Q, double B, double rise, double Rb, double Rt, double Rc,
                                int& iterations);

// A R^(2/3) at depth y (the depth comes first here); 0 when y <= 0.
double ComputeArchConveyanceFactor(double y, double B, double rise, double Rb, double Rt,
                                   double Rc);

// Depth of largest conveyance, by a stepped search from the crown down (0.1 ft
// steps), up (0.01 ft) and down again (0.001 ft); accurate to 0.001 ft. A
// section too large for the search to end within 100,000 steps (a rise of
// about 10,000 ft) throws AppError instead of holding the program.
double FindArchMaxFlowDepth(double B, double rise, double Rb, double Rt, double Rc);

// Normal depth by the shared bisection between 0.001 and the depth of largest
// conveyance. Returns 1 (depth found, including 0), 3 (Q above the discharge
// at that depth: depth = rise, flag 1 and the message) or 0 (not converged;
// depth not written).
int ComputeArchNormalDepth(double Q, double B, double rise, double Rb, double Rt, double Rc,
                           double n, double S, double& normalDepth, int& flowTooLargeFlag,
                           std::string& message, int& iterations);

// Manning discharge at depth y; 0 unless rise > 0 and y > 0. n = 0 or a
// negative slope throws AppError.
double ComputeArchManningQ(double B, double rise, double Rb, double Rt, double Rc, double n,
                           double y, double S);

} // namespace PipeArchGeom
