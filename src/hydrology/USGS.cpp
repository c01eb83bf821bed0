#include "hydrology/USGS.h"

#include "hydrology/HydrologyMath.h"
#include "hydrology/HydrologyTables.h"
#include "platform/AppError.h"
#include "platform/CatalogueDatabase.h"

#include <cmath>

namespace USGS {
namespace {

// Coefficients of smaller magnitude switch their term off.
constexpr double CoefficientThreshold = 1E-05;
// A watershed of a smaller total area has no discharge.
constexpr double MinimumTotalDA = 1E-05;

std::vector<USGSEquation> Equations(1);

void ReadReturnPeriods(const CatalogueDatabase& db) {
    auto& periods = GlobalVariables::USGSReturnPeriods;
    Recordset rs = db.OpenTable("TblUSGSRPs");
    const long count = rs.RecordCount();
    periods.assign(static_cast<std::size_t>(count) + 1, 0);
    rs.MoveFirst();
    while (!rs.Eof()) {
        const std::int32_t entry = rs.Int32("ArrayNum");
        if (entry < 0 || entry > count) {
            rs.Reject("ArrayNum",
                      "is outside 0 to " + std::to_string(count) + ": " + std::to_string(entry));
        }
        periods[static_cast<std::size_t>(entry)] = rs.Int32("ReturnPeriod");
        rs.MoveNext();
    }
}

std::int32_t UseTerm(double coefficient) {
    return std::fabs(coefficient) < CoefficientThreshold ? 0 : 1;
}

void ReadEquations(const CatalogueDatabase& db) {
    Recordset rs = db.OpenTable("TblUSGSEq");
    ReadWholeTable(rs, Equations, [](Recordset& row, USGSEquation& eq) {
        eq.Region = row.Int32("Region");
        eq.EqNum = row.Int32("EqNum");
        eq.ReturnPeriod = row.Int32("ReturnPeriod");
        eq.K1 = row.Double("K1");
        eq.CDA = row.Double("CDA");
        eq.CMCS = row.Double("CMCS");
        eq.CORL = row.Double("CORL");
        eq.EYR = row.Double("EYR");
        eq.UseCMCS = UseTerm(eq.CMCS);
        eq.UseCORL = UseTerm(eq.CORL);
    });
}

// The tables as before any load: no return periods, no equations.
void ClearUSGSTables() {
    GlobalVariables::USGSReturnPeriods.assign(1, 0);
    Equations.assign(1, USGSEquation());
}

void ReadUSGSTables() {
    const CatalogueDatabase db;
    ReadReturnPeriods(db);
    ReadEquations(db);
}

} // namespace

void InitializeUSGS() {
    LoadUSGSTables();
}

void LoadUSGSTables() {
    try {
        ReadUSGSTables();
    } catch (...) {
        // No return periods without the equations that give their discharges.
        ClearUSGSTables();
        throw;
    }
}

const std::vector<USGSEquation>& USGSEquations() {
    return Equations;
}

double ComputeRegionQ(std::int32_t region, std::int32_t eqNum, std::int32_t returnPeriod, double DA,
                      double MCS, double ORLFraction) {
    constexpr const char* what = "the USGS 2001 regression";
    for (std::size_t k = 1; k < Equations.size(); ++k) {
        const USGSEquation& eq = Equations[k];
        if (eq.Region != region || eq.EqNum != eqNum || eq.ReturnPeriod != returnPeriod) {
            continue;
        }
        double Q = HydrologyMath::Product(eq.K1, HydrologyMath::Power(DA, eq.CDA, what), what);
        if (eq.UseCMCS == 1) {
            Q = HydrologyMath::Product(HydrologyMath::Power(MCS, eq.CMCS, what), Q, what);
        }
        if (eq.UseCORL == 1) {
            Q = HydrologyMath::Product(HydrologyMath::Power(ORLFraction + 1, eq.CORL, what), Q,
                                       what);
        }
        return Q;
    }
    return 0;
}

void ComputeUSGSDesignQs(USGSWatershedRecord& record) {
    const std::int32_t n = GlobalVariables::NumUSGSReturnPeriods();
    record.DesignQs.assign(static_cast<std::size_t>(n) + 1, 0.0);
    record.TotalDA = record.RegionDA[1] + record.RegionDA[2] + record.RegionDA[3];
    if (record.TotalDA < MinimumTotalDA) {
        return;
    }
    for (std::size_t r = 1; r <= 3; ++r) {
        record.RegionFraction[r] = record.RegionDA[r] / record.TotalDA;
        record.RegionEqNum[r] = 1;
    }
    record.ORLFraction = record.ORLArea / record.TotalDA;
    if (record.MCSGiven == 1) {
        record.RegionEqNum[3] = 2;
        if (record.ORLGiven == 1) {
            record.RegionEqNum[2] = 2;
        }
    }
    for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i) {
        double sum = 0;
        for (std::size_t r = 1; r <= 3; ++r) {
            const double Q = ComputeRegionQ(static_cast<std::int32_t>(r), record.RegionEqNum[r],
                                            GlobalVariables::USGSReturnPeriods[i], record.TotalDA,
                                            record.MCS, record.ORLFraction);
            sum = CheckFinite(sum + Q * record.RegionFraction[r], "the USGS 2001 regression");
        }
        record.DesignQs[i] = sum;
    }
}

} // namespace USGS
