#include "inlets/TaperedInletDesignMod.h"

#include "platform/CatalogueDatabase.h"

#include <functional>
#include <string>

namespace GlobalVariables {
TaperedInletZLLists TaperedInletZLTable;
} // namespace GlobalVariables

namespace TaperedInletDesignMod {

void ReadTaperedInletParameters() {
    const CatalogueDatabase db;

    TaperedInletZLLists table;
    StoredQuery pairs = db.Query("TblTaperedInletZLQuery");
    for (int nb = 1; nb <= MaxZLBarrels; ++nb) {
        pairs.SetParameter("NumBarrels", nb);
        Recordset rs = pairs.Open();
        ReadGrowingList(rs, table[static_cast<std::size_t>(nb)].Pairs,
                        [](Recordset& row, TaperedInletZLPair& pair) {
                            pair.ZValueFt = row.Double("ZValueFt");
                            pair.LValueFt = row.Double("LValueFt");
                        });
    }
    GlobalVariables::TaperedInletZLTable = table;

    TaperedInletParameterSet& P = TaperedInletParameters;
    StoredQuery parameters = db.Query("TblTaperInletParametersQuery");
    auto read = [&parameters](const char* key, const std::function<void(Recordset&)>& fill) {
        parameters.SetParameter("Parm", std::string(key));
        Recordset rs = parameters.Open();
        ReadFirstRow(rs, fill);
    };
    read("ManningN", [&P](Recordset& row) { P.ManningN = row.Double("Value1"); });
    read("BarrelDepthFrac", [&P](Recordset& row) { P.BarrelDepthFrac = row.Double("Value1"); });
    read("CritDepthFrac", [&P](Recordset& row) { P.CritDepthFrac = row.Double("Value1"); });
    read("TwinLFactor", [&P](Recordset& row) { P.TwinLFactor = row.Double("Value1"); });
    read("MaxNumBarrels", [&P](Recordset& row) { P.MaxNumBarrels = row.Int32("Value1"); });
    read("RCBICCoeffs", [&P](Recordset& row) {
        P.RCBICCoeffs.K = row.Double("Value1");
        P.RCBICCoeffs.M = row.Double("Value2");
        P.RCBICCoeffs.c = row.Double("Value3");
        P.RCBICCoeffs.Y = row.Double("Value4");
        P.RCBICCoeffs.UnSubEqNum = row.Int32("Value5");
    });
}

} // namespace TaperedInletDesignMod
