// Start-up with the catalogue database built for the program, and with a
// faulty one.

#include "FakeDialogs.h"
#include "app/MDIFrmMain.h"
#include "hydraulics/CatalogueTables.h"
#include "hydrology/HydrologyTables.h"
#include "hydrology/modUSGSMavo1987.h"
#include "main/StartUpSequence.h"
#include "platform/CatalogueDatabase.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::unique_ptr<StartUpMod::LoadedWindows> StartUp(std::vector<std::string>* names = nullptr) {
    StartUpMod::Options options;
    options.splashMillis = 0;
    if (names) {
        options.trace = [names](const std::string& name) { names->push_back(name); };
    }
    return StartUpMod::Main(options);
}

// The program's catalogue copied to a file of the test's own, with a change.
class ChangedCatalogue {
public:
    explicit ChangedCatalogue(const std::string& sql)
        : path_(
              (std::filesystem::temp_directory_path() / "tarnwell-changed-catalogue.db").string()) {
        std::filesystem::copy_file(CatalogueDatabase::Path(), path_,
                                   std::filesystem::copy_options::overwrite_existing);
        sqlite3* db = nullptr;
        sqlite3_open(path_.c_str(), &db);
        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
        sqlite3_close(db);
        CatalogueDatabase::OverridePath(path_);
    }
    ~ChangedCatalogue() {
        CatalogueDatabase::OverridePath({});
        std::filesystem::remove(path_);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

void ExpectOneErrorAndNoWindow(const FakeDialogs& user, const std::string& text) {
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text.toStdString(), text);
    EXPECT_EQ(user.shown[0].title.toStdString(), "ERROR");
    for (QWidget* w : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
    }
}

} // namespace

TEST(CatalogueStartUp, LoadsTheStandardSizesBeforeTheCulvertTypesThatListThem) {
    FakeDialogs user;
    std::vector<std::string> names;
    auto windows = StartUp(&names);
    ASSERT_TRUE(windows);
    EXPECT_TRUE(user.shown.empty());

    const std::vector<std::string> loaders = {
        "StandardPipeMod.LoadStandardConcPipeSizes",
        "StandardRCBoxMod.LoadStandardRCBoxSizes",
        "StandardCorrMetalPipeMod.LoadStandardCMPSizes",
        "StandardRCArchPipe.LoadStandardRCArchPipeSizes",
        "StandardSteelPipeArchMod.LoadStandardSteelPipeArchSizes",
        "GenDesign.InitializeGenDesign",
    };
    std::vector<std::string> seen;
    std::copy_if(names.begin(), names.end(), std::back_inserter(seen), [&](const std::string& n) {
        return std::find(loaders.begin(), loaders.end(), n) != loaders.end();
    });
    EXPECT_EQ(seen, loaders);
}

TEST(CatalogueStartUp, TheProgramStartsWithTheShippedCatalogueInItsTables) {
    FakeDialogs user;
    auto windows = StartUp();
    ASSERT_TRUE(windows);
    EXPECT_TRUE(windows->main->isVisible());

    const auto& types = GlobalVariables::GenDesignCulvertTypes;
    ASSERT_EQ(types.size(), 6u);
    EXPECT_EQ(types[1].ComboText, "RCP: Reinforced Concrete Pipe");
    EXPECT_EQ(types[1].StdSizeCaption, "Diameter (inches) - Barrels");
    EXPECT_EQ(types[1].Inlets[1].Description, "Square edge with headwall");
    EXPECT_DOUBLE_EQ(types[1].Inlets[1].Ke, 0.5);
    EXPECT_EQ(types[1].StdSizes[1].Label, "12 (inches) - Single");
    EXPECT_EQ(types[3].ComboText, "RCB: Reinforced Concrete Box");
    EXPECT_EQ(types[3].StdSizes[1].Label, "3 x 2 (feet) - Single");
    EXPECT_EQ(types[5].StdSizes[1].Label, "17 x 13 (inches) - Single");

    EXPECT_EQ(GlobalVariables::StdConcPipeSizes.size(), types[1].StdSizes.size());
    EXPECT_EQ(GlobalVariables::StdCMPSizes.size(), types[2].StdSizes.size());
    EXPECT_EQ(GlobalVariables::StdRCBoxSizes.size(), types[3].StdSizes.size());
    EXPECT_EQ(GlobalVariables::StdRCArchPipeSizes.size(), types[4].StdSizes.size());
    EXPECT_EQ(GlobalVariables::StdSteelPipeArchSizes.size(), types[5].StdSizes.size());
    EXPECT_EQ(GlobalVariables::StdRCBoxSizes[1].WidthInText, "36");

    // The hydrology lists that the windows and the Q-depth grids show.
    EXPECT_GT(GlobalVariables::NumRunoffChartReturnPeriods(), 0);
    EXPECT_GT(GlobalVariables::NumRunoffChartCovers(), 0);
    EXPECT_GT(GlobalVariables::NumRunoffChartSlopes(), 0);
    EXPECT_EQ(GlobalVariables::USGSReturnPeriods.at(1), 2);
    EXPECT_GT(modUSGSMavo1987::NumReturnPeriods(), 0);
}

TEST(CatalogueStartUp, AMissingCatalogueStopsStartUpWithOneMessage) {
    FakeDialogs user;
    const std::string missing = testing::TempDir() + "/no-catalogue-here/TWLDBUS.db";
    CatalogueDatabase::OverridePath(missing);
    auto windows = StartUp();
    CatalogueDatabase::OverridePath({});
    EXPECT_FALSE(windows);
    ExpectOneErrorAndNoWindow(user, "Catalogue database, file '" + missing +
                                        "': cannot be opened: unable to open database file, 3000");
}

TEST(CatalogueStartUp, AnEmptySizeTableStopsStartUpNamingTheTable) {
    FakeDialogs user;
    ChangedCatalogue catalogue("DELETE FROM VSHAStandardRCBoxSizes;");
    auto windows = StartUp();
    EXPECT_FALSE(windows);
    ExpectOneErrorAndNoWindow(user, "Catalogue database, table 'VSHAStandardRCBoxSizes': no "
                                    "current record (there are no rows), 3000");
}

TEST(CatalogueStartUp, AMissingHydrologyTableOrQueryStopsStartUpNamingIt) {
    struct Case {
        const char* change;
        const char* named;
    };
    const Case cases[] = {
        {"DROP TABLE TblVRCCover;", "TblVRCCover"},
        {"DELETE FROM StoredQueries WHERE Name = 'TblVRCChartQuery';", "TblVRCChartQuery"},
        {"DROP TABLE TblUSGSEq;", "TblUSGSEq"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        FakeDialogs user;
        ChangedCatalogue catalogue(c.change);
        auto windows = StartUp();
        EXPECT_FALSE(windows);
        ASSERT_EQ(user.shown.size(), 1u);
        EXPECT_NE(user.shown[0].text.toStdString().find(c.named), std::string::npos)
            << user.shown[0].text.toStdString();
        EXPECT_EQ(user.shown[0].title.toStdString(), "ERROR");
    }
}
