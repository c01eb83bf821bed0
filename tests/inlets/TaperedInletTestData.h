#pragma once

#include "../support/CatalogueFixture.h"
#include "inlets/TaperedInletDesignRecords.h"
#include "platform/Numbers.h"

#include <string>
#include <vector>

// A small catalogue with the tables and stored queries of the tapered inlet:
// boxes 4 rise, 5 to 8 ft single and 7.5 and 12 ft single and twin; the
// barrel query as shipped; parameters and (Z, L) pairs that tests append.
inline const std::string kTaperedInletSql = R"sql(
CREATE TABLE StoredQueries (Name TEXT PRIMARY KEY, Sql TEXT);
CREATE TABLE VSHAStandardRCBoxSizes (IDNum, Widthft, Heightft, NumberOfBarrels);
INSERT INTO VSHAStandardRCBoxSizes VALUES
    (10504, 5, 4, 1), (10604, 6, 4, 1), (10704, 7, 4, 1), (10804, 8, 4, 1),
    (17504, 7.5, 4, 1), (11204, 12, 4, 1), (27504, 7.5, 4, 2), (21204, 12, 4, 2);
INSERT INTO StoredQueries VALUES ('TaperedInletBarrelQuery',
    'SELECT Widthft, Heightft, NumberOfBarrels
       FROM VSHAStandardRCBoxSizes
      WHERE Heightft = CAST(:Height AS REAL)
        AND NumberOfBarrels = :nBarrels
        AND Widthft < CAST(:Width AS REAL)
        AND Widthft >= :LWidth
      ORDER BY rowid');
CREATE TABLE Parameters (Parm, Value1, Value2, Value3, Value4, Value5);
INSERT INTO StoredQueries VALUES ('TblTaperInletParametersQuery',
    'SELECT Value1, Value2, Value3, Value4, Value5 FROM Parameters WHERE Parm = :Parm
      ORDER BY rowid');
CREATE TABLE Pairs (NumBarrels, ZValueFt, LValueFt);
INSERT INTO StoredQueries VALUES ('TblTaperedInletZLQuery',
    'SELECT ZValueFt, LValueFt FROM Pairs WHERE NumBarrels = :NumBarrels ORDER BY rowid');
)sql";

// A standard box as the size loader makes it.
inline StdRCBoxSize Box(double width, double height, int barrels) {
    StdRCBoxSize box;
    box.WidthFt = width;
    box.HeightFt = height;
    box.NumBarrels = barrels;
    box.WidthFtText = Numbers::GeneralText(width);
    box.HeightFtText = Numbers::GeneralText(height);
    return box;
}

inline std::vector<StdRCBoxSize> Boxes(std::vector<StdRCBoxSize> rows) {
    rows.insert(rows.begin(), StdRCBoxSize{});
    return rows;
}

// The shipped sample parameters: n 0.012, fractions 0.9, twin factor 2, at
// most twin barrels, the slope-tapered face of HDS-5 chart 59 (form 2, K 0.50,
// M 0.667, c 0.0378, Y 0.71).
inline TaperedInletParameterSet SampleParameters() {
    TaperedInletParameterSet p;
    p.MaxNumBarrels = 2;
    p.ManningN = 0.012;
    p.BarrelDepthFrac = 0.9;
    p.CritDepthFrac = 0.9;
    p.TwinLFactor = 2;
    p.RCBICCoeffs.K = 0.50;
    p.RCBICCoeffs.M = 0.667;
    p.RCBICCoeffs.c = 0.0378;
    p.RCBICCoeffs.Y = 0.71;
    p.RCBICCoeffs.UnSubEqNum = 2;
    return p;
}

// The same pairs for one and two barrels.
inline TaperedInletZLLists Pairs(const std::vector<TaperedInletZLPair>& pairs) {
    TaperedInletZLLists table;
    for (int nb = 1; nb <= MaxZLBarrels; ++nb) {
        table[static_cast<std::size_t>(nb)].Pairs.insert(
            table[static_cast<std::size_t>(nb)].Pairs.end(), pairs.begin(), pairs.end());
    }
    return table;
}
