#include "hydraulics/StandardFamily.h"

#include "hydraulics/CatalogueTables.h"
#include "hydraulics/InletControlMod.h"
#include "platform/AppError.h"
#include "platform/CatalogueDatabase.h"
#include "platform/Numbers.h"

namespace StandardFamily {

void ReadInletCoeffs(const CatalogueDatabase& db, const std::string& key, InletCoeffSet& set) {
    StoredQuery query = db.Query("TblVKStandardDesignParametersQuery");
    query.SetParameter("Parm", key);
    Recordset rs = query.Open();
    ReadFirstRow(rs, [&set](Recordset& row) {
        set.K = row.Double("Value1");
        set.M = row.Double("Value2");
        set.c = row.Double("Value3");
        set.Y = row.Double("Value4");
        set.UnSubEqNum = row.Int32("Value5");
    });
}

void ReadPipeSizes(const CatalogueDatabase& db, const std::string& table,
                   std::vector<StdPipeSize>& sizes) {
    Recordset rs = db.OpenTable(table);
    ReadWholeTable(rs, sizes, [](Recordset& row, StdPipeSize& size) {
        size.IDNum = row.Int32("IDNum");
        size.DiameterIn = row.Double("PipeSizeInches");
        size.NumBarrels = row.Int32("NumberofBarrels");
        size.DiameterText = Numbers::GeneralText(size.DiameterIn);
        size.DiameterFt = size.DiameterIn / 12;
        size.DiameterFtText = Numbers::GeneralText(size.DiameterFt);
    });
}

void ReadPipeArchSizes(const CatalogueDatabase& db, const std::string& table,
                       const std::string& idField, std::vector<StdPipeArchSize>& sizes) {
    Recordset rs = db.OpenTable(table);
    ReadWholeTable(rs, sizes, [&idField](Recordset& row, StdPipeArchSize& size) {
        size.ID = row.Int32(idField);
        size.NumBarrels = row.Int32("NumBarrels");
        size.SpanText = row.Text("SpanTxtIn");
        size.RiseText = row.Text("RiseTxtIn");
        size.SpanIn = row.Double("SpanIn");
        size.RiseIn = row.Double("RiseIn");
        size.BRIn = row.Double("BRIn");
        size.CRIn = row.Double("CRIn");
        size.TRIn = row.Double("TRIn");
        size.SpanFt = size.SpanIn / 12.0;
        size.RiseFt = size.RiseIn / 12.0;
        size.BRFt = size.BRIn / 12.0;
        size.CRFt = size.CRIn / 12.0;
        size.TRFt = size.TRIn / 12.0;
    });
}

double DischargePerBarrel(double Q, int barrels) {
    if (barrels == 0) {
        throw AppError(ErrorNumber::DivisionByZero, "Division by zero");
    }
    return Q / barrels;
}

void ComputePipeDesigns(const std::vector<StdPipeSize>& sizes, const InletCoeffSet& coeffs,
                        const StdDesignInput& input, StdDesignResults<StdPipeDesignRow>& results) {
    const std::size_t n = UpperBound(sizes);
    StartResults(input, results, n);
    for (std::size_t i = 1; i <= n; ++i) {
        const StdPipeSize& size = sizes[i];
        StdPipeDesignRow& row = results.Rows[i];
        row.NumBarrels = size.NumBarrels;
        row.QBarrel = DischargePerBarrel(results.Q, size.NumBarrels);
        row.DiameterText = size.DiameterText;
        row.DiameterIn = size.DiameterIn;
        row.DiameterFtText = size.DiameterFtText;
        row.DiameterFt = size.DiameterFt;
        row.HWD = InletControlMod::ComputeCircInletControlHWRatio(
            row.QBarrel, row.DiameterFt, results.Slope, coeffs.UnSubEqNum, coeffs.K, coeffs.M,
            coeffs.c, coeffs.Y, NotMitered);
        SetHeads(row, row.DiameterFt, results.InletInvertElev);
    }
}

void ComputePipeArchDesigns(const std::vector<StdPipeArchSize>& sizes, const InletCoeffSet& coeffs,
                            const StdDesignInput& input,
                            StdDesignResults<StdArchDesignRow>& results) {
    const std::size_t n = UpperBound(sizes);
    StartResults(input, results, n);
    for (std::size_t i = 1; i <= n; ++i) {
        const StdPipeArchSize& size = sizes[i];
        StdArchDesignRow& row = results.Rows[i];
        row.NumBarrels = size.NumBarrels;
        row.QBarrel = DischargePerBarrel(results.Q, size.NumBarrels);
        row.SpanText = size.SpanText;
        row.RiseText = size.RiseText;
        row.SpanFt = size.SpanFt;
        row.RiseFt = size.RiseFt;
        row.BRFt = size.BRFt;
        row.TRFt = size.TRFt;
        row.CRFt = size.CRFt;
        row.HWD = InletControlMod::ComputePipeArchInletControlHWRatio(
            row.QBarrel, row.SpanFt, row.RiseFt, row.BRFt, row.TRFt, row.CRFt, results.Slope,
            coeffs.UnSubEqNum, coeffs.K, coeffs.M, coeffs.c, coeffs.Y, NotMitered);
        SetHeads(row, row.RiseFt, results.InletInvertElev);
    }
}

} // namespace StandardFamily
