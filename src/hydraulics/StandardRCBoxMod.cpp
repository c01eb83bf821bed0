#include "hydraulics/StandardRCBoxMod.h"

#include "hydraulics/CatalogueTables.h"
#include "hydraulics/InletControlMod.h"
#include "hydraulics/StandardFamily.h"
#include "platform/CatalogueDatabase.h"
#include "platform/Numbers.h"

namespace StandardRCBoxMod {

InletCoeffSet RCBInletCoeffs;

void LoadStandardRCBoxSizes() {
    ReadStandardRCBoxSizes();
}

void ReadStandardRCBoxSizes() {
    const CatalogueDatabase db;
    StandardFamily::ReadInletCoeffs(db, "RCBInletParameters", RCBInletCoeffs);
    Recordset rs = db.OpenTable("VSHAStandardRCBoxSizes");
    ReadWholeTable(rs, GlobalVariables::StdRCBoxSizes, [](Recordset& row, StdRCBoxSize& size) {
        size.IDNum = row.Int32("IDNum");
        size.WidthFt = row.Double("Widthft");
        size.HeightFt = row.Double("Heightft");
        size.NumBarrels = row.Int32("NumberOfBarrels");
        size.WidthIn = size.WidthFt * 12;
        size.WidthFtText = Numbers::GeneralText(size.WidthFt);
        size.WidthInText = Numbers::GeneralText(size.WidthIn);
        size.HeightIn = size.HeightFt * 12;
        size.HeightFtText = Numbers::GeneralText(size.HeightFt);
        size.HeightInText = Numbers::GeneralText(size.HeightIn);
    });
}

void ComputeStandardRCBoxDesigns(const StdDesignInput& input,
                                 StdDesignResults<StdBoxDesignRow>& results) {
    const auto& sizes = GlobalVariables::StdRCBoxSizes;
    const std::size_t n = UpperBound(sizes);
    StandardFamily::StartResults(input, results, n);
    const InletCoeffSet& k = RCBInletCoeffs;
    for (std::size_t i = 1; i <= n; ++i) {
        const StdRCBoxSize& size = sizes[i];
        StdBoxDesignRow& row = results.Rows[i];
        row.NumBarrels = size.NumBarrels;
        row.QBarrel = StandardFamily::DischargePerBarrel(results.Q, size.NumBarrels);
        row.WidthInText = size.WidthInText;
        row.WidthIn = size.WidthIn;
        row.WidthFtText = size.WidthFtText;
        row.WidthFt = size.WidthFt;
        row.HeightInText = size.HeightInText;
        row.HeightIn = size.HeightIn;
        row.HeightFtText = size.HeightFtText;
        row.HeightFt = size.HeightFt;
        row.HWD = InletControlMod::ComputeBoxInletControlHWRatio(
            row.QBarrel, row.WidthFt, row.HeightFt, results.Slope, k.UnSubEqNum, k.K, k.M, k.c, k.Y,
            StandardFamily::NotMitered);
        StandardFamily::SetHeads(row, row.HeightFt, results.InletInvertElev);
    }
}

} // namespace StandardRCBoxMod
