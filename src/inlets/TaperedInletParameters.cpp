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

    StoredQuery parameters = db.Query("TblTaperInletParametersQuery");
    auto read = [&parameters](const char* key, const std::function<void(Recordset&)>& fill) {
        parameters.SetParameter("Parm", std::string(key));
        Recordset rs = parameters.Open();
        ReadFirstRow(rs, fill);
    };
    read("ManningN",
         [](Recordset& row) { TaperedInletParameters.ManningN = row.Double("Value1"); });
    read("BarrelDepthFrac",
         [](Recordset& row) { TaperedInletParameters.BarrelDepthFrac = row.Double("Value1"); });
    read("CritDepthFrac",
         [](Recordset& row) { TaperedInletParameters.CritDepthFrac = row.Double("Value1"); });
    read("TwinLFactor",
         [](Recordset& row) { TaperedInletParameters.TwinLFactor = row.Double("Value1"); });
    read("MaxNumBarrels",
         [](Recordset& row) { TaperedInletParameters.MaxNumBarrels = row.Int32("Value1"); });
    read("RCBICCoeffs", [](Recordset& row) {
        TaperedInletParameters.RCBICCoeffs.K = row.Double("Value1");
        TaperedInletParameters.RCBICCoeffs.M = row.Double("Value2");
        TaperedInletParameters.RCBICCoeffs.c = row.Double("Value3");
        TaperedInletParameters.RCBICCoeffs.Y = row.Double("Value4");
        TaperedInletParameters.RCBICCoeffs.UnSubEqNum = row.Int32("Value5");
    });
}

} // namespace TaperedInletDesignMod
