#include "inlets/DropInletMod.h"

#include "hydraulics/CircGeom.h"
#include "hydraulics/HydraulicConstants.h"
#include "hydraulics/InletControlMod.h"
#include "hydraulics/OpenChannelFlow.h"
#include "hydraulics/RectGeom.h"
#include "hydraulics/StandardFamily.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>

namespace DropInletMod {
namespace {

using OpenChannelFlow::Finite;

constexpr const char* LengthPattern = "###,###,###,##0.00";
constexpr const char* HWElevPattern = "###,###,###,###,##0.00";
const std::string NotApplicable = "N/A";

// Every inlet here is unmitered: the barrels leave the bottom of the inlet box.
constexpr int NotMitered = StandardFamily::NotMitered;

double Divide(double numerator, double denominator, const char* what, const char* detail) {
    if (denominator == 0) {
        OpenChannelFlow::ThrowDivisionByZero(what, detail);
    }
    return Finite(numerator / denominator, what);
}

double Power(double base, double exponent, const char* what) {
    if (base == 0 && exponent < 0) {
        OpenChannelFlow::ThrowDivisionByZero(what, "a head of 0 to a negative power");
    }
    if (base < 0 && exponent != std::trunc(exponent)) {
        OpenChannelFlow::ThrowInvalidArgument(what, "a negative head to a fractional power");
    }
    return Finite(std::pow(base, exponent), what);
}

// The weir equation Q = Cw Lt H^p solved for the head over a crest of total length Lt.
double WeirHead(double Q, double totalLength, const DropInletParameters& parameters) {
    const char* what = "the weir head";
    const double perLength =
        Divide(Divide(Q, parameters.WeirCoefficient, what, "the weir coefficient is 0"),
               totalLength, what, "the crest length is 0");
    return Power(perLength, Divide(1, parameters.WeirHPowCoeff, what, "the head exponent is 0"),
                 what);
}

double FullFlowHeadLoss(double Q, double A, double R, double L, double K1, double K2, double K3,
                        double n) {
    using namespace Hydraulics;
    const double minorLosses = (K1 + K2 + K3) / (2 * Gravity);
    const double friction =
        n * n * L / (ManningConstant * ManningConstant * std::pow(R, 4.0 / 3.0));
    return Finite((minorLosses + friction) * Q * Q / (A * A), "the barrel head loss");
}

// Outlet control: the larger of the tailwater and the mean of critical depth
// and rise stands at the outlet.
double OutletDepth(double criticalDepth, double rise, double TWDepth) {
    const double ho = (criticalDepth + rise) / 2;
    return TWDepth > ho ? TWDepth : ho;
}

// The headwater band a candidate must keep, both ends included.
bool WithinBand(double HWElev, double rise, const DropInletDesignData& data,
                const DropInletParameters& parameters) {
    return HWElev <= data.AllowableHWElev &&
           data.InletInvertElev + parameters.LHWBarrelFraction * rise <= HWElev;
}

double SideLength(double minTotalWeirLength, double weirWidth) {
    return (minTotalWeirLength - weirWidth) / 2;
}

void ComputeRow(DropInletWeirCalc& calc, size_t i, const DropInletParameters& parameters) {
    const double total = calc.MinTotalWeirLength;
    const std::string allowable = Numbers::GeneralText(calc.AllowableHWElev);
    switch (calc.WeirOption) {
    case WidthGivenComputeLength: {
        const double width = calc.Widths[i];
        if (width <= 0) {
            calc.LengthTexts[i] = "";
            calc.HWElevTexts[i] = "";
        } else if (width >= total) {
            calc.LengthTexts[i] = "0";
            calc.HWElevTexts[i] = NotApplicable;
        } else {
            calc.Lengths[i] = SideLength(total, width);
            calc.LengthTexts[i] = Numbers::Format(calc.Lengths[i], LengthPattern);
            calc.HWElevTexts[i] = allowable;
        }
        break;
    }
    case LengthGivenComputeWidth: {
        const double length = calc.Lengths[i];
        if (length <= 0) {
            calc.WidthTexts[i] = "";
            calc.HWElevTexts[i] = "";
        } else if (2 * length >= total) {
            calc.WidthTexts[i] = "0";
            calc.HWElevTexts[i] = NotApplicable;
        } else {
            calc.Widths[i] = total - 2 * length;
            calc.WidthTexts[i] = Numbers::Format(calc.Widths[i], LengthPattern);
            calc.HWElevTexts[i] = allowable;
        }
        break;
    }
    case WidthAndLengthGivenComputeHW:
        if (calc.Lengths[i] <= 0 || calc.Widths[i] <= 0) {
            calc.HWElevTexts[i] = "";
        } else {
            const double head = WeirHead(calc.Q, calc.Widths[i] + 2 * calc.Lengths[i], parameters);
            calc.HWElevTexts[i] = Numbers::Format(calc.WeirElev + head, HWElevPattern);
        }
        break;
    default:
        break;
    }
}

} // namespace

void PrepareDropInletDesignData(DropInletDesignData& data, const DropInletParameters& parameters) {
    data.Q = Numbers::ToDouble(data.QText);
    data.AllowableHWElev = Numbers::ToDouble(data.AllowableHWElevText);
    data.OutletInvertElev = Numbers::ToDouble(data.OutletInvertElevText);
    data.InletInvertElev = Numbers::ToDouble(data.InletInvertElevText);
    data.TWDepth = Numbers::ToDouble(data.TWDepthText);
    data.WeirElev = Numbers::ToDouble(data.WeirElevText);
    data.BarrelLength = Numbers::ToDouble(data.BarrelLengthText);

    data.Slope = 0;
    if (data.InletInvertElev > data.OutletInvertElev) {
        const double fall = data.InletInvertElev - data.OutletInvertElev;
        if (fall < data.BarrelLength) {
            data.Slope =
                Finite(fall / std::sqrt(data.BarrelLength * data.BarrelLength - fall * fall),
                       "the barrel slope");
        }
    }
    data.ManningN = parameters.ManningNReinforcedConcrete;
    data.MinTotalWeirLength =
        ComputeMinimumWeirLength(data.Q, data.AllowableHWElev, data.WeirElev, parameters);
}

double ComputeMinimumWeirLength(double Q, double AllowableHWElev, double WeirElev,
                                const DropInletParameters& parameters) {
    const char* what = "the minimum total weir length";
    const double capacity = parameters.WeirCoefficient *
                            Power(AllowableHWElev - WeirElev, parameters.WeirHPowCoeff, what);
    return Divide(Q, capacity, what, "no head over the weir");
}

double ComputeBoxFullFlowHeadLoss(double Q, double B, double D, double L, double K1, double K2,
                                  double K3, double n) {
    if (B <= 0 || D <= 0) {
        return 0;
    }
    const double A = B * D;
    return FullFlowHeadLoss(Q, A, A / (2 * B + 2 * D), L, K1, K2, K3, n);
}

double ComputePipeFullFlowHeadLoss(double Q, double D, double L, double K1, double K2, double K3,
                                   double n) {
    if (D <= 0) {
        return 0;
    }
    const double A = Hydraulics::Pi * D * D / 4;
    return FullFlowHeadLoss(Q, A, A / (Hydraulics::Pi * D), L, K1, K2, K3, n);
}

void ComputeDropInletRCBBarrels(const DropInletDesignData& data,
                                std::vector<DropInletBarrelResult>& results,
                                const DropInletParameters& parameters,
                                const std::vector<StdRCBoxSize>& sizes) {
    results.assign(1, DropInletBarrelResult{});
    const InletCoeffSet& k = parameters.RCBICCoeffs;
    for (size_t i = 1; i <= UpperBound(sizes); ++i) {
        const StdRCBoxSize& size = sizes[i];
        if (size.NumBarrels > parameters.NumRCBBarrels) {
            continue;
        }
        const double q = StandardFamily::DischargePerBarrel(data.Q, size.NumBarrels);
        const double B = size.WidthFt;
        const double D = size.HeightFt;
        const double yc = std::min(RectGeom::ComputeRectCriticalDepth(q, B), D);
        const double ho = OutletDepth(yc, D, data.TWDepth);
        const double hL = ComputeBoxFullFlowHeadLoss(
            q, B, D, data.BarrelLength, parameters.ExitLossCoefficient,
            parameters.EntranceLossCoefficient, parameters.BendLossCoefficient, data.ManningN);
        const double OC = data.OutletInvertElev + hL + ho;
        const double IC = data.InletInvertElev + D * InletControlMod::ComputeBoxInletControlHWRatio(
                                                         q, B, D, data.Slope, k.UnSubEqNum, k.K,
                                                         k.M, k.c, k.Y, NotMitered);
        const double HW = IC > OC ? IC : OC;
        if (!WithinBand(HW, D, data, parameters)) {
            continue;
        }
        DropInletBarrelResult& result = results.emplace_back();
        result.NumBarrels = size.NumBarrels;
        result.QBarrel = q;
        result.WidthText = size.WidthFtText;
        result.Width = B;
        result.HeightText = size.HeightFtText;
        result.Height = D;
        result.ICHWElev = IC;
        result.OCHWElev = OC;
        result.HWElev = HW;
        result.CriticalDepth = yc;
        result.HeadLoss = hL;
        result.Ho = ho;
        result.WeirWidth = size.NumBarrels * B;
        result.WeirLength = SideLength(data.MinTotalWeirLength, result.WeirWidth);
    }
}

void ComputeDropInletRCPBarrels(const DropInletDesignData& data,
                                std::vector<DropInletPipeResult>& results,
                                const DropInletParameters& parameters,
                                const std::vector<StdPipeSize>& sizes) {
    results.assign(1, DropInletPipeResult{});
    const InletCoeffSet& k = parameters.RCPICCoeffs;
    for (size_t i = 1; i <= UpperBound(sizes); ++i) {
        const StdPipeSize& size = sizes[i];
        if (size.NumBarrels != parameters.NumRCPBarrels) {
            continue;
        }
        const double D = size.DiameterFt;
        int iterations = 0;
        const double yc = std::min(CircGeom::ComputeCircCriticalDepth(data.Q, D, iterations), D);
        const double ho = OutletDepth(yc, D, data.TWDepth);
        const double hL = ComputePipeFullFlowHeadLoss(
            data.Q, D, data.BarrelLength, parameters.ExitLossCoefficient,
            parameters.EntranceLossCoefficient, parameters.BendLossCoefficient, data.ManningN);
        const double OC = data.OutletInvertElev + hL + ho;
        const double IC =
            data.InletInvertElev +
            D * InletControlMod::ComputeCircInletControlHWRatio(data.Q, D, data.Slope, k.UnSubEqNum,
                                                                k.K, k.M, k.c, k.Y, NotMitered);
        const double HW = IC > OC ? IC : OC;
        if (!WithinBand(HW, D, data, parameters)) {
            continue;
        }
        DropInletPipeResult& result = results.emplace_back();
        result.NumBarrels = size.NumBarrels;
        result.DiameterText = size.DiameterText;
        result.Diameter = D;
        result.ICHWElev = IC;
        result.OCHWElev = OC;
        result.HWElev = HW;
        result.CriticalDepth = yc;
        result.HeadLoss = hL;
        result.Ho = ho;
        result.WeirWidth = size.NumBarrels * D;
        result.WeirLength = SideLength(data.MinTotalWeirLength, result.WeirWidth);
    }
}

void ComputeWeirCalcs(DropInletWeirCalc& calc, const DropInletParameters& parameters) {
    const size_t rows = calc.Widths.size();
    if (calc.Lengths.size() != rows || calc.WidthTexts.size() != rows ||
        calc.LengthTexts.size() != rows) {
        throw AppError(ErrorNumber::SubscriptOutOfRange, "Subscript out of range (weir table)");
    }
    calc.HWElevTexts.resize(rows);
    for (size_t i = 1; i < rows; ++i) {
        ComputeRow(calc, i, parameters);
    }
}

} // namespace DropInletMod
