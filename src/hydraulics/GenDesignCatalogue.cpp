#include "hydraulics/GenDesignCatalogue.h"

#include "hydraulics/CatalogueTables.h"
#include "platform/CatalogueDatabase.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <utility>

namespace GenDesign {
namespace {

constexpr int MaxSizeParameters = 5;

void ReadType(Recordset& rs, GenDesignCulvertType& type) {
    type.Inlets.assign(1, GenCulvertInlet{});
    type.IDNum = rs.Int32("IDNum");
    type.ShortLabel = rs.Text("CulvertShortLabel");
    type.LongLabel = rs.Text("CulvertLongLabel");
    type.DefaultManningN = rs.Double("DefaultManningN");
    type.ShapeNum = rs.Int32("ShapeNum");
    type.StandardSizeNum = rs.Int32("VSHAStandardSizeNum");
    type.DisplayUnits = rs.Int32("DisplayUnits");
    type.ComboText = type.ShortLabel + ": " + type.LongLabel;
    type.NumSizeParameters = rs.Int32("NumSizeParameters");
    // The note is shown after its caption, so it always ends in a blank.
    type.UserSizeNotes = rs.TextOrEmpty("UserSizeNotes") + " ";
    if (type.NumSizeParameters < 0) {
        rs.Reject("NumSizeParameters", "is below 0: " + std::to_string(type.NumSizeParameters));
    }
    type.SizeTexts.assign(static_cast<std::size_t>(type.NumSizeParameters) + 1, std::string());
    for (int k = 1; k <= MaxSizeParameters && k <= type.NumSizeParameters; ++k) {
        type.SizeTexts[static_cast<std::size_t>(k)] = rs.Text("Size" + std::to_string(k) + "Text");
    }
}

void ReadInlet(Recordset& rs, GenCulvertInlet& inlet) {
    inlet.InletID = rs.Int32("InletID");
    inlet.Description = rs.Text("Description");
    inlet.UnSubEqNum = rs.Int32("UnSubEqNum");
    inlet.K = rs.Double("K");
    inlet.M = rs.Double("M");
    inlet.c = rs.Double("c");
    inlet.Y = rs.Double("Y");
    inlet.MiteredFlag = rs.Int32("MiteredFlag");
    inlet.Ke = rs.Double("Ke");
    // The chart and scale go with every inlet row, but no window shows them.
    static_cast<void>(rs.Text("HDS5Chart-Scale"));
}

// The size numbers of a label in the display unit: inches (1) or feet (2).
std::pair<double, double> InDisplayUnits(double aIn, double bIn, double aFt, double bFt,
                                         int units) {
    switch (units) {
    case 1:
        return {aIn, bIn};
    case 2:
        return {aFt, bFt};
    default:
        return {0, 0};
    }
}

// One family row as a standard size of the type. sizesFt are the row's size
// values in feet, to stand in SizesFt from entry 1.
void AppendStandardSize(GenDesignCulvertType& type, int id, const std::vector<double>& sizesFt,
                        int barrels, double aIn, double bIn, double aFt, double bFt) {
    if (static_cast<int>(sizesFt.size()) > type.NumSizeParameters) {
        CatalogueFault("culvert type " + std::to_string(type.IDNum) + " (" + type.ShortLabel + ")",
                       "NumSizeParameters " + std::to_string(type.NumSizeParameters) +
                           " leaves no room for the " + std::to_string(sizesFt.size()) +
                           " size values of its standard sizes");
    }
    GenStandardSize& size = type.StdSizes.emplace_back();
    size.StdIDNum = id;
    size.SizesFt.assign(static_cast<std::size_t>(type.NumSizeParameters) + 1, 0.0);
    std::copy(sizesFt.begin(), sizesFt.end(), size.SizesFt.begin() + 1);
    size.NumBarrels = barrels;
    size.Label =
        FormatStandardSizeLabel(aIn, bIn, aFt, bFt, type.ShapeNum, type.DisplayUnits, barrels);
    SetStandardSizeDisplayTexts(aIn, bIn, aFt, bFt, type.ShapeNum, type.DisplayUnits,
                                size.DisplayTexts);
}

void AppendPipeSizes(GenDesignCulvertType& type, const std::vector<StdPipeSize>& family) {
    for (std::size_t j = 1; j <= UpperBound(family); ++j) {
        const StdPipeSize& row = family[j];
        AppendStandardSize(type, row.IDNum, {row.DiameterFt}, row.NumBarrels, row.DiameterIn, 0,
                           row.DiameterFt, 0);
    }
}

void AppendBoxSizes(GenDesignCulvertType& type, const std::vector<StdRCBoxSize>& family) {
    for (std::size_t j = 1; j <= UpperBound(family); ++j) {
        const StdRCBoxSize& row = family[j];
        AppendStandardSize(type, row.IDNum, {row.WidthFt, row.HeightFt}, row.NumBarrels,
                           row.WidthIn, row.HeightIn, row.WidthFt, row.HeightFt);
    }
}

// The labels of an arch show its span and rise texts as they are stored.
double ArchTextNumber(const std::string& text, const std::string& table, int id,
                      const std::string& what) {
    const auto number = Numbers::ParseNumber(text);
    if (!number) {
        CatalogueFault("table '" + table + "'", "size " + std::to_string(id) + ": " + what +
                                                    " text '" + text + "' is not a number");
    }
    return *number;
}

void AppendPipeArchSizes(GenDesignCulvertType& type, const std::vector<StdPipeArchSize>& family,
                         const std::string& table) {
    for (std::size_t j = 1; j <= UpperBound(family); ++j) {
        const StdPipeArchSize& row = family[j];
        AppendStandardSize(type, row.ID, {row.SpanFt, row.RiseFt, row.BRFt, row.TRFt, row.CRFt},
                           row.NumBarrels, ArchTextNumber(row.SpanText, table, row.ID, "span"),
                           ArchTextNumber(row.RiseText, table, row.ID, "rise"), row.SpanFt,
                           row.RiseFt);
    }
}

std::string SizeCaption(int shape) {
    switch (shape) {
    case 1:
        return "Diameter";
    case 2:
        return "Width x Height";
    case 3:
        return "Span x Rise";
    default:
        return {};
    }
}

} // namespace

void LoadGenDesignCulvertTypes() {
    const CatalogueDatabase db;
    auto& types = GlobalVariables::GenDesignCulvertTypes;
    StoredQuery typesQuery = db.Query("TblGenDesignCulvertTypesQuery");
    Recordset typeRows = typesQuery.Open();
    ReadGrowingList(typeRows, types, ReadType);

    StoredQuery inletsQuery = db.Query("TblGenCulvertInletsQuery");
    for (std::size_t i = 1; i <= UpperBound(types); ++i) {
        inletsQuery.SetParameter("CulvertType", types[i].IDNum);
        Recordset inletRows = inletsQuery.Open();
        ReadGrowingList(inletRows, types[i].Inlets, ReadInlet);
    }
}

void BuildStandardSizeLists() {
    auto& types = GlobalVariables::GenDesignCulvertTypes;
    const std::size_t n = UpperBound(types);
    for (std::size_t i = 1; i <= n; ++i) {
        GenDesignCulvertType& type = types[i];
        type.StdSizeCaption = SizeCaption(type.ShapeNum);
        type.StdSizeCaption += " (" + GetUnitsWord(type.DisplayUnits) + ") - Barrels";
    }
    for (std::size_t i = 1; i <= n; ++i) {
        GenDesignCulvertType& type = types[i];
        type.StdSizes.assign(1, GenStandardSize{});
        switch (type.StandardSizeNum) {
        case 1:
            AppendBoxSizes(type, GlobalVariables::StdRCBoxSizes);
            break;
        case 2:
            AppendPipeSizes(type, GlobalVariables::StdConcPipeSizes);
            break;
        case 3:
            AppendPipeSizes(type, GlobalVariables::StdCMPSizes);
            break;
        case 4:
            AppendPipeArchSizes(type, GlobalVariables::StdRCArchPipeSizes, "TblVSHAPipeArch");
            break;
        case 5:
            AppendPipeArchSizes(type, GlobalVariables::StdSteelPipeArchSizes,
                                "TblVSHASteelPipeArch");
            break;
        default:
            break; // a type without standard sizes
        }
    }
}

std::string FormatStandardSizeLabel(double aIn, double bIn, double aFt, double bFt, int shape,
                                    int units, int barrels) {
    const std::string word = GetBarrelCountWord(barrels);
    const std::string unit = GetUnitsWord(units);
    const auto [a, b] = InDisplayUnits(aIn, bIn, aFt, bFt, units);
    switch (shape) {
    case 1:
        return Numbers::GeneralText(a) + " (" + unit + ") - " + word;
    case 2:
    case 3:
        return Numbers::GeneralText(a) + " x " + Numbers::GeneralText(b) + " (" + unit + ") - " +
               word;
    default:
        return " ";
    }
}

void SetStandardSizeDisplayTexts(double aIn, double bIn, double aFt, double bFt, int shape,
                                 int units, std::vector<std::string>& texts) {
    const auto [a, b] = InDisplayUnits(aIn, bIn, aFt, bFt, units);
    switch (shape) {
    case 1:
        texts = {std::string(), Numbers::GeneralText(a)};
        break;
    case 2:
    case 3:
        texts = {std::string(), Numbers::GeneralText(a), Numbers::GeneralText(b)};
        break;
    default:
        break; // left as they were
    }
}

std::string GetBarrelCountWord(int n) {
    switch (n) {
    case 1:
        return "Single";
    case 2:
        return "Twin";
    case 3:
        return "Triple";
    default:
        return " ";
    }
}

std::string GetUnitsWord(int code) {
    switch (code) {
    case 1:
        return "inches";
    case 2:
        return "feet";
    default:
        return {};
    }
}

} // namespace GenDesign
