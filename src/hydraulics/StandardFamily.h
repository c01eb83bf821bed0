#pragma once

#include "hydraulics/StandardSizeRecords.h"

#include <string>
#include <vector>

class CatalogueDatabase;

// What the five standard barrel families have in common: reading their
// inlet-control constants and size tables from the catalogue, and evaluating
// every size of a family by inlet control for one discharge. A multi-barrel
// row is one barrel carrying its share of the discharge; every inlet is taken
// as not mitered.
namespace StandardFamily {

// The mitered flag handed to inlet control for every standard design.
inline constexpr int NotMitered = 0;

// The first row of TblVKStandardDesignParametersQuery for the key (Value1 K,
// Value2 M, Value3 c, Value4 Y, Value5 the form); no row leaves the set as it was.
void ReadInletCoeffs(const CatalogueDatabase& db, const std::string& key, InletCoeffSet& set);

// A concrete or corrugated metal pipe table (IDNum, PipeSizeInches, NumberofBarrels).
void ReadPipeSizes(const CatalogueDatabase& db, const std::string& table,
                   std::vector<StdPipeSize>& sizes);

// A pipe-arch table (its identifier field, SpanTxtIn, RiseTxtIn, SpanIn, RiseIn,
// BRIn, CRIn, TRIn, NumBarrels).
void ReadPipeArchSizes(const CatalogueDatabase& db, const std::string& table,
                       const std::string& idField, std::vector<StdPipeArchSize>& sizes);

// The discharge of one barrel; a barrel count of 0 is a division by zero.
double DischargePerBarrel(double Q, int barrels);

// Copies the input into the results and gives them a fresh row for each of the
// n sizes, entry 0 empty.
template <class Row>
void StartResults(const StdDesignInput& input, StdDesignResults<Row>& results, std::size_t n) {
    results.Q = input.Q;
    results.Slope = input.Slope;
    results.HMin = input.HMin;
    results.HMax = input.HMax;
    results.InletInvertElev = input.InletInvertElev;
    results.Rows.assign(n + 1, Row{});
}

// The heads of a row from its HW/D and the barrel's rise.
template <class Row> void SetHeads(Row& row, double rise, double inletInvertElev) {
    row.HWi = rise * row.HWD;
    row.H = rise * row.HWD - rise;
    row.HWiElev = row.HWi + inletInvertElev;
}

void ComputePipeDesigns(const std::vector<StdPipeSize>& sizes, const InletCoeffSet& coeffs,
                        const StdDesignInput& input, StdDesignResults<StdPipeDesignRow>& results);

void ComputePipeArchDesigns(const std::vector<StdPipeArchSize>& sizes, const InletCoeffSet& coeffs,
                            const StdDesignInput& input,
                            StdDesignResults<StdArchDesignRow>& results);

} // namespace StandardFamily
