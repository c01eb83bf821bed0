#include "platform/CatalogueDatabase.h"
#include "platform/AppError.h"
#include "platform/ProgramDirectory.h"

#include "../support/CatalogueFixture.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

const char* const kCatalogue = R"sql(
CREATE TABLE StoredQueries (Name TEXT PRIMARY KEY, Sql TEXT);
CREATE TABLE Sizes (IDNum INTEGER UNIQUE, Inches REAL, Note TEXT, Barrels INTEGER);
INSERT INTO Sizes VALUES (30, 36, 'big', 1);
INSERT INTO Sizes VALUES (10, 12, NULL, 2);
INSERT INTO Sizes VALUES (20, 24, '1,250', 3);
CREATE TABLE Empty (IDNum INTEGER);
CREATE TABLE Odd (Whole, Text TEXT);
INSERT INTO Odd VALUES (2.5, 'abc');
INSERT INTO Odd VALUES (3.5, '0.012');
INSERT INTO Odd VALUES (1e12, '  7 ');
CREATE TABLE Parameters (Parm TEXT, Value1 REAL);
INSERT INTO Parameters VALUES ('A', 1.5);
INSERT INTO Parameters VALUES ('A', 9.5);
INSERT INTO Parameters VALUES ('B', 2.5);
INSERT INTO StoredQueries VALUES ('ByKey',
  'SELECT Value1 FROM Parameters WHERE Parm = :Parm ORDER BY rowid');
INSERT INTO StoredQueries VALUES ('SizesAbove',
  'SELECT IDNum, Inches FROM Sizes WHERE Inches > :Least ORDER BY Inches');
INSERT INTO StoredQueries VALUES ('Broken', 'SELECT Missing FROM Sizes');
INSERT INTO StoredQueries VALUES ('QuotedMissing', 'SELECT "Missing" FROM Sizes');
)sql";

// The text of the fault that an action raises, or "" when it raises none.
std::string FaultOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const AppError& error) {
        EXPECT_EQ(error.number, ErrorNumber::DatabaseError);
        return error.description;
    }
    return {};
}

std::vector<int> Column(Recordset& rs, const char* field) {
    std::vector<int> values;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        values.push_back(rs.Int32(field));
    }
    return values;
}

} // namespace

TEST(CatalogueDatabase, LiesInTheProgramDirectoryUnlessATestPointsElsewhere) {
    EXPECT_EQ(CatalogueDatabase::Path(), ProgramDirectory() + "/TWLDBUS.db");
    {
        CatalogueFixture fixture(kCatalogue);
        EXPECT_EQ(CatalogueDatabase::Path(), fixture.Path());
    }
    EXPECT_EQ(CatalogueDatabase::Path(), ProgramDirectory() + "/TWLDBUS.db");
}

TEST(CatalogueDatabase, AMissingOrForeignFileIsAFaultNamingTheFile) {
    const std::string missing = testing::TempDir() + "/no-such-catalogue.db";
    EXPECT_EQ(FaultOf([&] { CatalogueDatabase db(missing); }),
              "Catalogue database, file '" + missing +
                  "': cannot be opened: unable to open database file");

    const std::string foreign = testing::TempDir() + "/not-a-catalogue.db";
    std::ofstream(foreign) << "this is a text file, not a database, and long enough to tell";
    EXPECT_EQ(FaultOf([&] { CatalogueDatabase db(foreign); }),
              "Catalogue database, file '" + foreign + "': file is not a database");
    std::filesystem::remove(foreign);
}

TEST(CatalogueDatabase, ATableYieldsItsRowsInStoredOrderWithAnExactCount) {
    CatalogueFixture fixture(kCatalogue);
    CatalogueDatabase db;
    Recordset rs = db.OpenTable("Sizes");
    EXPECT_EQ(rs.RecordCount(), 3);
    EXPECT_FALSE(rs.Bof());
    EXPECT_FALSE(rs.Eof());
    EXPECT_EQ(Column(rs, "IDNum"), (std::vector<int>{30, 10, 20}));
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(FaultOf([&] { rs.MoveNext(); }),
              "Catalogue database, table 'Sizes': no current record (moved past the last row)");
}

TEST(CatalogueDatabase, AnEmptyTableHasBothEndsAndNoFirstRow) {
    CatalogueFixture fixture(kCatalogue);
    Recordset rs = CatalogueDatabase().OpenTable("Empty");
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_TRUE(rs.Bof());
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(FaultOf([&] { rs.MoveFirst(); }),
              "Catalogue database, table 'Empty': no current record (there are no rows)");
}

TEST(CatalogueDatabase, MissingObjectsAreFaultsNamingThem) {
    CatalogueFixture fixture(kCatalogue);
    CatalogueDatabase db;
    EXPECT_EQ(FaultOf([&] { db.OpenTable("Nowhere"); }),
              "Catalogue database, table 'Nowhere': no such table: Nowhere");
    EXPECT_EQ(FaultOf([&] { db.Query("Nothing"); }),
              "Catalogue database, stored query 'Nothing': it is not in the table StoredQueries");
    EXPECT_EQ(FaultOf([&] { db.Query("Broken"); }),
              "Catalogue database, stored query 'Broken': no such column: Missing");
    // A misspelt name in double quotes must not pass as a text literal.
    EXPECT_EQ(FaultOf([&] { db.Query("QuotedMissing"); }),
              "Catalogue database, stored query 'QuotedMissing': no such column: Missing");
    EXPECT_EQ(FaultOf([&] { db.Query("ByKey").SetParameter("Key", std::string("A")); }),
              "Catalogue database, stored query 'ByKey': no parameter 'Key'");
    EXPECT_EQ(FaultOf([&] { db.Query("ByKey").Open(); }),
              "Catalogue database, stored query 'ByKey': parameter ':Parm' has no value");
    Recordset rs = db.OpenTable("Sizes");
    EXPECT_EQ(FaultOf([&] { rs.Double("Diameter"); }),
              "Catalogue database, table 'Sizes': no field 'Diameter'");
}

TEST(CatalogueDatabase, AStoredQueryRunsAgainWithEachParameterValue) {
    CatalogueFixture fixture(kCatalogue);
    CatalogueDatabase db;
    StoredQuery query = db.Query("SizesAbove");
    query.SetParameter("Least", 12);
    Recordset above12 = query.Open();
    EXPECT_EQ(Column(above12, "IDNum"), (std::vector<int>{20, 30}));
    query.SetParameter("Least", 24);
    Recordset above24 = query.Open();
    EXPECT_EQ(Column(above24, "idnum"), (std::vector<int>{30}));
    query.SetParameter("Least", 36);
    Recordset none = query.Open();
    EXPECT_TRUE(none.Bof() && none.Eof());

    StoredQuery byKey = db.Query("ByKey");
    byKey.SetParameter("Parm", std::string("B"));
    Recordset b = byKey.Open();
    EXPECT_DOUBLE_EQ(b.Double("Value1"), 2.5);
}

TEST(CatalogueDatabase, ARealParameterComparesWithoutRounding) {
    // Sizes hold 12, 24 and 36 inches. A whole-number binding of 23.9 or 24.4
    // would have become 24 and moved the boundary.
    CatalogueFixture fixture(kCatalogue);
    CatalogueDatabase db;
    StoredQuery query = db.Query("SizesAbove");
    struct Case {
        double least;
        std::vector<int> ids;
    };
    const Case cases[] = {{23.9, {20, 30}}, {24.0, {30}}, {24.4, {30}}, {-0.5, {10, 20, 30}}};
    for (const Case& c : cases) {
        query.SetParameter("Least", c.least);
        Recordset rs = query.Open();
        EXPECT_EQ(Column(rs, "IDNum"), c.ids) << c.least;
    }
    EXPECT_EQ(FaultOf([&] { query.SetParameter("Most", 1.5); }),
              "Catalogue database, stored query 'SizesAbove': no parameter 'Most'");
}

TEST(CatalogueDatabase, FieldsConvertToTheDestinationTypeOrFault) {
    CatalogueFixture fixture(kCatalogue);
    CatalogueDatabase db;
    Recordset sizes = db.OpenTable("Sizes");
    EXPECT_EQ(sizes.Int32("IDNum"), 30);
    EXPECT_DOUBLE_EQ(sizes.Double("Inches"), 36);
    EXPECT_EQ(sizes.Text("Inches"), "36");
    EXPECT_EQ(sizes.Text("IDNum"), "30");
    EXPECT_EQ(sizes.Text("Note"), "big");
    sizes.MoveNext();
    EXPECT_EQ(FaultOf([&] { sizes.Text("Note"); }),
              "Catalogue database, table 'Sizes': row 2, field 'Note' is NULL");
    EXPECT_EQ(FaultOf([&] { sizes.Double("Note"); }),
              "Catalogue database, table 'Sizes': row 2, field 'Note' is NULL");
    EXPECT_EQ(FaultOf([&] { sizes.Int32("Note"); }),
              "Catalogue database, table 'Sizes': row 2, field 'Note' is NULL");
    EXPECT_EQ(sizes.TextOrEmpty("Note"), "");
    sizes.MoveNext();
    EXPECT_DOUBLE_EQ(sizes.Double("Note"), 1250);

    Recordset odd = db.OpenTable("Odd");
    EXPECT_EQ(odd.Int32("Whole"), 2); // half to even
    EXPECT_EQ(FaultOf([&] { odd.Double("Text"); }),
              "Catalogue database, table 'Odd': row 1, field 'Text' is not a number: 'abc'");
    odd.MoveNext();
    EXPECT_EQ(odd.Int32("Whole"), 4);
    EXPECT_DOUBLE_EQ(odd.Double("Text"), 0.012);
    odd.MoveNext();
    EXPECT_EQ(odd.Int32("Text"), 7);
    EXPECT_EQ(FaultOf([&] { odd.Int32("Whole"); }),
              "Catalogue database, table 'Odd': row 3, field 'Whole' does not fit a 32-bit "
              "whole number: 1000000000000");
    odd.MoveNext();
    EXPECT_EQ(FaultOf([&] { odd.Int32("Whole"); }),
              "Catalogue database, table 'Odd': no current record to read field 'Whole' from");
}

TEST(CatalogueDatabase, AFileAnotherProgramHoldsOpenReadsNormally) {
    CatalogueFixture fixture(kCatalogue);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open_v2(fixture.Path().c_str(), &other, SQLITE_OPEN_READONLY, nullptr),
              SQLITE_OK);
    sqlite3_exec(other, "BEGIN; SELECT count(*) FROM Sizes;", nullptr, nullptr, nullptr);
    EXPECT_EQ(CatalogueDatabase().OpenTable("Sizes").RecordCount(), 3);
    sqlite3_exec(other, "COMMIT;", nullptr, nullptr, nullptr);
    sqlite3_close(other);
}

// The three reading rules of the loaders.

TEST(CatalogueReading, AGrowingListKeepsEntryZeroEmptyAndRowsInOrder) {
    CatalogueFixture fixture(kCatalogue);
    CatalogueDatabase db;
    StoredQuery query = db.Query("SizesAbove");
    std::vector<int> list{7, 7, 7};

    query.SetParameter("Least", 12);
    Recordset two = query.Open();
    ReadGrowingList(two, list, [](Recordset& rs, int& entry) { entry = rs.Int32("IDNum"); });
    EXPECT_EQ(list, (std::vector<int>{0, 20, 30}));

    query.SetParameter("Least", 100);
    Recordset none = query.Open();
    ReadGrowingList(none, list, [](Recordset& rs, int& entry) { entry = rs.Int32("IDNum"); });
    EXPECT_EQ(list, (std::vector<int>{0})); // upper bound 0
}

TEST(CatalogueReading, AKeyedQueryTakesTheFirstRowOnlyAndNoRowChangesNothing) {
    CatalogueFixture fixture(kCatalogue);
    CatalogueDatabase db;
    StoredQuery query = db.Query("ByKey");
    double value = -1;
    const auto read = [&](Recordset& rs) { value = rs.Double("Value1"); };

    query.SetParameter("Parm", std::string("A"));
    Recordset twoRows = query.Open();
    ReadFirstRow(twoRows, read);
    EXPECT_DOUBLE_EQ(value, 1.5);

    query.SetParameter("Parm", std::string("Z"));
    Recordset noRow = query.Open();
    ReadFirstRow(noRow, read);
    EXPECT_DOUBLE_EQ(value, 1.5);
}

TEST(CatalogueReading, AWholeTableFillsEntriesOneToNAndAnEmptyTableIsAFault) {
    CatalogueFixture fixture(kCatalogue);
    CatalogueDatabase db;
    std::vector<double> array;
    const auto fill = [](Recordset& rs, double& entry) { entry = rs.Double("Inches"); };
    Recordset sizes = db.OpenTable("Sizes");
    ReadWholeTable(sizes, array, fill);
    EXPECT_EQ(array, (std::vector<double>{0, 36, 12, 24}));

    Recordset empty = db.OpenTable("Empty");
    EXPECT_EQ(FaultOf([&] { ReadWholeTable(empty, array, fill); }),
              "Catalogue database, table 'Empty': no current record (there are no rows)");
    EXPECT_EQ(array, (std::vector<double>{0}));
}
