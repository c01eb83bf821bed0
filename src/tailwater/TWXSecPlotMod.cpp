#include "tailwater/TWXSecPlotMod.h"

#include "platform/AppError.h"

#include <cmath>
#include <limits>

namespace TWXSecPlotMod {

PlotLayout XSecScreenLayout;

void InitializeXSecPlot() {
    XSecScreenLayout = InitialPlotLayout(TailwaterPlot::XSecScreen);
}

namespace {

// Beyond this many intervals from zero the ends are not stepped one interval
// at a time, which would take practically forever for a large value.
constexpr double MaxSteppedIntervals = 1000000;

// Two intervals around a single value: of 1, or of the smallest power of ten
// that a value this large still resolves.
void AxisAroundValue(double value, double& axisMin, double& axisMax, int& intervals,
                     int& decimals) {
    const double magnitude = std::abs(value);
    const double resolution =
        std::nextafter(magnitude, std::numeric_limits<double>::infinity()) - magnitude;
    const double interval = resolution > 1 ? std::pow(10, std::ceil(std::log10(resolution))) : 1;
    const double k = std::floor(value / interval);
    axisMin = CheckFinite((k - 1) * interval, "the axis scale");
    axisMax = CheckFinite((k + 1) * interval, "the axis scale");
    intervals = 2;
    decimals = 0;
}

// The ends as exact multiples of the interval, for data far from zero.
void ExactEnds(double dataMin, double dataMax, double interval, double& axisMin, double& axisMax,
               int& intervals) {
    double kMax = std::ceil(dataMax / interval);
    if (kMax * interval < dataMax) {
        kMax += 1;
    }
    double kMin = std::floor(dataMin / interval);
    if (kMin * interval > dataMin) {
        kMin -= 1;
    }
    if (kMin > kMax - 1) {
        kMin = kMax - 1;
    }
    axisMax = kMax * interval;
    axisMin = kMin * interval;
    intervals = static_cast<int>(kMax - kMin);
}

} // namespace

void ComputeAxisScale(double dataMin, double dataMax, double& axisMin, double& axisMax,
                      int& intervals, int& decimals) {
    if (!std::isfinite(dataMin) || !std::isfinite(dataMax)) {
        throw AppError(ErrorNumber::InvalidArgument, "An axis scale needs finite data");
    }
    if (dataMax < dataMin) {
        ComputeAxisScale(dataMax, dataMin, axisMin, axisMax, intervals, decimals);
        return;
    }
    const double range = CheckFinite(dataMax - dataMin, "the axis range");
    if (!(range >= std::numeric_limits<double>::min())) {
        AxisAroundValue(dataMin, axisMin, axisMax, intervals, decimals);
        return;
    }

    double t = 10;
    while (4 * t > range) {
        t = t / 10;
    }
    double interval = 0;
    for (;;) {
        if (4 * t <= range && range <= 10 * t) {
            interval = t;
            break;
        }
        if (8 * t <= range && range <= 20 * t) {
            interval = 2 * t;
            break;
        }
        if (20 * t <= range && range <= 50 * t) {
            interval = 5 * t;
            break;
        }
        t = 10 * t;
    }

    if (std::abs(dataMax) / interval > MaxSteppedIntervals) {
        ExactEnds(dataMin, dataMax, interval, axisMin, axisMax, intervals);
    } else {
        // Repeated sums, not multiples: the drawn axes depend on their drift.
        axisMax = interval;
        while (axisMax > dataMax) {
            axisMax = axisMax - interval;
        }
        while (axisMax < dataMax) {
            axisMax = axisMax + interval;
        }
        axisMin = axisMax - interval;
        intervals = 1;
        while (axisMin > dataMin) {
            axisMin = axisMin - interval;
            intervals = intervals + 1;
        }
    }

    decimals = 0;
    if (interval < 1) {
        double e = 0.1;
        decimals = 1;
        while (e > interval) {
            e = e / 10;
            decimals = decimals + 1;
        }
    }
}

} // namespace TWXSecPlotMod
