#pragma once

#include "riprap_basin/Hec14RiprapSizeSearch.h"
#include "riprap_basin/NumberOrText.h"

#include <string>
#include <vector>

struct GenDesignCulvertType;

// The HEC-14 riprap basin design of one culvert for its design flows. One
// object serves one computation: add the design flows, set the culvert
// description, DoPreCalcs, then for each design flow DesignQCompute1 (the
// brink conditions) followed by DesignQComputeD50 (riprap size and basin
// lengths), reading the results through the accessors after each.
//
// Lengths and elevations in ft, discharges in ft^3/s, velocities in ft/s,
// areas in ft^2. Design flows and size values are numbered from 1. Sizes by
// shape: circular 1 diameter; box 1 span, 2 rise; pipe-arch 1 span, 2 rise,
// 3 bottom, 4 top and 5 corner radius. "The rise" below is the diameter of a
// circular barrel.
//
// Nothing here validates input; what would divide by zero or run outside a
// list throws AppError (DivisionByZero, InvalidArgument, SubscriptOutOfRange)
// instead of giving inf or nan, and ends the computation.
class cHec14RipRap {
public:
    // Appends a design flow: return period label, total discharge of all
    // barrels, tailwater depth above the channel bottom, and a riprap size that
    // is kept with the flow but not used (the search chooses the size).
    void AddDesignQTW(const std::string& sRP, double dQ, double dTWD, double D50);
    int NumQs() const { return static_cast<int>(mFlows.size()) - 1; }

    void InletInvertElevation(double value) { mInletInvertElevation = value; }
    double OutletInvertElevation() const { return mOutletInvertElevation; }
    void OutletInvertElevation(double value) { mOutletInvertElevation = value; }
    void CulvertBarrelLength(double value) { mCulvertBarrelLength = value; }
    // The tailwater depths are measured from here.
    void ChannelBottomElevation(double value) { mChannelBottomElevation = value; }
    // Entry of GlobalVariables::GenDesignCulvertTypes, from 1.
    int CulvertType() const { return mCulvertType; }
    void CulvertType(int value) { mCulvertType = value; }
    // Held for the caller: the inlet and Ke do not enter the basin design.
    void InletType(int value) { mInletType = value; }
    void ManningN(double value) { mManningN = value; }
    void Ke(double value) { mKe = value; }
    // 1 when the sizes were typed, 0 when they come from a standard size.
    int StandardUserSizeFlag() const { return mStandardUserSizeFlag; }
    void StandardUserSizeFlag(int value) { mStandardUserSizeFlag = value; }
    // Setting the count empties the size list to n zeros. Throws AppError
    // (InvalidArgument) for a negative count.
    int NumUserSize() const { return static_cast<int>(mUserSizes.size()) - 1; }
    void NumUserSize(int n);
    // Size value i, 1 to NumUserSize; throws AppError (SubscriptOutOfRange) otherwise.
    double UserSize(int i) const;
    void UserSize(int i, double value);
    int UserNumBarrels() const { return mUserNumBarrels; }
    void UserNumBarrels(int value) { mUserNumBarrels = value; }
    int StandardSizeNum() const { return mStandardSizeNum; }
    void StandardSizeNum(int value) { mStandardSizeNum = value; }

    // The barrel shape of the culvert type CulvertType in the global catalogue,
    // and the barrel slope. Throws AppError: SubscriptOutOfRange for a type
    // outside the catalogue, DivisionByZero for a barrel length of 0.
    void DoPreCalcs();
    // The same with the culvert type given explicitly; CulvertType is not read.
    void DoPreCalcs(const GenDesignCulvertType& type);

    // The brink conditions of design flow QNum for one barrel carrying its
    // share of the discharge: tailwater above the outlet invert, slope class,
    // critical and normal depth, brink depth Yo (from the brink-depth curves
    // for circular and box barrels that are not steep; otherwise from the
    // normal or critical depth, raised to the tailwater), flow area, velocity,
    // equivalent depth Ye (Yo for a box, sqrt(A / 2) otherwise) and Froude
    // number with g = 32.2 ft/s^2.
    //
    // Throws AppError: SubscriptOutOfRange for QNum outside 1 to NumQs or a
    // size the shape needs beyond NumUserSize; InvalidArgument for fewer than
    // one barrel or a shape other than 1 to 3; DivisionByZero for a brink
    // depth or brink flow area of 0 (a very small discharge without
    // tailwater); and whatever the section routines throw for sizes that form
    // no barrel.
    void DesignQCompute1(int QNum);

    // The riprap size search (Hec14RiprapSizeSearch::ComputeD50) for the
    // brink conditions DesignQCompute1 left, with the culvert width
    // UserSize(1) x UserNumBarrels. Its outcome says whether a size was
    // chosen and holds its messages in the order they are shown.
    RiprapSizeOutcome DesignQComputeD50();

    // Brink results of the design flow last computed.
    double EffectTW() const { return mEffectTW; }
    const std::string& strHydraulicSlope() const { return mStrHydraulicSlope; }
    const std::string& strNormalDepth() const { return mStrNormalDepth; }
    double CriticalDepth() const { return mCriticalDepth; }
    double Yo() const { return mYo; }
    double RatioTwYo() const { return mRatioTwYo; }
    double BrinkFlowArea() const { return mBrinkFlowArea; }
    double Vo() const { return mVo; }
    double Ye() const { return mYe; }
    double FrNum() const { return mFrNum; }

    // Results of the last size search.
    double D50Sol() const { return mResults.D50Sol; }
    double D50oYe() const { return mResults.D50oYe; }
    const NumberOrText& hsoYe() const { return mResults.hsoYe; }
    const NumberOrText& hs() const { return mResults.hs; }
    const NumberOrText& Ratiohsd50() const { return mResults.Ratiohsd50; }
    const NumberOrText& PoolLs() const { return mResults.PoolLs; }
    const NumberOrText& ApronL() const { return mResults.ApronL; }
    const NumberOrText& BasinLength() const { return mResults.BasinLength; }

private:
    struct DesignFlow {
        std::string ReturnPeriod;
        double Q = 0;
        double TWDepth = 0;
        double D50 = 0;
    };

    std::vector<DesignFlow> mFlows{DesignFlow{}};

    double mInletInvertElevation = 0;
    double mOutletInvertElevation = 0;
    double mCulvertBarrelLength = 0;
    double mChannelBottomElevation = 0;
    int mCulvertType = 0;
    int mInletType = 0;
    double mManningN = 0;
    double mKe = 0;
    int mStandardUserSizeFlag = 0;
    std::vector<double> mUserSizes{0.0};
    int mUserNumBarrels = 0;
    int mStandardSizeNum = 0;

    int mShapeNum = 0;
    double mSlope = 0;       // signed barrel slope
    double mNormalSlope = 0; // the slope of the normal depth; 0 when there is none

    double mEffectTW = 0;
    std::string mStrHydraulicSlope;
    std::string mStrNormalDepth;
    double mCriticalDepth = 0;
    double mYo = 0;
    double mRatioTwYo = 0;
    double mBrinkFlowArea = 0;
    double mVo = 0;
    double mYe = 0;
    double mFrNum = 0;

    RiprapBasinResults mResults;
};
