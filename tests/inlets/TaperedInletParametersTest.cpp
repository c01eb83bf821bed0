#include "TaperedInletTestData.h"
#include "hydraulics/CatalogueTables.h"
#include "hydraulics/StandardRCBoxMod.h"
#include "inlets/TaperedInletDesignMod.h"
#include "platform/CatalogueDatabase.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace TaperedInletDesignMod;

namespace {

std::vector<std::pair<double, double>> PairList(int barrels) {
    std::vector<std::pair<double, double>> list;
    const auto& pairs = GlobalVariables::TaperedInletZLTable.at(static_cast<size_t>(barrels)).Pairs;
    for (std::size_t p = 1; p < pairs.size(); ++p) {
        list.emplace_back(pairs[p].ZValueFt, pairs[p].LValueFt);
    }
    return list;
}

class TaperedInletParametersLoad : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = TaperedInletParameters;
        savedPairs_ = GlobalVariables::TaperedInletZLTable;
    }
    void TearDown() override {
        TaperedInletParameters = saved_;
        GlobalVariables::TaperedInletZLTable = savedPairs_;
    }

private:
    TaperedInletParameterSet saved_;
    TaperedInletZLLists savedPairs_;
};

} // namespace

TEST_F(TaperedInletParametersLoad, TakesTheFirstRowOfEachKeyAndThePairsInQueryOrder) {
    // Pairs deliberately out of any numeric order; a triple list is never asked for.
    CatalogueFixture catalogue(kTaperedInletSql + R"sql(
        INSERT INTO Parameters VALUES
            ('ManningN', 0.013, NULL, NULL, NULL, NULL),
            ('ManningN', 0.5, NULL, NULL, NULL, NULL),
            ('BarrelDepthFrac', 0.8, NULL, NULL, NULL, NULL),
            ('CritDepthFrac', 0.95, NULL, NULL, NULL, NULL),
            ('TwinLFactor', 2.5, NULL, NULL, NULL, NULL),
            ('MaxNumBarrels', 2, NULL, NULL, NULL, NULL),
            ('RCBICCoeffs', 0.5, 0.667, 0.0446, 0.65, 2);
        INSERT INTO Pairs VALUES (1, 3, 10), (2, 1, 8), (1, 1, 6), (3, 1, 1), (1, 2, 8);
    )sql");
    TaperedInletParameters = {};
    ReadTaperedInletParameters();
    const TaperedInletParameterSet& p = TaperedInletParameters;
    EXPECT_EQ(p.ManningN, 0.013);
    EXPECT_EQ(p.BarrelDepthFrac, 0.8);
    EXPECT_EQ(p.CritDepthFrac, 0.95);
    EXPECT_EQ(p.TwinLFactor, 2.5);
    EXPECT_EQ(p.MaxNumBarrels, 2);
    EXPECT_EQ(p.RCBICCoeffs.K, 0.5);
    EXPECT_EQ(p.RCBICCoeffs.M, 0.667);
    EXPECT_EQ(p.RCBICCoeffs.c, 0.0446);
    EXPECT_EQ(p.RCBICCoeffs.Y, 0.65);
    EXPECT_EQ(p.RCBICCoeffs.UnSubEqNum, 2);
    EXPECT_EQ(PairList(1), (std::vector<std::pair<double, double>>{{3, 10}, {1, 6}, {2, 8}}));
    EXPECT_EQ(PairList(2), (std::vector<std::pair<double, double>>{{1, 8}}));
    EXPECT_TRUE(PairList(0).empty());
}

TEST_F(TaperedInletParametersLoad, AKeyWithoutARowKeepsItsValueAndAnEmptyListStaysEmpty) {
    CatalogueFixture catalogue(kTaperedInletSql + R"sql(
        INSERT INTO Parameters VALUES ('ManningN', 0.012, NULL, NULL, NULL, NULL);
        INSERT INTO Pairs VALUES (1, 1, 6);
    )sql");
    TaperedInletParameters = SampleParameters();
    TaperedInletParameters.TwinLFactor = 7;
    ReadTaperedInletParameters();
    EXPECT_EQ(TaperedInletParameters.ManningN, 0.012);
    EXPECT_EQ(TaperedInletParameters.TwinLFactor, 7);
    EXPECT_EQ(TaperedInletParameters.MaxNumBarrels, 2);
    EXPECT_EQ(PairList(1).size(), 1u);
    EXPECT_TRUE(PairList(2).empty());
}

TEST_F(TaperedInletParametersLoad, AMissingQueryStopsTheLoadNamingIt) {
    CatalogueFixture catalogue("CREATE TABLE StoredQueries (Name TEXT PRIMARY KEY, Sql TEXT);");
    try {
        ReadTaperedInletParameters();
        ADD_FAILURE() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.description,
                  "Catalogue database, stored query 'TblTaperedInletZLQuery': it "
                  "is not in the table StoredQueries");
    }
}

// The catalogue built for the program (TWLDBUS.db beside the tests).
TEST_F(TaperedInletParametersLoad, TheShippedCatalogueHoldsWhatTheSearchReliesOn) {
    ReadTaperedInletParameters();
    const TaperedInletParameterSet& p = TaperedInletParameters;
    // Above 2 there would be faces without (Z, L) pairs.
    EXPECT_GE(p.MaxNumBarrels, 1);
    EXPECT_LE(p.MaxNumBarrels, MaxZLBarrels);
    EXPECT_EQ(p.ManningN, 0.012);
    EXPECT_EQ(p.BarrelDepthFrac, 0.9);
    EXPECT_EQ(p.CritDepthFrac, 0.9);
    EXPECT_EQ(p.TwinLFactor, 2);
    // HDS-5 Table 9, chart 59, slope tapered inlet, more favorable edges.
    EXPECT_EQ(p.RCBICCoeffs.UnSubEqNum, 2);
    EXPECT_EQ(p.RCBICCoeffs.K, 0.50);
    EXPECT_EQ(p.RCBICCoeffs.M, 0.667);
    EXPECT_EQ(p.RCBICCoeffs.c, 0.0378);
    EXPECT_EQ(p.RCBICCoeffs.Y, 0.71);
    for (int nb = 1; nb <= MaxZLBarrels; ++nb) {
        SCOPED_TRACE(nb);
        const auto list = PairList(nb);
        ASSERT_FALSE(list.empty());
        for (std::size_t k = 0; k < list.size(); ++k) {
            EXPECT_EQ(list[k].first, std::round(list[k].first));
            EXPECT_EQ(list[k].second, std::round(list[k].second));
            if (k > 0) {
                EXPECT_GT(list[k].first, list[k - 1].first) << "smallest drop first";
            }
        }
    }

    // Behind an 8 x 4 single face: rise 4, single, from 3.92 ft to under 8 ft.
    CatalogueDatabase db;
    StoredQuery query = db.Query("TaperedInletBarrelQuery");
    query.SetParameter("Width", std::string("8"));
    query.SetParameter("Height", std::string("4"));
    query.SetParameter("nBarrels", 1);
    query.SetParameter("LWidth", BarrelQueryLeastWidth(8, 1));
    Recordset rs = query.Open();
    std::vector<std::string> widths;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        EXPECT_EQ(rs.Text("Heightft"), "4");
        EXPECT_EQ(rs.Int32("NumberOfBarrels"), 1);
        widths.push_back(rs.Text("Widthft"));
    }
    EXPECT_EQ(widths, (std::vector<std::string>{"4", "5", "6", "7"}));
}
