#pragma once

#include "CatalogueFixture.h"
#include "hydraulics/StandardCorrMetalPipeMod.h"
#include "hydraulics/StandardPipeMod.h"
#include "hydraulics/StandardRCArchPipe.h"
#include "hydraulics/StandardRCBoxMod.h"
#include "hydraulics/StandardSteelPipeArchMod.h"

#include <string>

// The five standard size tables of a small hand-made catalogue, loaded into
// the program's tables for as long as it lives (the shipped tables come back
// with the next load).
//
// Every family takes form 2 with K 1 and M 1, so that an unsubmerged barrel
// (x = Q / (A D^0.5) up to 3.5) has HW/D = x and H = D (x - 1), which the tests
// work by hand. Submerged (x from 4): HW/D = 0.04 x^2 + 0.8.
//
// For Q = 54 ft^3/s:
//   box 6 x 4 ft, one barrel: x = 54 / 24 / 2 = 1.125, H = 4 x 0.125 = 0.5
//     exactly, HWi = 4.5; two barrels (27 each): x = 0.5625, H = -1.75, HWi
//     2.25; three (18): x = 0.375, H = -2.5, HWi 1.5; four (13.5): x = 0.28125,
//     H = -2.875, HWi 1.125;
//   box 8 x 4, one barrel: x = 54 / 32 / 2 = 0.84375, H = -0.625, HWi 3.375;
//   box 5 x 4, one barrel: x = 54 / 20 / 2 = 1.35, H = 1.4, HWi 5.4;
//   pipe 48 in (D = 4, A = 4 pi), one barrel: x = 6.75 / pi = 2.14859, H = 4.59437;
//     two barrels: x = 3.375 / pi = 1.074296, H = 0.297183, HWi 4.297183;
//   pipe 36 in (D = 3, A = 2.25 pi): x = 54 / (2.25 pi sqrt 3) = 4.41063,
//     submerged HW/D = 0.04 x^2 + 0.8 = 1.578147, H = 1.734440;
//   metal pipe 60 in (D = 5, A = 6.25 pi): x = 54 / (6.25 pi sqrt 5) = 1.229926,
//     H = 1.149628.
// (python3: x = Q / (pi D^2 / 4) / sqrt(D); H = D x - D.)
inline const std::string kStandardDesignsSql = R"sql(
CREATE TABLE StoredQueries (Name TEXT PRIMARY KEY, Sql TEXT);
CREATE TABLE Params (Parm, Value1, Value2, Value3, Value4, Value5);
INSERT INTO Params VALUES
    ('RCPInletParameters', 1, 1, 0.04, 0.8, 2),
    ('RCBInletParameters', 1, 1, 0.04, 0.8, 2),
    ('CMPInletParameters', 1, 1, 0.04, 0.8, 2),
    ('PACInletParameters', 1, 1, 0.04, 0.8, 2),
    ('SPAInletParameters', 1, 1, 0.04, 0.8, 2);
INSERT INTO StoredQueries VALUES ('TblVKStandardDesignParametersQuery',
    'SELECT Value1, Value2, Value3, Value4, Value5 FROM Params WHERE Parm = :Parm ORDER BY rowid');

CREATE TABLE VSHAStandardConcPipeSizes (IDNum, PipeSizeInches, NumberofBarrels);
INSERT INTO VSHAStandardConcPipeSizes VALUES (1048, 48, 1), (2048, 48, 2), (1036, 36, 1);

CREATE TABLE VSHAStandardCorrMetalPipeSizes (IDNum, PipeSizeInches, NumberofBarrels);
INSERT INTO VSHAStandardCorrMetalPipeSizes VALUES (1060, 60, 1);

CREATE TABLE VSHAStandardRCBoxSizes (IDNum, Widthft, Heightft, NumberOfBarrels);
INSERT INTO VSHAStandardRCBoxSizes VALUES
    (10604, 6, 4, 1), (20604, 6, 4, 2), (30604, 6, 4, 3), (40604, 6, 4, 4),
    (10804, 8, 4, 1), (10504, 5, 4, 1);

CREATE TABLE TblVSHAPipeArch (VSHAPArchIDNum, SpanTxtIn, RiseTxtIn, SpanIn, RiseIn, BRIn, CRIn,
    TRIn, NumBarrels);
INSERT INTO TblVSHAPipeArch VALUES (110, '73', '45', 73, 45, 105, 11.22, 37.5, 1);

CREATE TABLE TblVSHASteelPipeArch (IDSteelPipeArch, SpanTxtIn, RiseTxtIn, SpanIn, RiseIn, BRIn,
    CRIn, TRIn, NumBarrels);
INSERT INTO TblVSHASteelPipeArch VALUES (101, '60', '45', 60, 45, 84, 18, 31, 1);
)sql";

// The fixture's tables, loaded; `moreSql` changes the catalogue first.
class StandardSizesFixture {
public:
    explicit StandardSizesFixture(const std::string& moreSql = "")
        : catalogue_(kStandardDesignsSql + moreSql) {
        StandardPipeMod::LoadStandardConcPipeSizes();
        StandardRCBoxMod::LoadStandardRCBoxSizes();
        StandardCorrMetalPipeMod::LoadStandardCMPSizes();
        StandardRCArchPipe::LoadStandardRCArchPipeSizes();
        StandardSteelPipeArchMod::LoadStandardSteelPipeArchSizes();
    }

private:
    CatalogueFixture catalogue_;
};
