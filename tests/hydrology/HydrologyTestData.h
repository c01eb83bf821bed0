#pragma once

#include "../support/CatalogueFixture.h"

#include "platform/AppError.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

// Small catalogues with every table and stored query the hydrology loaders
// read, with numbers chosen for hand calculation. Tests append SQL of their
// own to change them.

// Runoff chart. Bands: 10 to 100 acres Q = 2 A, 100 to 400 acres Q = 30 A^0.5;
// the bands do not meet (200 and 300 ft^3/s at 100 acres), so a boundary
// shows which band it takes. The input bounds, 10 and 500 acres, reach past
// the band table. Return periods in delivery order: 10 (FF 1), 2 (FF 0.5),
// 100 (FF 2). Classes are stored out of ArrayNum order with blanks around
// them; factors: (1,1) 0.3, (1,2) 0.5, (2,1) 0.6, (2,2) 0.8 then 0.9; pair
// rows naming cover 3 or slope 0 fall outside the classes; slope class 3 has
// no factor row.
inline const std::string kRunoffChartSql = R"sql(
CREATE TABLE StoredQueries (Name TEXT PRIMARY KEY, Sql TEXT);

CREATE TABLE Periods (ReturnPeriod, FF);
INSERT INTO Periods VALUES (10, 1.0), (2, 0.5), (100, 2.0);
INSERT INTO StoredQueries VALUES ('TblVRCRPFFQuery', 'SELECT * FROM Periods ORDER BY rowid');

CREATE TABLE Chart (DA, Kfac, Cfac);
INSERT INTO Chart VALUES (10, 2, 1), (100, 30, 0.5), (400, 0, 0);
INSERT INTO StoredQueries VALUES ('TblVRCChartQuery', 'SELECT * FROM Chart ORDER BY rowid');

CREATE TABLE ChartData (DataKey, Value1);
INSERT INTO ChartData VALUES ('DALB', 10), ('DAUB', 500), ('DAUB', 9999);
INSERT INTO StoredQueries VALUES ('TblVRCDataQuery',
    'SELECT Value1 FROM ChartData WHERE DataKey = :Parm ORDER BY rowid');

CREATE TABLE TblVRCCover (ArrayNum, Cover);
INSERT INTO TblVRCCover VALUES (2, ' Urban '), (1, '  Woods');
CREATE TABLE TblVRCSlope (Slope, ArrayNum);
INSERT INTO TblVRCSlope VALUES ('Flat', 1), ('Steep', 2), ('Very steep', 3);
CREATE TABLE TblVRCLUSDFactors (CoverArrayNum, SlopeArrayNum, LFFactor);
INSERT INTO TblVRCLUSDFactors VALUES
    (1, 1, 0.3), (1, 2, 0.5), (2, 1, 0.6), (2, 2, 0.8), (3, 1, 0.7), (1, 0, 0.2), (2, 2, 0.9);
)sql";

// USGS 2001. Return periods by ArrayNum: 2, 10 (stored the other way round).
// Equations, 2 and 10 years:
//   region 1 eq 1: 10 DA and 20 DA (a later duplicate of the 2-year row, 999 DA, is never used)
//   region 2 eq 1: 5 DA^2 and 8 DA^2
//   region 2 eq 2: 4 DA MCS^0.5 (1 + ORLF)^1; no 10-year row
//   region 3 eq 1: 3 DA and 6 DA
//   region 3 eq 2: 2 DA MCS, with CORL 9E-06 (off) and 1E-05 (on) at 10 years
inline const std::string kUSGSSql = R"sql(
CREATE TABLE TblUSGSRPs (ReturnPeriod, ArrayNum);
INSERT INTO TblUSGSRPs VALUES (10, 2), (2, 1);
CREATE TABLE TblUSGSEq (Region, EqNum, ReturnPeriod, K1, CDA, CMCS, CORL, EYR);
INSERT INTO TblUSGSEq VALUES
    (1, 1, 2, 10, 1, 0, 0, 2.5), (1, 1, 10, 20, 1, 0, 0, 5),
    (2, 1, 2, 5, 2, 0, 0, 2.5), (2, 1, 10, 8, 2, 0, 0, 5),
    (2, 2, 2, 4, 1, 0.5, 1, 2.5),
    (3, 1, 2, 3, 1, 0, 0, 2.5), (3, 1, 10, 6, 1, 0, 0, 5),
    (3, 2, 2, 2, 1, 1, 0.000009, 2.5), (3, 2, 10, 2, 1, 1, 0.00001, 5),
    (1, 1, 2, 999, 1, 0, 0, 2.5);
)sql";

// The text of the AppError an action raises, or "" when it raises none.
inline std::string FaultOf(const std::function<void()>& action, long number) {
    try {
        action();
    } catch (const AppError& error) {
        EXPECT_EQ(error.number, number) << error.description;
        return error.description;
    }
    return {};
}
