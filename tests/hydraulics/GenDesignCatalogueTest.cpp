// The standard-size lists, captions, labels and display texts of the culvert
// types, and the two word procedures.

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

#include <string>
#include <vector>

namespace {

using GlobalVariables::GenDesignCulvertTypes;
using Texts = std::vector<std::string>;

// Start-up's order: the five size tables, then the types, then their lists.
void LoadCatalogue() {
    StandardPipeMod::LoadStandardConcPipeSizes();
    StandardRCBoxMod::LoadStandardRCBoxSizes();
    StandardCorrMetalPipeMod::LoadStandardCMPSizes();
    StandardRCArchPipe::LoadStandardRCArchPipeSizes();
    StandardSteelPipeArchMod::LoadStandardSteelPipeArchSizes();
    GenDesign::LoadGenDesignCulvertTypes();
    GenDesign::BuildStandardSizeLists();
}

const GenDesignCulvertType& Type(int id) {
    for (const GenDesignCulvertType& type : GenDesignCulvertTypes) {
        if (type.IDNum == id) {
            return type;
        }
    }
    throw std::out_of_range("no culvert type " + std::to_string(id));
}

Texts Labels(const GenDesignCulvertType& type) {
    Texts labels;
    for (const GenStandardSize& size : type.StdSizes) {
        labels.push_back(size.Label);
    }
    return labels;
}

} // namespace

TEST(GenDesignCatalogue, CaptionsFollowShapeAndUnits) {
    CatalogueFixture fixture(kCatalogueSql);
    LoadCatalogue();
    EXPECT_EQ(Type(7).StdSizeCaption, "Diameter (inches) - Barrels");
    EXPECT_EQ(Type(3).StdSizeCaption, "Width x Height (feet) - Barrels");
    EXPECT_EQ(Type(4).StdSizeCaption, "Span x Rise (inches) - Barrels");
    EXPECT_EQ(Type(6).StdSizeCaption, "Width x Height () - Barrels");
    EXPECT_EQ(Type(8).StdSizeCaption, "Diameter (inches) - Barrels");
}

TEST(GenDesignCatalogue, EachTypeListsEveryRowOfItsFamilyInOrder) {
    CatalogueFixture fixture(kCatalogueSql);
    LoadCatalogue();
    EXPECT_EQ(Labels(Type(7)),
              (Texts{"", "48 (inches) - Single", "48 (inches) - Twin", "15 (inches) - Single"}));
    EXPECT_EQ(Labels(Type(9)),
              (Texts{"", "48 (inches) - Single", "36 (inches) - Triple", "12 (inches) - Single"}));
    // A row of four barrels has no word for its count.
    EXPECT_EQ(Labels(Type(3)),
              (Texts{"", "6 x 4 (feet) - Twin", "6 x 4 (feet) - Single", "3 x 2 (feet) -  "}));
    EXPECT_EQ(Labels(Type(5)), (Texts{"", "60 x 45 (inches) - Single"}));
    // An unknown unit shows every number as 0.
    EXPECT_EQ(Labels(Type(6)), (Texts{"", "0 x 0 () - Twin", "0 x 0 () - Single", "0 x 0 () -  "}));
    EXPECT_EQ(Type(8).StdSizes.size(), 1u);

    const GenStandardSize& twin = Type(3).StdSizes[1];
    EXPECT_EQ(twin.StdIDNum, 20604);
    EXPECT_EQ(twin.NumBarrels, 2);
    EXPECT_EQ(twin.SizesFt, (std::vector<double>{0, 6, 4}));
    EXPECT_EQ(twin.DisplayTexts, (Texts{"", "6", "4"}));
    EXPECT_EQ(Type(6).StdSizes[1].DisplayTexts, (Texts{"", "0", "0"}));

    const GenStandardSize& pipe = Type(7).StdSizes[3];
    EXPECT_EQ(pipe.StdIDNum, 1015);
    EXPECT_EQ(pipe.SizesFt, (std::vector<double>{0, 1.25}));
    EXPECT_EQ(pipe.DisplayTexts, (Texts{"", "15"}));
}

TEST(GenDesignCatalogue, ArchLabelsShowTheStoredTextsAndSizesHoldTheInchFieldsInFeet) {
    CatalogueFixture fixture(kCatalogueSql);
    LoadCatalogue();
    const GenDesignCulvertType& arch = Type(4);
    ASSERT_EQ(arch.StdSizes.size(), 3u);
    const GenStandardSize& size = arch.StdSizes[2];
    EXPECT_EQ(size.Label, "22 x 13.5 (inches) - Twin");
    EXPECT_EQ(size.DisplayTexts, (Texts{"", "22", "13.5"}));
    EXPECT_EQ(size.StdIDNum, 202);
    // Span, rise, bottom, top, corner radius.
    ASSERT_EQ(size.SizesFt.size(), 6u);
    EXPECT_DOUBLE_EQ(size.SizesFt[1], 22.5 / 12);
    EXPECT_DOUBLE_EQ(size.SizesFt[2], 13.5 / 12);
    EXPECT_DOUBLE_EQ(size.SizesFt[3], 27.5 / 12);
    EXPECT_DOUBLE_EQ(size.SizesFt[4], 13.75 / 12);
    EXPECT_DOUBLE_EQ(size.SizesFt[5], 5.25 / 12);
}

TEST(GenDesignCatalogue, ALabelShowsTheFeetOfATypeShownInFeet) {
    EXPECT_EQ(GenDesign::FormatStandardSizeLabel(15, 0, 1.25, 0, 1, 2, 3), "1.25 (feet) - Triple");
    EXPECT_EQ(GenDesign::FormatStandardSizeLabel(72, 48, 6, 4, 2, 1, 1),
              "72 x 48 (inches) - Single");
    EXPECT_EQ(GenDesign::FormatStandardSizeLabel(72, 48, 6, 4, 4, 1, 1), " ");
}

TEST(GenDesignCatalogue, DisplayTextsOfAnUnknownShapeStayAsTheyWere) {
    Texts texts{"", "kept"};
    GenDesign::SetStandardSizeDisplayTexts(72, 48, 6, 4, 0, 1, texts);
    EXPECT_EQ(texts, (Texts{"", "kept"}));
    GenDesign::SetStandardSizeDisplayTexts(15, 0, 1.25, 0, 1, 2, texts);
    EXPECT_EQ(texts, (Texts{"", "1.25"}));
}

TEST(GenDesignCatalogue, BarrelCountAndUnitWords) {
    const std::pair<int, const char*> barrels[] = {{1, "Single"}, {2, "Twin"}, {3, "Triple"},
                                                   {0, " "},      {4, " "},    {-1, " "}};
    for (const auto& [n, word] : barrels) {
        EXPECT_EQ(GenDesign::GetBarrelCountWord(n), word) << n;
    }
    const std::pair<int, const char*> units[] = {{1, "inches"}, {2, "feet"}, {0, ""}, {3, ""}};
    for (const auto& [code, word] : units) {
        EXPECT_EQ(GenDesign::GetUnitsWord(code), word) << code;
    }
}

TEST(GenDesignCatalogue, ASizeCountTooSmallForItsFamilyStopsTheBuild) {
    CatalogueFixture fixture(kCatalogueSql +
                             "UPDATE Types SET NumSizeParameters = 1 WHERE IDNum = 3;");
    try {
        LoadCatalogue();
        FAIL() << "no fault";
    } catch (const AppError& error) {
        EXPECT_EQ(error.description,
                  "Catalogue database, culvert type 3 (RCB): NumSizeParameters 1 leaves no room "
                  "for the 2 size values of its standard sizes");
    }
}

TEST(GenDesignCatalogue, AnArchTextThatIsNoNumberStopsTheBuild) {
    CatalogueFixture fixture(kCatalogueSql +
                             "UPDATE TblVSHASteelPipeArch SET RiseTxtIn = '45 in';");
    try {
        LoadCatalogue();
        FAIL() << "no fault";
    } catch (const AppError& error) {
        EXPECT_EQ(error.description, "Catalogue database, table 'TblVSHASteelPipeArch': size "
                                     "101: rise text '45 in' is not a number");
    }
}
