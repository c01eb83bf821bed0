#include "inlets/DropInletMod.h"

#include "platform/CatalogueDatabase.h"

#include <functional>

namespace DropInletMod {

DropInletParameters Parameters;

namespace {

// One key of the query: its preset, if it has one, then the first row's fields.
struct Key {
    const char* name;
    std::function<void()> preset;
    std::function<void(const Recordset&)> read;
};

std::function<void(const Recordset&)> ReadDouble(double& value) {
    return [&value](const Recordset& row) { value = row.Double("Value1"); };
}

std::function<void(const Recordset&)> ReadInteger(int& value) {
    return [&value](const Recordset& row) { value = row.Int32("Value1"); };
}

std::function<void(const Recordset&)> ReadCoefficients(InletCoeffSet& set) {
    return [&set](const Recordset& row) {
        set.K = row.Double("Value1");
        set.M = row.Double("Value2");
        set.c = row.Double("Value3");
        set.Y = row.Double("Value4");
        set.UnSubEqNum = row.Int32("Value5");
    };
}

template <class T> std::function<void()> Preset(T& value, T preset) {
    return [&value, preset] { value = preset; };
}

} // namespace

void ReadDropInletParameters() {
    DropInletParameters& p = Parameters;
    const Key keys[] = {
        {"WeirCoefficient", Preset(p.WeirCoefficient, -1.0), ReadDouble(p.WeirCoefficient)},
        {"WeirHPowCoeff", Preset(p.WeirHPowCoeff, -1.0), ReadDouble(p.WeirHPowCoeff)},
        {"ManningNReinforcedConcrete", Preset(p.ManningNReinforcedConcrete, -1.0),
         ReadDouble(p.ManningNReinforcedConcrete)},
        {"EntranceLossCoefficient", Preset(p.EntranceLossCoefficient, -1.0),
         ReadDouble(p.EntranceLossCoefficient)},
        {"BendLossCoefficient", Preset(p.BendLossCoefficient, -1.0),
         ReadDouble(p.BendLossCoefficient)},
        {"ExitLossCoefficient", Preset(p.ExitLossCoefficient, -1.0),
         ReadDouble(p.ExitLossCoefficient)},
        {"NumRCBBarrels", Preset(p.NumRCBBarrels, 0), ReadInteger(p.NumRCBBarrels)},
        {"NumRCPBarrels", Preset(p.NumRCPBarrels, 0), ReadInteger(p.NumRCPBarrels)},
        {"LHWBarrelFraction", {}, ReadDouble(p.LHWBarrelFraction)},
        {"RCBICCoeffs", {}, ReadCoefficients(p.RCBICCoeffs)},
        {"RCPICCoeffs", {}, ReadCoefficients(p.RCPICCoeffs)},
        {"WeirCalcDefaultOption", Preset(p.WeirCalcDefaultOption, 0),
         ReadInteger(p.WeirCalcDefaultOption)},
    };
    const CatalogueDatabase db;
    StoredQuery query = db.Query("DropInletParametersQuery");
    for (const Key& key : keys) {
        if (key.preset) {
            key.preset();
        }
        query.SetParameter("Parm", std::string(key.name));
        Recordset rs = query.Open();
        ReadFirstRow(rs, key.read);
    }
}

int GetWeirCalcDefaultOption() {
    return Parameters.WeirCalcDefaultOption;
}

} // namespace DropInletMod
