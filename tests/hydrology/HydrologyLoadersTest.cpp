// The hydrology loaders on catalogues that lack a table, a query, a parameter
// or a field, or whose class numbers fall outside their lists: each stops
// with one message naming what is wrong.

#include "HydrologyTestData.h"

#include "hydrology/HydrologyTables.h"
#include "hydrology/USGS.h"
#include "hydrology/VoskRunoffChart.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

struct FaultCase {
    const char* what;
    std::string sql;
    std::function<void()> load;
    std::string fault;
};

const std::string kHydrologySql = kRunoffChartSql + kUSGSSql;

} // namespace

TEST(HydrologyLoaders, EveryMissingOrUnreadableObjectStopsTheLoadNamingIt) {
    const auto chart = VoskRunoffChart::LoadRunoffChartTables;
    const auto usgs = USGS::LoadUSGSTables;
    const auto query = [](const char* name) {
        return "DELETE FROM StoredQueries WHERE Name = '" + std::string(name) + "';";
    };
    const auto missingQuery = [](const char* name) {
        return "Catalogue database, stored query '" + std::string(name) +
               "': it is not in the table StoredQueries";
    };
    const FaultCase cases[] = {
        {"return periods query", query("TblVRCRPFFQuery"), chart, missingQuery("TblVRCRPFFQuery")},
        {"chart query", query("TblVRCChartQuery"), chart, missingQuery("TblVRCChartQuery")},
        {"chart data query", query("TblVRCDataQuery"), chart, missingQuery("TblVRCDataQuery")},
        {"land-use table", "DROP TABLE TblVRCCover;", chart,
         "Catalogue database, table 'TblVRCCover': no such table: TblVRCCover"},
        {"slope table", "DROP TABLE TblVRCSlope;", chart,
         "Catalogue database, table 'TblVRCSlope': no such table: TblVRCSlope"},
        {"factor table", "DROP TABLE TblVRCLUSDFactors;", chart,
         "Catalogue database, table 'TblVRCLUSDFactors': no such table: TblVRCLUSDFactors"},
        {"USGS return periods", "DROP TABLE TblUSGSRPs;", usgs,
         "Catalogue database, table 'TblUSGSRPs': no such table: TblUSGSRPs"},
        {"USGS equations", "DROP TABLE TblUSGSEq;", usgs,
         "Catalogue database, table 'TblUSGSEq': no such table: TblUSGSEq"},
        {"query table dropped underneath", "DROP TABLE Chart;", chart,
         "Catalogue database, stored query 'TblVRCChartQuery': no such table: Chart"},
        {"parameter",
         "UPDATE StoredQueries SET Sql = replace(Sql, ':Parm', ':Key') "
         "WHERE Name = 'TblVRCDataQuery';",
         chart, "Catalogue database, stored query 'TblVRCDataQuery': no parameter 'Parm'"},
        {"field", "ALTER TABLE TblVRCLUSDFactors RENAME COLUMN LFFactor TO LF;", chart,
         "Catalogue database, table 'TblVRCLUSDFactors': no field 'LFFactor'"},
        {"USGS field", "ALTER TABLE TblUSGSEq DROP COLUMN EYR;", usgs,
         "Catalogue database, table 'TblUSGSEq': no field 'EYR'"},
        {"empty class table", "DELETE FROM TblVRCSlope;", chart,
         "Catalogue database, table 'TblVRCSlope': no current record (there are no rows)"},
        {"empty factor table", "DELETE FROM TblVRCLUSDFactors;", chart,
         "Catalogue database, table 'TblVRCLUSDFactors': no current record (there are no rows)"},
        {"empty USGS equations", "DELETE FROM TblUSGSEq;", usgs,
         "Catalogue database, table 'TblUSGSEq': no current record (there are no rows)"},
        {"class number past the list", "UPDATE TblVRCCover SET ArrayNum = 3 WHERE ArrayNum = 2;",
         chart,
         "Catalogue database, table 'TblVRCCover': row 1, field 'ArrayNum' is outside 0 to 2: 3"},
        {"negative class number", "UPDATE TblVRCSlope SET ArrayNum = -1 WHERE Slope = 'Steep';",
         chart,
         "Catalogue database, table 'TblVRCSlope': row 2, field 'ArrayNum' is outside 0 to 3: -1"},
        {"USGS list position past the list",
         "UPDATE TblUSGSRPs SET ArrayNum = 3 WHERE ArrayNum = 2;", usgs,
         "Catalogue database, table 'TblUSGSRPs': row 1, field 'ArrayNum' is outside 0 to 2: 3"},
        {"NULL factor", "UPDATE TblVRCLUSDFactors SET LFFactor = NULL WHERE rowid = 2;", chart,
         "Catalogue database, table 'TblVRCLUSDFactors': row 2, field 'LFFactor' is NULL"},
        {"text frequency factor", "UPDATE Periods SET FF = 'high' WHERE ReturnPeriod = 100;", chart,
         "Catalogue database, stored query 'TblVRCRPFFQuery': row 3, field 'FF' is not a number: "
         "'high'"},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.what);
        CatalogueFixture fixture(kHydrologySql + c.sql);
        EXPECT_EQ(FaultOf(c.load, ErrorNumber::DatabaseError), c.fault);
    }
}

TEST(HydrologyLoaders, AFailedLoadLeavesEveryListEmpty) {
    {
        CatalogueFixture loaded(kHydrologySql);
        VoskRunoffChart::LoadRunoffChartTables();
        USGS::LoadUSGSTables();
    }
    // A third land-use class read before the factor table fails: the counts
    // must not outgrow the factors of the earlier load (2 classes by 3).
    {
        CatalogueFixture failing(kHydrologySql +
                                 "INSERT INTO TblVRCCover VALUES (3, 'Meadow');"
                                 "ALTER TABLE TblVRCLUSDFactors RENAME COLUMN LFFactor TO LF;");
        EXPECT_THROW(VoskRunoffChart::LoadRunoffChartTables(), AppError);
    }
    EXPECT_EQ(GlobalVariables::NumRunoffChartReturnPeriods(), 0);
    EXPECT_EQ(GlobalVariables::NumRunoffChartCovers(), 0);
    EXPECT_EQ(GlobalVariables::NumRunoffChartSlopes(), 0);
    EXPECT_EQ(VoskRunoffChart::NumRunoffChartBands(), -1);
    EXPECT_EQ(VoskRunoffChart::MinChartDA(), -1);
    EXPECT_EQ(VoskRunoffChart::MaxChartDA(), -1);
    for (int cover : {1, 2, 3}) {
        for (int slope : {1, 2, 3}) {
            EXPECT_EQ(VoskRunoffChart::GetLandUseSlopeFactor(cover, slope), 0) << cover << slope;
        }
    }

    // The equations fail after the return periods were read.
    {
        CatalogueFixture failing(kHydrologySql + "DELETE FROM TblUSGSEq;");
        EXPECT_THROW(USGS::LoadUSGSTables(), AppError);
    }
    EXPECT_EQ(GlobalVariables::NumUSGSReturnPeriods(), 0);
    EXPECT_EQ(USGS::USGSEquations().size(), 1u);
}
