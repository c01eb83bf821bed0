#pragma once

#include "../support/CatalogueFixture.h"

#include <string>

// A small catalogue with every table and stored query the culvert loaders
// read. Tests append SQL of their own to change it.
//
// Types, in offer order: 7 RCP (circular, concrete pipe sizes, inches, no
// note), 3 RCB (box, box sizes, feet, empty note), 9 CMP (circular, metal pipe
// sizes), 4 RCAP and 5 CSPA (pipe-arch), 6 BOX3 (box sizes in an unknown unit),
// 8 NONE (no standard sizes). Only RCP and RCB have inlets.
// Family constants: form 2, K 0.5, M 0.5 (HW/D = 0.5 x^0.5 up to x = 3.5) and
// c 0.04, Y 0.8 (HW/D = 0.04 x^2 + 0.8 from x = 4), except CMP with c 0.05,
// Y 0.7; RCP has a second row that must not be read.
inline const std::string kCatalogueSql = R"sql(
CREATE TABLE StoredQueries (Name TEXT PRIMARY KEY, Sql TEXT);

CREATE TABLE Types (IDNum, CulvertShortLabel, CulvertLongLabel, DefaultManningN, ShapeNum,
    VSHAStandardSizeNum, DisplayUnits, NumSizeParameters, UserSizeNotes,
    Size1Text, Size2Text, Size3Text, Size4Text, Size5Text);
INSERT INTO Types VALUES
    (7, 'RCP', 'Concrete Pipe', 0.012, 1, 2, 1, 1, NULL, 'Diameter', NULL, NULL, NULL, NULL),
    (3, 'RCB', 'Concrete Box', 0.013, 2, 1, 2, 2, '', 'Width', 'Height', NULL, NULL, NULL),
    (9, 'CMP', 'Metal Pipe', 0.024, 1, 3, 1, 1, 'Nominal size', 'Diameter', NULL, NULL, NULL, NULL),
    (4, 'RCAP', 'Concrete Arch', 0.012, 3, 4, 1, 5, NULL, 'Span', 'Rise', 'Bottom', 'Top', 'Corner'),
    (5, 'CSPA', 'Steel Arch', 0.024, 3, 5, 1, 5, NULL, 'Span', 'Rise', 'Bottom', 'Top', 'Corner'),
    (6, 'BOX3', 'Box in odd units', 0.012, 2, 1, 3, 2, NULL, 'W', 'H', NULL, NULL, NULL),
    (8, 'NONE', 'Without sizes', 0.02, 1, 0, 1, 1, NULL, 'Diameter', NULL, NULL, NULL, NULL);
INSERT INTO StoredQueries VALUES ('TblGenDesignCulvertTypesQuery',
    'SELECT * FROM Types ORDER BY rowid');

CREATE TABLE Inlets (InletID, CulvertType, Description, UnSubEqNum, K, M, c, Y, MiteredFlag, Ke,
    [HDS5Chart-Scale]);
INSERT INTO Inlets VALUES
    (72, 7, 'Groove end with headwall', 1, .0018, 2.0, .0292, .74, 0, 0.2, 'Chart 1, Scale 2'),
    (71, 7, 'Square edge with headwall', 1, .0098, 2.0, .0398, .67, 0, 0.5, 'Chart 1, Scale 1'),
    (31, 3, '30 to 75 deg wingwall flares', 1, .026, 1.0, .0347, .81, 1, 0.4, 'Chart 8, Scale 1');
INSERT INTO StoredQueries VALUES ('TblGenCulvertInletsQuery',
    'SELECT * FROM Inlets WHERE CulvertType = :CulvertType ORDER BY rowid');

CREATE TABLE Params (Parm, Value1, Value2, Value3, Value4, Value5);
INSERT INTO Params VALUES
    ('RCPInletParameters', 0.5, 0.5, 0.04, 0.8, 2),
    ('RCPInletParameters', 9, 9, 9, 9, 1),
    ('RCBInletParameters', 0.5, 0.5, 0.04, 0.8, 2),
    ('CMPInletParameters', 0.5, 0.5, 0.05, 0.7, 2),
    ('PACInletParameters', 0.5, 0.5, 0.04, 0.8, 2),
    ('SPAInletParameters', 0.5, 0.5, 0.04, 0.8, 2);
INSERT INTO StoredQueries VALUES ('TblVKStandardDesignParametersQuery',
    'SELECT Value1, Value2, Value3, Value4, Value5 FROM Params WHERE Parm = :Parm ORDER BY rowid');

CREATE TABLE VSHAStandardConcPipeSizes (IDNum, PipeSizeInches, NumberofBarrels);
INSERT INTO VSHAStandardConcPipeSizes VALUES (1048, 48, 1), (2048, 48, 2), (1015, 15, 1);

CREATE TABLE VSHAStandardCorrMetalPipeSizes (IDNum, PipeSizeInches, NumberofBarrels);
INSERT INTO VSHAStandardCorrMetalPipeSizes VALUES (1048, 48, 1), (3036, 36, 3), (1012, 12, 1);

CREATE TABLE VSHAStandardRCBoxSizes (IDNum, Widthft, Heightft, NumberOfBarrels);
INSERT INTO VSHAStandardRCBoxSizes VALUES (20604, 6, 4, 2), (10604, 6, 4, 1), (40302, 3, 2, 4);

CREATE TABLE TblVSHAPipeArch (VSHAPArchIDNum, SpanTxtIn, RiseTxtIn, SpanIn, RiseIn, BRIn, CRIn,
    TRIn, NumBarrels);
INSERT INTO TblVSHAPipeArch VALUES
    (110, '73', '45', 73, 45, 105, 11.22, 37.5, 1),
    (202, '22', '13.5', 22.5, 13.5, 27.5, 5.25, 13.75, 2);

CREATE TABLE TblVSHASteelPipeArch (IDSteelPipeArch, SpanTxtIn, RiseTxtIn, SpanIn, RiseIn, BRIn,
    CRIn, TRIn, NumBarrels);
INSERT INTO TblVSHASteelPipeArch VALUES
    (101, '60', '45', 60, 45, 84, 18, 31, 1);
)sql";
