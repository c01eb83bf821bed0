#include "../support/CatalogueFixture.h"
#include "inlets/DropInletMod.h"

#include "platform/AppError.h"

#include <gtest/gtest.h>

namespace {

const std::string QuerySql = R"sql(
CREATE TABLE StoredQueries (Name TEXT PRIMARY KEY, Sql TEXT);
CREATE TABLE Params (Parm, Value1, Value2, Value3, Value4, Value5);
INSERT INTO StoredQueries VALUES ('DropInletParametersQuery',
    'SELECT Value1, Value2, Value3, Value4, Value5 FROM Params WHERE Parm = :Parm ORDER BY rowid');
)sql";

class DropInletParametersLoad : public testing::Test {
protected:
    void SetUp() override { saved_ = DropInletMod::Parameters; }
    void TearDown() override { DropInletMod::Parameters = saved_; }

private:
    DropInletParameters saved_;
};

} // namespace

TEST_F(DropInletParametersLoad, FirstRowOfEachKeyWithTheCoefficientsInTheirFields) {
    CatalogueFixture db(QuerySql + R"sql(
INSERT INTO Params VALUES
    ('WeirCoefficient', 3.1, NULL, NULL, NULL, NULL),
    ('WeirCoefficient', 9, NULL, NULL, NULL, NULL),
    ('WeirHPowCoeff', 1.5, NULL, NULL, NULL, NULL),
    ('ManningNReinforcedConcrete', 0.013, NULL, NULL, NULL, NULL),
    ('EntranceLossCoefficient', 0.4, NULL, NULL, NULL, NULL),
    ('BendLossCoefficient', 0.3, NULL, NULL, NULL, NULL),
    ('ExitLossCoefficient', 1.0, NULL, NULL, NULL, NULL),
    ('NumRCBBarrels', 2, NULL, NULL, NULL, NULL),
    ('NumRCPBarrels', 1, NULL, NULL, NULL, NULL),
    ('LHWBarrelFraction', 1.1, NULL, NULL, NULL, NULL),
    ('RCBICCoeffs', 0.061, 0.75, 0.0423, 0.82, 1),
    ('RCPICCoeffs', 0.0098, 2.0, 0.0398, 0.67, 2),
    ('WeirCalcDefaultOption', 1, NULL, NULL, NULL, NULL);
)sql");
    DropInletMod::ReadDropInletParameters();
    const DropInletParameters& p = DropInletMod::Parameters;
    EXPECT_EQ(p.WeirCoefficient, 3.1); // the second row is not read
    EXPECT_EQ(p.WeirHPowCoeff, 1.5);
    EXPECT_EQ(p.ManningNReinforcedConcrete, 0.013);
    EXPECT_EQ(p.EntranceLossCoefficient, 0.4);
    EXPECT_EQ(p.BendLossCoefficient, 0.3);
    EXPECT_EQ(p.ExitLossCoefficient, 1.0);
    EXPECT_EQ(p.NumRCBBarrels, 2);
    EXPECT_EQ(p.NumRCPBarrels, 1);
    EXPECT_EQ(p.LHWBarrelFraction, 1.1);
    EXPECT_EQ(p.RCBICCoeffs.K, 0.061);
    EXPECT_EQ(p.RCBICCoeffs.M, 0.75);
    EXPECT_EQ(p.RCBICCoeffs.c, 0.0423);
    EXPECT_EQ(p.RCBICCoeffs.Y, 0.82);
    EXPECT_EQ(p.RCBICCoeffs.UnSubEqNum, 1);
    EXPECT_EQ(p.RCPICCoeffs.K, 0.0098);
    EXPECT_EQ(p.RCPICCoeffs.UnSubEqNum, 2);
    EXPECT_EQ(DropInletMod::GetWeirCalcDefaultOption(), 1);
}

TEST_F(DropInletParametersLoad, KeysWithoutRowsKeepTheirPresetOrWhatTheyHeld) {
    CatalogueFixture db(QuerySql);
    DropInletParameters& p = DropInletMod::Parameters;
    p = {};
    p.WeirCoefficient = 3;
    p.NumRCBBarrels = 3;
    p.LHWBarrelFraction = 1.2;
    p.RCBICCoeffs = {0.04, 0.8, 0.5, 0.5, 2};
    p.WeirCalcDefaultOption = 2;
    DropInletMod::ReadDropInletParameters();
    EXPECT_EQ(p.WeirCoefficient, -1);
    EXPECT_EQ(p.WeirHPowCoeff, -1);
    EXPECT_EQ(p.ManningNReinforcedConcrete, -1);
    EXPECT_EQ(p.EntranceLossCoefficient, -1);
    EXPECT_EQ(p.BendLossCoefficient, -1);
    EXPECT_EQ(p.ExitLossCoefficient, -1);
    EXPECT_EQ(p.NumRCBBarrels, 0);
    EXPECT_EQ(p.NumRCPBarrels, 0);
    EXPECT_EQ(p.WeirCalcDefaultOption, 0);
    // No preset: what they held.
    EXPECT_EQ(p.LHWBarrelFraction, 1.2);
    EXPECT_EQ(p.RCBICCoeffs.c, 0.04);
    EXPECT_EQ(p.RCBICCoeffs.UnSubEqNum, 2);
}

TEST_F(DropInletParametersLoad, AValueThatIsNoNumberStopsTheLoad) {
    CatalogueFixture db(QuerySql +
                        "INSERT INTO Params VALUES ('WeirCoefficient', NULL, NULL, NULL, NULL, "
                        "NULL);");
    EXPECT_THROW(DropInletMod::ReadDropInletParameters(), AppError);
}

// The catalogue built for the program: the sample constants, with the inlet
// control sets of the box with 0 deg wingwall flares (HDS-5 chart 8, scale 3)
// and the square-edged concrete pipe in a headwall (chart 1, scale 1).
TEST_F(DropInletParametersLoad, ShippedCatalogueHoldsTheSampleConstants) {
    DropInletMod::ReadDropInletParameters();
    const DropInletParameters& p = DropInletMod::Parameters;
    EXPECT_EQ(p.WeirCoefficient, 3.0);
    EXPECT_EQ(p.WeirHPowCoeff, 1.5);
    EXPECT_EQ(p.ManningNReinforcedConcrete, 0.012);
    EXPECT_EQ(p.EntranceLossCoefficient, 0.5);
    EXPECT_EQ(p.BendLossCoefficient, 0.5);
    EXPECT_EQ(p.ExitLossCoefficient, 1.0);
    EXPECT_EQ(p.NumRCBBarrels, 3);
    EXPECT_EQ(p.NumRCPBarrels, 1);
    EXPECT_EQ(p.LHWBarrelFraction, 1.2);
    EXPECT_EQ(p.WeirCalcDefaultOption, 2);
    EXPECT_EQ(p.RCBICCoeffs.K, 0.061);
    EXPECT_EQ(p.RCBICCoeffs.M, 0.75);
    EXPECT_EQ(p.RCBICCoeffs.c, 0.0423);
    EXPECT_EQ(p.RCBICCoeffs.Y, 0.82);
    EXPECT_EQ(p.RCBICCoeffs.UnSubEqNum, 1);
    EXPECT_EQ(p.RCPICCoeffs.K, 0.0098);
    EXPECT_EQ(p.RCPICCoeffs.M, 2.0);
    EXPECT_EQ(p.RCPICCoeffs.c, 0.0398);
    EXPECT_EQ(p.RCPICCoeffs.Y, 0.67);
    EXPECT_EQ(p.RCPICCoeffs.UnSubEqNum, 1);
}
