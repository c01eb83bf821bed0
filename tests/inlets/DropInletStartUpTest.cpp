// The drop inlet in the whole program: loaded at start-up from the shipped
// catalogue, offered in the Culvert menu, with its help page on F1.
#include "ProgramFixture.h"
#include "inlets/DropInletMod.h"
#include "inlets/FrmDropInletDesign.h"
#include "platform/CatalogueDatabase.h"
#include "platform/HelpPages.h"

#include <QLineEdit>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTest>

#include <sqlite3.h>

#include <filesystem>

using DropInletProgram = ProgramTest;

TEST_F(DropInletProgram, TheMenuItemShowsTheClearedWindowAndF1OpensItsPage) {
    FrmDropInletDesign* drop = windows->dropInlet;
    ASSERT_TRUE(drop);
    // Start-up cleared the project after the window took the catalogue's
    // default option, so the headwater calculation is the one chosen.
    EXPECT_TRUE(drop->OptWeirCalc[WidthAndLengthGivenComputeHW]->isChecked());
    EXPECT_EQ(DropInletMod::Parameters.NumRCBBarrels, 3);

    ASSERT_TRUE(main->mnuDropInlet->isEnabled());
    main->mnuDropInlet->trigger();
    EXPECT_TRUE(drop->Frame()->isVisible());

    drop->TxtDP[0]->setFocus();
    QTest::keyClick(drop->TxtDP[0], Qt::Key_F1);
    EXPECT_TRUE(user.MessageTexts().empty());
    EXPECT_EQ(HelpPages::ShownPage(), HelpPages::Path("drop_inlet_design.html"));
}

TEST(DropInletStartUp, AConstantThatIsNoNumberStopsStartUpNamingTheQuery) {
    FakeDialogs user;
    const std::string path =
        (std::filesystem::temp_directory_path() / "tarnwell-drop-inlet-catalogue.db").string();
    std::filesystem::copy_file(CatalogueDatabase::Path(), path,
                               std::filesystem::copy_options::overwrite_existing);
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db,
                 "UPDATE TblDropInletParameters SET Value1 = NULL WHERE Parm = 'WeirHPowCoeff';",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
    CatalogueDatabase::OverridePath(path);
    StartUpMod::Options options;
    options.splashMillis = 0;
    auto windows = StartUpMod::Main(options);
    CatalogueDatabase::OverridePath({});
    std::filesystem::remove(path);

    EXPECT_FALSE(windows);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].title, "ERROR");
    EXPECT_EQ(user.shown[0].text.toStdString(),
              "Catalogue database, stored query 'DropInletParametersQuery': row 1, field 'Value1' "
              "is NULL, 3000");
}
