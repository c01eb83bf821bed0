#include "outlet_protection/modNEScour.h"

#include "platform/AppError.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>

namespace modNEScour {
namespace {

// Class E riprap serves up to this D50, class B above it up to the next.
constexpr double ClassELimit = 1.2;
constexpr double ClassBLimit = 2.0;
// The thinnest layer each class is placed in.
constexpr double ClassEThickness = 2.0;
constexpr double ClassBThickness = 3.0;

const char* const OutOfRange = "OUT OF RANGE";

double Coefficient(int DepressType) {
    switch (DepressType) {
    case HalfSpanDepression:
        return 0.0125;
    case FullSpanDepression:
        return 0.0082;
    default:
        return 0.0;
    }
}

std::string TwoDecimals(double value) {
    return Numbers::Format(value, Numbers::GroupedTwoDecimals);
}

} // namespace

double ComputeScourHoleD50(int DepressType, double Q, double TW, double D) {
    if (TW == 0.0 || D == 0.0) {
        throw AppError(ErrorNumber::DivisionByZero, "Division by zero");
    }
    const double t = Coefficient(DepressType) * D * D / TW;
    const double D50 = t * std::pow(Q / std::pow(D, 2.5), 4.0 / 3.0);
    // Only a span or tailwater near 0 beside a large discharge comes here.
    if (!Numbers::Showable(D50)) {
        throw AppError(ErrorNumber::Overflow,
                       "Overflow in the riprap size D50: check the Design Q, the Tailwater depth "
                       "and the Culvert Diameter or Span");
    }
    return D50;
}

ScourHoleDesignTexts DesignScourHole(int DepressType, double Q, double TW, double D) {
    const double F = DepressType == HalfSpanDepression ? 0.5 * D : D;
    const double A = CheckFinite(2 * D + 6 * F, "the basin width A");
    const double C = CheckFinite(3 * D + 6 * F, "the basin length C");
    const double D50 = ComputeScourHoleD50(DepressType, Q, TW, D);
    const double T = CheckFinite(2 * D50, "the riprap thickness");

    ScourHoleDesignTexts texts;
    texts.eDim = Numbers::GeneralText(D);
    texts.aDim = Numbers::GeneralText(A);
    texts.fDim = Numbers::GeneralText(F);
    texts.cDim = Numbers::GeneralText(C);
    texts.calcD50 = TwoDecimals(D50);
    texts.calcD = TwoDecimals(T);
    if (D50 > ClassBLimit) {
        texts.recD50 = OutOfRange;
        texts.recD = OutOfRange;
        return texts;
    }
    const bool classE = D50 <= ClassELimit;
    texts.recD50 = classE ? "Class E Riprap" : "Class B Riprap";
    texts.recD = TwoDecimals(std::max(T, classE ? ClassEThickness : ClassBThickness));
    return texts;
}

} // namespace modNEScour
