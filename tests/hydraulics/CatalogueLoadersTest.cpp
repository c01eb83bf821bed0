// The start-up loaders of the standard sizes and the culvert types, on small
// catalogues made for each test.

#include "CatalogueTestData.h"

#include "hydraulics/CatalogueTables.h"
#include "hydraulics/GenDesignCatalogue.h"
#include "hydraulics/StandardCorrMetalPipeMod.h"
#include "hydraulics/StandardPipeMod.h"
#include "hydraulics/StandardRCArchPipe.h"
#include "hydraulics/StandardRCBoxMod.h"
#include "hydraulics/StandardSteelPipeArchMod.h"
#include "platform/AppError.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using GlobalVariables::GenDesignCulvertTypes;

// The text of the catalogue fault an action raises, or "" when it raises none.
std::string FaultOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const AppError& error) {
        EXPECT_EQ(error.number, ErrorNumber::DatabaseError);
        return error.description;
    }
    return {};
}

void LoadStandardSizes() {
    StandardPipeMod::LoadStandardConcPipeSizes();
    StandardRCBoxMod::LoadStandardRCBoxSizes();
    StandardCorrMetalPipeMod::LoadStandardCMPSizes();
    StandardRCArchPipe::LoadStandardRCArchPipeSizes();
    StandardSteelPipeArchMod::LoadStandardSteelPipeArchSizes();
}

} // namespace

TEST(StandardSizeLoaders, FillEntriesOneToNInTableOrderWithDerivedUnitsAndTexts) {
    CatalogueFixture fixture(kCatalogueSql);
    LoadStandardSizes();

    const auto& pipes = GlobalVariables::StdConcPipeSizes;
    ASSERT_EQ(pipes.size(), 4u);
    EXPECT_EQ(pipes[0].IDNum, 0);
    EXPECT_TRUE(pipes[0].DiameterText.empty());
    EXPECT_EQ(pipes[1].IDNum, 1048);
    EXPECT_EQ(pipes[2].IDNum, 2048);
    EXPECT_EQ(pipes[2].NumBarrels, 2);
    const StdPipeSize& p15 = pipes[3];
    EXPECT_EQ(p15.IDNum, 1015);
    EXPECT_DOUBLE_EQ(p15.DiameterIn, 15);
    EXPECT_EQ(p15.DiameterText, "15");
    EXPECT_DOUBLE_EQ(p15.DiameterFt, 1.25);
    EXPECT_EQ(p15.DiameterFtText, "1.25");

    ASSERT_EQ(GlobalVariables::StdCMPSizes.size(), 4u);
    EXPECT_EQ(GlobalVariables::StdCMPSizes[2].NumBarrels, 3);
    EXPECT_EQ(GlobalVariables::StdCMPSizes[3].DiameterFtText, "1");

    const auto& boxes = GlobalVariables::StdRCBoxSizes;
    ASSERT_EQ(boxes.size(), 4u);
    const StdRCBoxSize& b64 = boxes[1];
    EXPECT_EQ(b64.IDNum, 20604);
    EXPECT_DOUBLE_EQ(b64.WidthFt, 6);
    EXPECT_DOUBLE_EQ(b64.WidthIn, 72);
    EXPECT_DOUBLE_EQ(b64.HeightFt, 4);
    EXPECT_DOUBLE_EQ(b64.HeightIn, 48);
    EXPECT_EQ(b64.WidthFtText, "6");
    EXPECT_EQ(b64.WidthInText, "72");
    EXPECT_EQ(b64.HeightFtText, "4");
    EXPECT_EQ(b64.HeightInText, "48");
    EXPECT_EQ(b64.NumBarrels, 2);

    const auto& arches = GlobalVariables::StdRCArchPipeSizes;
    ASSERT_EQ(arches.size(), 3u);
    const StdPipeArchSize& a73 = arches[1];
    EXPECT_EQ(a73.ID, 110);
    EXPECT_EQ(a73.SpanText, "73");
    EXPECT_DOUBLE_EQ(a73.SpanFt, 73.0 / 12);
    EXPECT_DOUBLE_EQ(a73.RiseFt, 45.0 / 12);
    EXPECT_DOUBLE_EQ(a73.BRFt, 105.0 / 12);
    EXPECT_DOUBLE_EQ(a73.CRFt, 11.22 / 12);
    EXPECT_DOUBLE_EQ(a73.TRFt, 37.5 / 12);
    EXPECT_EQ(arches[2].SpanText, "22");
    EXPECT_DOUBLE_EQ(arches[2].SpanIn, 22.5);
    EXPECT_EQ(arches[2].NumBarrels, 2);

    ASSERT_EQ(GlobalVariables::StdSteelPipeArchSizes.size(), 2u);
    EXPECT_EQ(GlobalVariables::StdSteelPipeArchSizes[1].ID, 101);
}

TEST(StandardSizeLoaders, TakeTheFirstRowOfTheFamilyConstantsOnly) {
    CatalogueFixture fixture(kCatalogueSql);
    StandardPipeMod::LoadStandardConcPipeSizes();
    const InletCoeffSet& set = StandardPipeMod::RCPInletCoeffs;
    EXPECT_DOUBLE_EQ(set.K, 0.5);
    EXPECT_DOUBLE_EQ(set.M, 0.5);
    EXPECT_DOUBLE_EQ(set.c, 0.04);
    EXPECT_DOUBLE_EQ(set.Y, 0.8);
    EXPECT_EQ(set.UnSubEqNum, 2);
}

TEST(StandardSizeLoaders, KeepTheirConstantsWhenTheKeyHasNoRow) {
    CatalogueFixture fixture(kCatalogueSql +
                             "DELETE FROM Params WHERE Parm = 'SPAInletParameters';");
    StandardSteelPipeArchMod::SPAInletCoeffs = InletCoeffSet{1, 2, 3, 4, 1};
    StandardSteelPipeArchMod::LoadStandardSteelPipeArchSizes();
    const InletCoeffSet& set = StandardSteelPipeArchMod::SPAInletCoeffs;
    EXPECT_DOUBLE_EQ(set.c, 1);
    EXPECT_DOUBLE_EQ(set.Y, 2);
    EXPECT_DOUBLE_EQ(set.K, 3);
    EXPECT_DOUBLE_EQ(set.M, 4);
    EXPECT_EQ(set.UnSubEqNum, 1);
    EXPECT_EQ(GlobalVariables::StdSteelPipeArchSizes.size(), 2u);
}

TEST(StandardSizeLoaders, AnEmptySizeTableStopsTheLoadWithEntryZeroLeft) {
    CatalogueFixture fixture(kCatalogueSql + "DELETE FROM VSHAStandardRCBoxSizes;");
    EXPECT_EQ(FaultOf(StandardRCBoxMod::LoadStandardRCBoxSizes),
              "Catalogue database, table 'VSHAStandardRCBoxSizes': no current record (there are "
              "no rows)");
    EXPECT_EQ(GlobalVariables::StdRCBoxSizes.size(), 1u);
}

struct FaultCase {
    const char* what;
    std::string sql;
    std::function<void()> load;
    std::string fault;
};

TEST(CatalogueLoaders, EveryMissingOrUnreadableObjectStopsTheLoadNamingIt) {
    const FaultCase cases[] = {
        {"table", "DROP TABLE TblVSHAPipeArch;", StandardRCArchPipe::LoadStandardRCArchPipeSizes,
         "Catalogue database, table 'TblVSHAPipeArch': no such table: TblVSHAPipeArch"},
        {"field", "ALTER TABLE VSHAStandardConcPipeSizes RENAME COLUMN NumberofBarrels TO Barrels;",
         StandardPipeMod::LoadStandardConcPipeSizes,
         "Catalogue database, table 'VSHAStandardConcPipeSizes': no field 'NumberofBarrels'"},
        {"stored query", "DELETE FROM StoredQueries WHERE Name = 'TblGenCulvertInletsQuery';",
         GenDesign::LoadGenDesignCulvertTypes,
         "Catalogue database, stored query 'TblGenCulvertInletsQuery': it is not in the table "
         "StoredQueries"},
        {"parameter",
         "UPDATE StoredQueries SET Sql = replace(Sql, ':Parm', ':Key') "
         "WHERE Name = 'TblVKStandardDesignParametersQuery';",
         StandardCorrMetalPipeMod::LoadStandardCMPSizes,
         "Catalogue database, stored query 'TblVKStandardDesignParametersQuery': no parameter "
         "'Parm'"},
        {"inlet field", "ALTER TABLE Inlets DROP COLUMN [HDS5Chart-Scale];",
         GenDesign::LoadGenDesignCulvertTypes,
         "Catalogue database, stored query 'TblGenCulvertInletsQuery': no field "
         "'HDS5Chart-Scale'"},
        {"NULL number", "UPDATE VSHAStandardRCBoxSizes SET Heightft = NULL WHERE IDNum = 10604;",
         StandardRCBoxMod::LoadStandardRCBoxSizes,
         "Catalogue database, table 'VSHAStandardRCBoxSizes': row 2, field 'Heightft' is NULL"},
        {"NULL text", "UPDATE TblVSHASteelPipeArch SET RiseTxtIn = NULL;",
         StandardSteelPipeArchMod::LoadStandardSteelPipeArchSizes,
         "Catalogue database, table 'TblVSHASteelPipeArch': row 1, field 'RiseTxtIn' is NULL"},
        {"NULL constant", "UPDATE Params SET Value5 = NULL WHERE Parm = 'PACInletParameters';",
         StandardRCArchPipe::LoadStandardRCArchPipeSizes,
         "Catalogue database, stored query 'TblVKStandardDesignParametersQuery': row 1, field "
         "'Value5' is NULL"},
        {"NULL type label", "UPDATE Types SET CulvertLongLabel = NULL WHERE IDNum = 3;",
         GenDesign::LoadGenDesignCulvertTypes,
         "Catalogue database, stored query 'TblGenDesignCulvertTypesQuery': row 2, field "
         "'CulvertLongLabel' is NULL"},
        {"NULL size caption", "UPDATE Types SET Size2Text = NULL WHERE IDNum = 3;",
         GenDesign::LoadGenDesignCulvertTypes,
         "Catalogue database, stored query 'TblGenDesignCulvertTypesQuery': row 2, field "
         "'Size2Text' is NULL"},
        {"NULL Ke", "UPDATE Inlets SET Ke = NULL WHERE InletID = 31;",
         GenDesign::LoadGenDesignCulvertTypes,
         "Catalogue database, stored query 'TblGenCulvertInletsQuery': row 1, field 'Ke' is "
         "NULL"},
        {"not a number", "UPDATE Types SET ShapeNum = 'round' WHERE IDNum = 9;",
         GenDesign::LoadGenDesignCulvertTypes,
         "Catalogue database, stored query 'TblGenDesignCulvertTypesQuery': row 3, field "
         "'ShapeNum' is not a number: 'round'"},
        {"negative size count", "UPDATE Types SET NumSizeParameters = -1 WHERE IDNum = 8;",
         GenDesign::LoadGenDesignCulvertTypes,
         "Catalogue database, stored query 'TblGenDesignCulvertTypesQuery': row 7, field "
         "'NumSizeParameters' is below 0: -1"},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.what);
        CatalogueFixture fixture(kCatalogueSql + c.sql);
        EXPECT_EQ(FaultOf(c.load), c.fault);
    }
}

TEST(CatalogueLoaders, AMissingCatalogueFileStopsTheFirstLoader) {
    CatalogueFixture fixture(kCatalogueSql);
    const std::string missing = fixture.Path() + ".missing";
    CatalogueDatabase::OverridePath(missing);
    EXPECT_EQ(FaultOf(StandardPipeMod::LoadStandardConcPipeSizes),
              "Catalogue database, file '" + missing +
                  "': cannot be opened: unable to open database file");
}

TEST(CulvertTypeLoader, ReadsTypesAndEachTypesInletsInQueryOrder) {
    CatalogueFixture fixture(kCatalogueSql);
    GenDesign::LoadGenDesignCulvertTypes();
    const auto& types = GenDesignCulvertTypes;
    ASSERT_EQ(types.size(), 8u);
    EXPECT_EQ(types[0].IDNum, 0);
    EXPECT_TRUE(types[0].ComboText.empty());

    const GenDesignCulvertType& rcp = types[1];
    EXPECT_EQ(rcp.IDNum, 7);
    EXPECT_EQ(rcp.ShortLabel, "RCP");
    EXPECT_EQ(rcp.LongLabel, "Concrete Pipe");
    EXPECT_EQ(rcp.ComboText, "RCP: Concrete Pipe");
    EXPECT_EQ(rcp.ShapeNum, 1);
    EXPECT_EQ(rcp.StandardSizeNum, 2);
    EXPECT_EQ(rcp.DisplayUnits, 1);
    EXPECT_DOUBLE_EQ(rcp.DefaultManningN, 0.012);
    EXPECT_EQ(rcp.NumSizeParameters, 1);
    EXPECT_EQ(rcp.SizeTexts, (std::vector<std::string>{"", "Diameter"}));

    ASSERT_EQ(rcp.Inlets.size(), 3u);
    EXPECT_EQ(rcp.Inlets[0].InletID, 0);
    EXPECT_EQ(rcp.Inlets[1].InletID, 72);
    EXPECT_EQ(rcp.Inlets[2].InletID, 71);
    const GenCulvertInlet& square = rcp.Inlets[2];
    EXPECT_EQ(square.Description, "Square edge with headwall");
    EXPECT_DOUBLE_EQ(square.Ke, 0.5);
    EXPECT_EQ(square.UnSubEqNum, 1);
    EXPECT_DOUBLE_EQ(square.K, 0.0098);
    EXPECT_DOUBLE_EQ(square.M, 2.0);
    EXPECT_DOUBLE_EQ(square.c, 0.0398);
    EXPECT_DOUBLE_EQ(square.Y, 0.67);
    EXPECT_EQ(square.MiteredFlag, 0);
    EXPECT_EQ(types[2].Inlets[1].MiteredFlag, 1);

    // A type whose inlets query gives no rows stays, without inlets.
    EXPECT_EQ(types[3].IDNum, 9);
    EXPECT_EQ(types[3].Inlets.size(), 1u);
}

TEST(CulvertTypeLoader, ReadsOnlyTheSizeCaptionsATypeHas) {
    // Captions beyond a type's size count may be NULL or absent altogether.
    CatalogueFixture fixture(kCatalogueSql + R"sql(
        DELETE FROM Types WHERE NumSizeParameters > 2;
        ALTER TABLE Types DROP COLUMN Size5Text;
        ALTER TABLE Types DROP COLUMN Size4Text;)sql");
    GenDesign::LoadGenDesignCulvertTypes();
    const GenDesignCulvertType& box = GenDesignCulvertTypes[2];
    EXPECT_EQ(box.NumSizeParameters, 2);
    EXPECT_EQ(box.SizeTexts, (std::vector<std::string>{"", "Width", "Height"}));
}

TEST(CulvertTypeLoader, UserSizeNotesAlwaysEndInOneBlank) {
    CatalogueFixture fixture(kCatalogueSql);
    GenDesign::LoadGenDesignCulvertTypes();
    EXPECT_EQ(GenDesignCulvertTypes[1].UserSizeNotes, " "); // NULL
    EXPECT_EQ(GenDesignCulvertTypes[2].UserSizeNotes, " "); // empty
    EXPECT_EQ(GenDesignCulvertTypes[3].UserSizeNotes, "Nominal size ");
}

TEST(CulvertTypeLoader, ComboTextKeepsTheLabelsExactlyAsStored) {
    CatalogueFixture fixture(kCatalogueSql +
                             "UPDATE Types SET CulvertShortLabel = ' RCP ', "
                             "CulvertLongLabel = 'Concrete  Pipe ' WHERE IDNum = 7;");
    GenDesign::LoadGenDesignCulvertTypes();
    EXPECT_EQ(GenDesignCulvertTypes[1].ComboText, " RCP : Concrete  Pipe ");
}

TEST(CulvertTypeLoader, ATypesQueryWithoutRowsLeavesAnEmptyCatalogue) {
    CatalogueFixture fixture(kCatalogueSql + "DELETE FROM Types;");
    LoadStandardSizes();
    GenDesign::LoadGenDesignCulvertTypes();
    GenDesign::BuildStandardSizeLists();
    EXPECT_EQ(GenDesignCulvertTypes.size(), 1u);
}
