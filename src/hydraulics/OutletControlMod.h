#pragma once

// Outlet control of one barrel flowing full: the head loss through the barrel
//   H = (1 + Ke) V^2 / 2g + Sf L,  V = Q / A,  Sf = (Q n / (1.486 A R^(2/3)))^2
// with A and P of the full barrel, and the tailwater term
//   ho = max(TW, (dc + D) / 2),  dc the critical depth, at most D.
// The outlet-control headwater elevation is the outlet invert + ho + H.
//
// Q discharge per barrel (ft^3/s), n Manning roughness, L barrel length (ft),
// Ke entrance loss coefficient, TW tailwater depth above the outlet invert
// (ft); B span, D rise or diameter, Rb, Rt, Rc the pipe-arch radii (ft). An
// input that is nan or infinite throws AppError. No other guards: Q = 0 gives
// H = 0 and ho = max(TW, D / 2). A barrel without area or perimeter (a size of
// 0 or below) throws AppError instead of dividing by zero, as does a pipe-arch
// that cannot form a section (see PipeArchGeom) and a result that overflows.
// No state.
namespace OutletControlMod {

double ComputeCircOutletHead(double Q, double n, double L, double D, double Ke);
double ComputeCircOutletHo(double Q, double D, double TW);

double ComputeBoxOutletHead(double Q, double n, double L, double B, double D, double Ke);
double ComputeBoxOutletHo(double Q, double B, double D, double TW);

double ComputeArchOutletHead(double Q, double n, double L, double B, double D, double Rb, double Rt,
                             double Rc, double Ke);
double ComputeArchOutletHo(double Q, double B, double D, double Rb, double Rt, double Rc,
                           double TW);

} // namespace OutletControlMod
