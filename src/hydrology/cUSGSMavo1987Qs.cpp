#include "hydrology/cUSGSMavo1987Qs.h"

#include "hydrology/HydrologyMath.h"
#include "hydrology/modUSGSMavo1987.h"
#include "platform/AppError.h"
#include "platform/InputChecks.h"
#include "platform/Numbers.h"

namespace {

// Up to this total area (square miles) each region's equation takes the
// region's own area; above it, the whole watershed's.
constexpr double OwnAreaLimit = 20.0;

constexpr const char* RegionList = "USGS 1987 region";

} // namespace

cUSGSMavo1987Qs::cUSGSMavo1987Qs()
    : mNumReturnPeriods(modUSGSMavo1987::NumReturnPeriods()),
      mNumRegions(modUSGSMavo1987::NumRegions()) {
    ResetClass();
}

void cUSGSMavo1987Qs::ResetClass() {
    const auto regions = static_cast<std::size_t>(mNumRegions) + 1;
    mDrainageAreas.assign(regions, 0.0);
    mDrainageAreaTexts.assign(regions, std::string());
    mAreaFractions.assign(regions, 0.0);
    mQs.assign(static_cast<std::size_t>(mNumReturnPeriods) + 1, 0.0);
    mTotalDrainageArea = 0;
    mErrorRegion = 0;
}

std::string cUSGSMavo1987Qs::DrainageArea(std::int32_t i) const {
    return mDrainageAreaTexts[HydrologyMath::Entry(i, 0, mNumRegions, RegionList)];
}

void cUSGSMavo1987Qs::DrainageArea(std::int32_t i, std::string vNewValue) {
    mDrainageAreaTexts[HydrologyMath::Entry(i, 0, mNumRegions, RegionList)] = std::move(vNewValue);
}

void cUSGSMavo1987Qs::CheckData(bool& bIsError, std::string& sErrMsg) {
    const auto regions = static_cast<std::size_t>(mNumRegions);
    mDrainageAreas.assign(regions + 1, 0.0);
    bIsError = true;
    sErrMsg.clear();
    mErrorRegion = 0;
    std::vector<double> areas(regions + 1, 0.0);
    for (std::size_t i = 1; i <= regions; ++i) {
        const std::string& text = mDrainageAreaTexts[i];
        if (text.empty()) {
            continue;
        }
        const auto area = Numbers::ParseNumber(text);
        const std::string region = "Drainage area for Region " + std::to_string(i);
        if (!area) {
            sErrMsg = region + " can not be evaluated as a number. Please re-enter.";
        } else if (*area < 0) {
            sErrMsg = region + " is < 0. Drainage area must be >= 0.0";
        } else {
            areas[i] = *area;
            continue;
        }
        mErrorRegion = static_cast<std::int32_t>(i);
        return;
    }
    for (std::size_t i = 1; i <= regions; ++i) {
        if (!InputChecks::WithinBound(areas[i])) {
            sErrMsg =
                "Drainage area for Region " + std::to_string(i) + " is too large. Please re-enter.";
            mErrorRegion = static_cast<std::int32_t>(i);
            return;
        }
    }
    mTotalDrainageArea = 0;
    for (std::size_t i = 1; i <= regions; ++i) {
        mDrainageAreas[i] = areas[i];
        mTotalDrainageArea =
            CheckFinite(mTotalDrainageArea + areas[i], "the USGS 1987 total drainage area");
    }
    if (mTotalDrainageArea > 0) {
        bIsError = false;
    } else {
        sErrMsg = "Total drainage area is = 0. Can not compute Q's.";
    }
}

void cUSGSMavo1987Qs::ComputeQs() {
    constexpr const char* what = "the USGS 1987 discharges";
    const auto regions = static_cast<std::size_t>(mNumRegions);
    const double T = mTotalDrainageArea;
    if (T == 0) {
        throw AppError(ErrorNumber::DivisionByZero, std::string("Division by zero in ") + what +
                                                        ": the total drainage area is 0");
    }
    mAreaFractions.assign(regions + 1, 0.0);
    for (std::size_t i = 1; i <= regions; ++i) {
        mAreaFractions[i] = CheckFinite(mDrainageAreas[i] / T, what);
    }
    mQs.assign(static_cast<std::size_t>(mNumReturnPeriods) + 1, 0.0);
    for (std::int32_t k = 1; k <= mNumReturnPeriods; ++k) {
        double sum = 0;
        for (std::size_t i = 1; i <= regions; ++i) {
            const double A = mDrainageAreas[i];
            if (A <= 0) {
                continue;
            }
            const auto region = static_cast<std::int32_t>(i);
            const double Q =
                T > OwnAreaLimit
                    ? HydrologyMath::Product(modUSGSMavo1987::ComputeRegionQ(region, k, T),
                                             mAreaFractions[i], what)
                    : modUSGSMavo1987::ComputeRegionQ(region, k, A);
            sum = CheckFinite(sum + Q, what);
        }
        mQs[static_cast<std::size_t>(k)] = sum;
    }
}

double cUSGSMavo1987Qs::QbyRPEqnum(std::int32_t lRPEqNum) const {
    return mQs[HydrologyMath::Entry(lRPEqNum, 0, mNumReturnPeriods,
                                    "USGS 1987 return-period index")];
}
