#include "riprap_basin/modHec14RRYo.h"

#include "riprap_basin/CheckedDivision.h"

#include <cmath>
#include <string>

namespace modHec14RRYo {
namespace {

int mBrinkCurveCount = 0;
std::vector<BrinkDepthCurve> mCircBrinkCurves;
std::vector<BrinkDepthCurve> mBoxBrinkCurves;

// Above these intensities the barrel flows full at the brink.
constexpr double CircMaxKey = 6.0;
constexpr double BoxMaxKey = 8.0;

// The dimensionless brink-depth curves of the riprap basin design, fitted by
// polynomials in TW/D; each meets its limit at XMin to within about 0.015.
const std::vector<BrinkDepthCurve> CircTable = {
    {{0, 1, 0, 0}, 0.0, 1.0, 0},
    {{0.225, -0.025, 0.75, 9.094947e-13}, 0.5, 0.30, 0},
    {{0.32503289, 0.1024081, -0.55663647, 2.0467745}, 1.0, 0.42, 0},
    {{0.39609284, 0.054007349, -0.019658001, 0.65486065}, 1.5, 0.52, 0},
    {{0.4705723, 0.036814322, -0.091314718, 0.6471886}, 2.0, 0.61, 0},
    {{0.52008589, 0.049940884, -0.097911327, 0.52930076}, 2.5, 0.68, 0},
    {{0.57570643, 0.03569866, -0.064374386, 0.41425702}, 3.0, 0.74, 0},
    {{0.61510101, 0.0436207311, -0.0468975469, 0.349326599}, 3.5, 0.80, 0},
    {{0.65103068, 0.16067237, -0.46509226, 0.71408364}, 4.0, 0.95, 1},
    {{0.73953831, 0.077119755, -0.31421196, 0.68552818}, 4.5, 0.85, 1},
    {{0.81327147, 0.080881293, -0.306947, 0.74026522}, 5.0, 0.73, 1},
    {{0.89428436, 0.10212739, -0.39028975, 0.82836861}, 5.5, 0.61, 1},
    {{0.975, 0.064005602, -0.21008403, 0.70028011}, 6.0, 0.34, 1},
};

// Keys step by 0.5 up to 4 and by 1 from 4 to 8.
const std::vector<BrinkDepthCurve> BoxTable = {
    {{0, 1, 0, 0, 0}, 0.0, 1.0, 0},
    {{0.15, 0.013157895, 0.65789474, 0, 0}, 0.5, 0.18, 0},
    {{0.23684211, 0.23391813, -1.7982456, 5.1169591, 0}, 1.0, 0.28, 0},
    {{0.32105263, 0.055797388, 1.1846502, -8.4553489, 15.554236}, 1.5, 0.38, 0},
    {{0.3841661, 0.045726472, 0.24754277, -1.9044804, 3.9248431}, 2.0, 0.45, 0},
    {{0.44214484, 0.12909551, -0.24853179, -0.26108239, 1.4192094}, 2.5, 0.51, 0},
    {{0.50013671, -0.056049214, 1.4892344, -5.1435407, 5.3827751}, 3.0, 0.60, 0},
    {{0.55322764, 0.040333976, 0.61765154, -2.58034, 2.9155483}, 3.5, 0.64, 0},
    {{0.60620641, 0.02448944, 0.64068033, -2.2513593, 2.2408562}, 4.0, 0.72, 0},
    {{0.70282906, 0.15862683, -0.33953681, -0.038211253, 0.68226088}, 5.0, 0.91, 1},
    {{0.79476967, 0.069302052, 0.51822805, -2.109521, 2.1305187}, 6.0, 0.82, 1},
    {{0.88548524, -0.048551342, 1.4387602, -4.7734013, 4.5877147}, 7.0, 0.68, 1},
    {{0.96803031, 0.16921424, -1.2695893, 3.110265, 0}, 8.0, 0.33, 1},
};

double Clip01(double value) {
    return value > 1 ? 1 : (value < 0 ? 0 : value);
}

const BrinkDepthCurve& Curve(const std::vector<BrinkDepthCurve>& table, int index,
                             const char* what) {
    if (index < 0 || index > mBrinkCurveCount || static_cast<std::size_t>(index) >= table.size()) {
        throw AppError(ErrorNumber::SubscriptOutOfRange,
                       "Subscript out of range (" + std::string(what) + " curve " +
                           std::to_string(index) + " of 0 to " + std::to_string(mBrinkCurveCount) +
                           ")");
    }
    return table[static_cast<std::size_t>(index)];
}

double EvalCurve(const BrinkDepthCurve& curve, double X) {
    if (X >= 1) {
        return 1;
    }
    if (X >= curve.XMin) {
        return curve.Flag == 1 ? 1 : X;
    }
    double y = 0;
    double power = 1;
    for (double c : curve.Coef) {
        y += c * power;
        power *= X;
    }
    return Clip01(y);
}

// What the two ratios share once the intensity K is known.
double InterpolateRatio(const std::vector<BrinkDepthCurve>& table, double maxKey, double K,
                        double X, const char* what) {
    if (X >= 1 || K > maxKey) {
        return 1;
    }
    for (int i = 0; i < mBrinkCurveCount; ++i) {
        const BrinkDepthCurve& lower = Curve(table, i, what);
        const BrinkDepthCurve& upper = Curve(table, i + 1, what);
        if (lower.Key <= K && K <= upper.Key) {
            const double y0 = EvalCurve(lower, X);
            const double y1 = EvalCurve(upper, X);
            const double T = (K - lower.Key) / (upper.Key - lower.Key);
            return Clip01(y0 + (y1 - y0) * T);
        }
    }
    // Only an unbuilt table leaves an intensity of 0 to maxKey unbracketed.
    throw AppError(ErrorNumber::SubscriptOutOfRange, "Subscript out of range (the " +
                                                         std::string(what) +
                                                         " brink-depth curves are not built)");
}

void RequirePositive(const char* what, const char* name, double value) {
    if (value == 0) {
        OpenChannelFlow::ThrowDivisionByZero(what, (std::string(name) + " is 0").c_str());
    }
    if (value < 0) {
        OpenChannelFlow::ThrowInvalidArgument(what, (std::string(name) + " is negative").c_str());
    }
}

void RequireDischarge(const char* what, double Q) {
    if (Q < 0) {
        // No curve brackets a negative intensity.
        OpenChannelFlow::ThrowInvalidArgument(what, "the discharge is negative");
    }
}

} // namespace

void InitBrinkDepthCurves() {
    mBrinkCurveCount = 12;
    mCircBrinkCurves = CircTable;
    mBoxBrinkCurves = BoxTable;
}

int BrinkCurveCount() {
    return mBrinkCurveCount;
}

const std::vector<BrinkDepthCurve>& CircBrinkCurves() {
    return mCircBrinkCurves;
}

const std::vector<BrinkDepthCurve>& BoxBrinkCurves() {
    return mBoxBrinkCurves;
}

double CircBrinkDepthRatio(double Q, double TW, double D) {
    constexpr const char* what = "the circular brink-depth ratio";
    OpenChannelFlow::RequireFinite(what, {{"Q", Q}, {"TW", TW}, {"D", D}});
    RequirePositive(what, "the diameter", D);
    RequireDischarge(what, Q);
    const double K = CheckedDivision(Q, std::pow(D, 2.5), what, "D^2.5 is 0");
    return InterpolateRatio(mCircBrinkCurves, CircMaxKey, K, TW / D, "circular");
}

double BoxBrinkDepthRatio(double Q, double B, double TW, double D) {
    constexpr const char* what = "the box brink-depth ratio";
    OpenChannelFlow::RequireFinite(what, {{"Q", Q}, {"B", B}, {"TW", TW}, {"D", D}});
    RequirePositive(what, "the span", B);
    RequirePositive(what, "the rise", D);
    RequireDischarge(what, Q);
    const double K = CheckedDivision(Q, B * std::pow(D, 1.5), what, "B D^1.5 is 0");
    return InterpolateRatio(mBoxBrinkCurves, BoxMaxKey, K, TW / D, "box");
}

double EvalCircBrinkCurve(int Index, double X) {
    return EvalCurve(Curve(mCircBrinkCurves, Index, "circular"), X);
}

double EvalBoxBrinkCurve(int Index, double X) {
    return EvalCurve(Curve(mBoxBrinkCurves, Index, "box"), X);
}

} // namespace modHec14RRYo
