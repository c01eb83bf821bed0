#include "inlets/TaperedInletResultsTable.h"

#include "hydraulics/GenDesignCatalogue.h"
#include "platform/Numbers.h"

namespace TaperedInletResults {
namespace {

constexpr std::string_view TwoDecimals = "###,###,###,###,##0.00";
constexpr std::string_view OneDecimal = "###,###,###,###,##0.0";
constexpr std::string_view WholeFeet = "###,###,###,###,##0";

void ShowFace(RowTexts& row, const TaperedInletResult& face) {
    row[NumberOfBarrels] = GenDesign::GetBarrelCountWord(face.NumBarrels);
    row[InletWidth] = face.WidthText;
    row[InletHeight] = face.HeightText;
    row[InletH] = Numbers::Format(face.H, TwoDecimals);
}

void ShowBarrel(RowTexts& row, const TaperedInletBarrelOption& barrel) {
    row[BarrelWidth] = Numbers::Format(barrel.Width, OneDecimal);
    row[BarrelHeight] = Numbers::Format(barrel.Height, OneDecimal);
    row[MinimumZ] = Numbers::Format(barrel.MinZ, WholeFeet);
    row[MinimumL] = Numbers::Format(barrel.MinL, WholeFeet);
    row[MinimumSlope] = Numbers::Format(barrel.MinSlopePct, TwoDecimals);
    row[BarrelDepth] = Numbers::Format(barrel.BarrelDepth, TwoDecimals);
}

} // namespace

int BarrelLimit(bool includeMultipleBarrels) {
    return includeMultipleBarrels ? 4 : 1;
}

std::vector<RowTexts> ShownRows(const TaperedInletDesign& design, int barrelLimit) {
    std::vector<RowTexts> rows;
    for (std::size_t i = 1; i < design.Results.size(); ++i) {
        const TaperedInletResult& face = design.Results[i];
        if (face.ZLFound != 1 || face.NumBarrels > barrelLimit) {
            continue;
        }
        for (std::size_t j = 1; j < face.Barrels.size(); ++j) {
            if (face.Barrels[j].ZLFound != 1) {
                continue;
            }
            RowTexts& row = rows.emplace_back();
            ShowFace(row, face);
            ShowBarrel(row, face.Barrels[j]);
        }
        rows.emplace_back();
    }
    if (rows.empty()) {
        rows.emplace_back()[NumberOfBarrels] = "NONE";
    }
    return rows;
}

} // namespace TaperedInletResults
