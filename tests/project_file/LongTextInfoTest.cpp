#include "ProjectFixture.h"
#include "hydrology/FrmUSGSRegression.h"
#include "hydrology/FrmVoskRunoffChart.h"
#include "hydrology/frmUSGSMavo1987.h"
#include "inlets/FrmDropInletDesign.h"
#include "inlets/FrmTaperedInletDesign.h"
#include "outlet_protection/CulvertInputBlock.h"
#include "outlet_protection/frmNEPlungeBasin.h"
#include "outlet_protection/frmScourHoleDesign.h"
#include "riprap_basin/frmHec14RipRap.h"
#include "standard_designs/FrmVSHAStandardDesigns.h"
#include "tailwater/FrmTailWaterCrossSection.h"
#include "tailwater/FrmTailWaterRatingCurve.h"
#include "tailwater/FrmTailwaterQDepth.h"

#include <functional>

namespace {

using Windows = StartUpMod::LoadedWindows;

struct LongTextCase {
    // The start of the record whose last field, a text, is made long.
    const char* record;
    std::function<QString(const Windows&)> shown;
};

// Past Qt's default cap of 32,767 and short of the file's field limit; the
// digits cycle so that a text cut anywhere differs from it.
std::string LongText() {
    std::string text;
    for (int i = 0; i < 60000; ++i) {
        text += static_cast<char>('0' + i % 10);
    }
    return text;
}

// `content` with the last field of the line that starts with `record` made `text`.
std::string WithLastField(const std::string& content, const std::string& record,
                          const std::string& text) {
    const size_t start = content.find("\r\n" + record) + 2;
    const size_t end = content.find("\r\n", start);
    const size_t lastField = content.rfind(',', end) + 1;
    return content.substr(0, lastField) + "\"" + text + "\"" + content.substr(end);
}

using LongTexts = ProjectFileTest;

// One box (or grid cell) of each window the file fills, in the example project.
TEST_F(LongTexts, EveryBoxTheFileFillsTakesALongTextWholeAndSavesItBack) {
    const std::vector<LongTextCase> cases = {
        {"\"SITEIDINFO7438579\",3,",
         [](const Windows& w) { return w.siteIdentification->TxtCounty->text(); }},
        {"\"VOSKRUNOFFCHARTINFO328457\",5,",
         [](const Windows& w) { return w.voskRunoffChart->Txt_VRC_UserLUSDescript->text(); }},
        {"\"USGSRUNOFFINFO847338\",2,0,",
         [](const Windows& w) { return w.usgsRegression->TxtWSChar[0]->text(); }},
        {"\"[USGSMAVO1987DAQ]\",0,3,",
         [](const Windows& w) { return w.usgsMavo1987->TxtDA[2]->text(); }},
        {"\"TAILWATERCROSSSECTIONINFO432078\",4,",
         [](const Windows& w) { return w.tailwaterCrossSection->TxtChannelSlope->text(); }},
        {"\"TAILWATERRATINGCURVEINFO43582\",2,",
         [](const Windows& w) { return w.tailwaterRatingCurve->TxtRCStepSize->text(); }},
        {"\"TWQDEPTHINFO34853\",2,1,2,",
         [](const Windows& w) { return w.tailwaterQDepth->GrdQElevCalc->TextMatrix(1, 2); }},
        {"\"VSHASTANDARDDESIGNINFO2379\",1,",
         [](const Windows& w) { return w.standardDesigns->txtTotalQ->text(); }},
        {"\"TAPEREDINLETDESIGNINFO98384\",2,",
         [](const Windows& w) { return w.taperedInlet->TxtHMaxAuto->text(); }},
        {"\"DROPINLETDESIGNINFO837321\",26,",
         [](const Windows& w) { return w.dropInlet->TxtDP[6]->text(); }},
        {"\"GENERALDESIGNINFO271829\",6,",
         [](const Windows& w) { return w.genDesign->TxtAllowableHeadWaterElevation->text(); }},
        {"\"GENERALDESIGNINFO271829\",1,1,2,",
         [](const Windows& w) { return w.genDesign->GrdDesignQs->TextMatrix(1, 2); }},
        {"\"NESCOURHOLEINFO620\",10,1,1,",
         [](const Windows& w) { return w.scourHole->txtNEScourHoleCulvertDiam[1]->text(); }},
        {"\"NEPLUNGEBASIN847363\",5,",
         [](const Windows& w) { return w.plungeBasin->Frame2->TxtCulvertBarrelLength->text(); }},
        {"\"NEPLUNGEBASIN847363\",31,",
         [](const Windows& w) { return w.plungeBasin->txtW->text(); }},
        {"\"HEC14RIPRAP857982\",6,",
         [](const Windows& w) { return w.riprapBasin->txtChannelBottomElevation->text(); }},
    };
    const std::string example = FileBytes(TW_EXAMPLE_PROJECT).toStdString();
    ASSERT_FALSE(example.empty());
    const std::string text = LongText();
    for (const LongTextCase& c : cases) {
        SCOPED_TRACE(c.record);
        ASSERT_NE(example.find("\r\n" + std::string(c.record)), std::string::npos);
        const std::string content = WithLastField(example, c.record, text);
        const QString path = Path("long.twl");
        WriteBytes(path, content);
        Open(path);
        EXPECT_TRUE(user.shown.empty());
        // Compared whole rather than printed: a failure shows only the lengths.
        EXPECT_EQ(c.shown(*windows).size(), static_cast<qsizetype>(text.size()));
        EXPECT_TRUE(c.shown(*windows).toStdString() == text);

        const QString saved = Path("saved.twl");
        SaveAs(saved);
        EXPECT_EQ(FileBytes(saved).size(), static_cast<qsizetype>(content.size()));
        EXPECT_TRUE(FileBytes(saved).toStdString() == content);
        user.shown.clear();
    }
}

} // namespace
