#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The design discharges of one watershed by the USGS Mavo 1987 method, from
// the drainage area (square miles) in each hydrologic region given as text.
// One object serves one computation: set the texts, CheckData, and only when
// it passes ComputeQs, then read the discharges. Region entries run 1 to
// NumRegions, discharge entries 1 to NumReturnPeriods (modUSGSMavo1987).
class cUSGSMavo1987Qs {
public:
    // Takes the region and return-period counts of the built tables.
    cUSGSMavo1987Qs();

    // Empties every text and zeroes every number.
    void ResetClass();

    // The area text of region i (0 to NumRegions), stored as given. Throws
    // AppError (SubscriptOutOfRange) for any other i.
    std::string DrainageArea(std::int32_t i) const;
    void DrainageArea(std::int32_t i, std::string vNewValue);

    // Converts and totals the area texts: an empty text counts as 0, the first
    // region whose text is not a number or is negative refuses the data, and
    // so does a total of 0. bIsError false and sErrMsg empty when it passes.
    void CheckData(bool& bIsError, std::string& sErrMsg);

    // The region whose box holds the text that the last CheckData refused; 0
    // when it passed or refused the total.
    std::int32_t ErrorRegion() const { return mErrorRegion; }

    // One discharge per return period: up to 20 square miles the sum of each
    // region's equation on its own area, above that the area-weighted mean of
    // the regions' equations on the total area. Throws AppError
    // (DivisionByZero) when the total is 0, as without a passed CheckData.
    void ComputeQs();

    // The discharge of return-period index k (0 to NumReturnPeriods). Throws
    // AppError (SubscriptOutOfRange) for any other k.
    double QbyRPEqnum(std::int32_t lRPEqNum) const;

    double TotalDrainageArea() const { return mTotalDrainageArea; }

private:
    std::int32_t mNumReturnPeriods = 0;
    std::int32_t mNumRegions = 0;
    std::vector<double> mDrainageAreas;
    std::vector<std::string> mDrainageAreaTexts;
    std::vector<double> mAreaFractions;
    std::vector<double> mQs;
    double mTotalDrainageArea = 0;
    std::int32_t mErrorRegion = 0;
};
