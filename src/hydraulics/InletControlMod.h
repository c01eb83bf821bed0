#pragma once

// Inlet-control headwater of one barrel as the ratio HW/D (headwater depth
// above the inlet invert over the rise D), by the FHWA HDS-5 equations:
//   discharge intensity   x = Q / (A D^0.5), A the full barrel area
//   submerged             HW/D = c x^2 + Y + Ks S
//   unsubmerged, form 1   HW/D = Hc / D + K x^M + Ks S, Hc the specific head
//                         at critical depth
//   unsubmerged, form 2   HW/D = K x^M
// with Ks = +0.7 for a mitered inlet (MiteredFlag non-zero), -0.5 otherwise.
// The combined routines use the submerged equation for x >= 4.0, the
// unsubmerged one for x <= 3.5, and the larger of the two in between.
//
// Q discharge per barrel (ft^3/s); B span, D rise, Rb, Rt, Rc the pipe-arch
// radii (ft); S barrel slope (ft/ft); UnSubEqNum the unsubmerged form (1 or
// 2; any other form gives 0 from the unsubmerged routines). No state.
//
// An input that is nan or infinite throws AppError before anything else.
// Every routine returns 0 unless Q > 0 and the shape's sizes are positive (box
// B and D, circle D, pipe-arch B and D). A pipe-arch whose radii cannot form a
// section throws AppError (see PipeArchGeom). Form 1 divides by the flow area
// at critical depth: the circle's is raised to 0.001 ft^2 when smaller; the
// pipe-arch's, 0 only when the discharge is critical below 0.0001 ft, is taken
// as 0.001 ft^2 then; a box whose area at critical depth is 0 (a width of at
// most 0.001 ft) throws AppError. A result that overflows throws AppError.
namespace InletControlMod {

double ComputeBoxInletControlHWRatio(double Q, double B, double D, double S, int UnSubEqNum,
                                     double K, double M, double c, double Y, int MiteredFlag);
double ComputeBoxSubmergedHWRatio(double Q, double B, double D, double S, double c, double Y,
                                  int MiteredFlag);
double ComputeBoxUnsubmergedHWRatio(double Q, double B, double D, double S, int UnSubEqNum,
                                    double K, double M, int MiteredFlag);

double ComputeCircInletControlHWRatio(double Q, double D, double S, int UnSubEqNum, double K,
                                      double M, double c, double Y, int MiteredFlag);
double ComputeCircSubmergedHWRatio(double Q, double D, double S, double c, double Y,
                                   int MiteredFlag);
double ComputeCircUnsubmergedHWRatio(double Q, double D, double S, int UnSubEqNum, double K,
                                     double M, int MiteredFlag);

double ComputePipeArchInletControlHWRatio(double Q, double B, double D, double Rb, double Rt,
                                          double Rc, double S, int UnSubEqNum, double K, double M,
                                          double c, double Y, int MiteredFlag);
double ComputePipeArchSubmergedHWRatio(double Q, double B, double D, double Rb, double Rt,
                                       double Rc, double S, double c, double Y, int MiteredFlag);
double ComputePipeArchUnsubmergedHWRatio(double Q, double B, double D, double Rb, double Rt,
                                         double Rc, double S, int UnSubEqNum, double K, double M,
                                         int MiteredFlag);

} // namespace InletControlMod
