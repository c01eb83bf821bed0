#include "ProjectFixture.h"
#include "app/modGridEdit.h"
#include "hydrology/FrmUSGSRegression.h"
#include "hydrology/FrmVoskRunoffChart.h"
#include "hydrology/frmUSGSMavo1987.h"
#include "inlets/FrmDropInletDesign.h"
#include "inlets/FrmTaperedInletDesign.h"
#include "outlet_protection/CulvertInputBlock.h"
#include "outlet_protection/frmNEPlungeBasin.h"
#include "outlet_protection/frmScourHoleDesign.h"
#include "platform/FieldLimit.h"
#include "riprap_basin/frmHec14RipRap.h"
#include "standard_designs/FrmVSHAStandardDesigns.h"
#include "tailwater/FrmTailWaterCrossSection.h"
#include "tailwater/FrmTailWaterRatingCurve.h"
#include "tailwater/FrmTailwaterQDepth.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <functional>

namespace {

using Windows = StartUpMod::LoadedWindows;

struct LongTextCase {
    // The start of the record whose last field, a text, is made long.
    const char* record;
    std::function<QString(const Windows&)> shown;
};

// By default past Qt's default cap of 32,767 and short of the file's field
// limit; the digits cycle so that a text cut anywhere differs from it.
std::string LongText(size_t length = 60000) {
    std::string text;
    for (size_t i = 0; i < length; ++i) {
        text += static_cast<char>('0' + i % 10);
    }
    return text;
}

constexpr auto Limit = static_cast<qsizetype>(FieldLimit::MaxLength);

// Compared whole rather than printed: a failure shows only the lengths.
void ExpectText(const QString& shown, const QString& text) {
    EXPECT_EQ(shown.size(), text.size());
    EXPECT_TRUE(shown == text);
}

void CtrlV(FlexGrid& grid) {
    QTest::keyClick(&grid, Qt::Key_V, Qt::ControlModifier);
}

// `content` with the last field of the line that starts with `record` made `text`.
std::string WithLastField(const std::string& content, const std::string& record,
                          const std::string& text) {
    const size_t start = content.find("\r\n" + record) + 2;
    const size_t end = content.find("\r\n", start);
    const size_t lastField = content.rfind(',', end) + 1;
    return content.substr(0, lastField) + "\"" + text + "\"" + content.substr(end);
}

// One box (or grid cell) of each window the file fills, in the example project.
std::vector<LongTextCase> BoxesTheFileFills() {
    return {
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
}

using LongTexts = ProjectFileTest;

TEST_F(LongTexts, EveryBoxTheFileFillsTakesALongTextWholeAndSavesItBack) {
    const std::vector<LongTextCase> cases = BoxesTheFileFills();
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

// Every character of a text reaches its box, a zero-width no-break space
// before it (which editors put there) too, and a text that spells the end
// record's word is its record's text: each opens silently and saves back.
TEST_F(LongTexts, EveryBoxTheFileFillsKeepsEveryCharacterOfItsText) {
    const std::string example = FileBytes(TW_EXAMPLE_PROJECT).toStdString();
    ASSERT_FALSE(example.empty());
    for (const LongTextCase& c : BoxesTheFileFills()) {
        struct Text {
            std::string inFile;
            QString shown;
        };
        for (const Text& text : {Text{"\xEF\xBB\xBF"
                                      "12.5",
                                      QChar(0xFEFF) + QString("12.5")},
                                 Text{"end_of_file", "end_of_file"}}) {
            SCOPED_TRACE(std::string(c.record) + text.inFile);
            const std::string content = WithLastField(example, c.record, text.inFile);
            const QString path = Path("text.twl");
            WriteBytes(path, content);
            user.shown.clear();
            Open(path);
            EXPECT_EQ(user.MessageTexts(), std::vector<QString>());
            EXPECT_TRUE(c.shown(*windows) == text.shown) << c.shown(*windows).toStdString();
            SaveAs(Path("saved.twl"));
            EXPECT_TRUE(FileBytes(Path("saved.twl")).toStdString() == content);
        }
    }
}

// The most double quotes a site box and a design discharge cell take, pasted
// as the user pastes them, are saved as 65,536 apostrophes each, the longest
// field Open reads: the file opens without a word, the box and cell hold the
// apostrophes, and Save writes the file again byte for byte.
TEST_F(LongTexts, TheMostDoubleQuotesABoxAndACellTakeSaveAndOpenWhole) {
    Open(TW_EXAMPLE_PROJECT);
    ASSERT_TRUE(user.shown.empty());
    const QString quotes(Limit / 2, u'"');
    QApplication::clipboard()->setText(quotes);
    QLineEdit& box = *site->TxtCounty;
    box.selectAll();
    box.paste();
    FlexGrid& grid = *design->GrdDesignQs;
    grid.SetSelection(1, 1, 1, 1); // Return Period
    CtrlV(grid);
    ExpectText(box.text(), quotes);
    ExpectText(grid.TextMatrix(1, 1), quotes);

    const QString path = Path("quotes.twl");
    SaveAs(path);
    const QByteArray saved = FileBytes(path);
    New();
    user.shown.clear();
    Open(path);
    EXPECT_TRUE(user.shown.empty());
    ExpectCurrentFile(path);
    const QString apostrophes(Limit, u'\'');
    ExpectText(box.text(), apostrophes);
    ExpectText(grid.TextMatrix(1, 1), apostrophes);

    QFile::remove(path);
    main->mnuFileSave->trigger();
    EXPECT_TRUE(FileBytes(path) == saved);
}

// A full box or cell takes no character more, typed or pasted. Every paste
// into a grid cuts a text as a box cuts it, and refuses, with a word and
// nothing pasted, one whose double quotes take it past the limit; the project
// then saves and opens without a word.
TEST_F(LongTexts, AFullBoxOrCellTakesNoMoreAndEveryGridPasteKeepsToTheLimit) {
    Open(TW_EXAMPLE_PROJECT);
    const QString quotes(Limit / 2, u'"');
    QLineEdit& box = *site->TxtCounty;
    box.setText(quotes);
    box.end(false);
    QTest::keyClicks(&box, "x");
    QApplication::clipboard()->setText("\"");
    box.paste();
    ExpectText(box.text(), quotes);

    FlexGrid& designQs = *design->GrdDesignQs;
    designQs.SetSelection(1, 1, 1, 1);
    QApplication::clipboard()->setText(quotes);
    CtrlV(designQs);
    QTest::keyClick(&designQs, Qt::Key_F2);
    auto* editor = designQs.viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    ExpectText(editor->text(), quotes);
    editor->end(false);
    QTest::keyClicks(editor, "x");
    QApplication::clipboard()->setText("\"");
    editor->paste();
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the editor commits through a queued call
    ExpectText(designQs.TextMatrix(1, 1), quotes);

    struct GridPaste {
        const char* what;
        std::function<FlexGrid&(const Windows&)> grid;
        int col;
        std::function<void(MDIFrmMain&, FlexGrid&)> paste;
    };
    const auto ctrlV = [](MDIFrmMain&, FlexGrid& grid) { CtrlV(grid); };
    const auto editPaste = [](MDIFrmMain& main, FlexGrid& grid) {
        modGridEdit::EditGrid = &grid;
        main.mnuEditPaste->trigger();
    };
    const std::vector<GridPaste> pastes = {
        {"design discharges, Ctrl+V",
         [](const Windows& w) -> FlexGrid& { return *w.genDesign->GrdDesignQs; }, 1, ctrlV},
        {"channel points, Ctrl+V",
         [](const Windows& w) -> FlexGrid& { return *w.tailwaterCrossSection->GrdXSection; }, 1,
         ctrlV},
        {"channel points, Edit Paste",
         [](const Windows& w) -> FlexGrid& { return *w.tailwaterCrossSection->GrdXSection; }, 2,
         editPaste},
        {"Q-elevation, Ctrl+V",
         [](const Windows& w) -> FlexGrid& { return *w.tailwaterQDepth->GrdQElevCalc; }, 0, ctrlV},
        {"weir, Ctrl+V", [](const Windows& w) -> FlexGrid& { return *w.dropInlet->GrdWeirCalc; }, 1,
         ctrlV},
    };
    const QString cut = QString::fromStdString(LongText(FieldLimit::MaxLength));
    for (const GridPaste& c : pastes) {
        SCOPED_TRACE(c.what);
        FlexGrid& grid = c.grid(*windows);
        ASSERT_FALSE(grid.ColReadOnly(c.col));
        grid.SetSelection(1, c.col, 1, c.col);
        QApplication::clipboard()->setText(QString::fromStdString(LongText(70000)));
        c.paste(*main, grid);
        ExpectText(grid.TextMatrix(1, c.col), cut);
        EXPECT_TRUE(user.shown.empty());

        // The first line fits, the second does not: neither is pasted.
        QApplication::clipboard()->setText("1\r\n" + QString(Limit / 2 + 1, u'"'));
        grid.SetSelection(2, c.col, 2, c.col);
        const QStringList before = {grid.TextMatrix(2, c.col), grid.TextMatrix(3, c.col)};
        c.paste(*main, grid);
        EXPECT_EQ(QStringList({grid.TextMatrix(2, c.col), grid.TextMatrix(3, c.col)}), before);
        EXPECT_EQ(user.MessageTexts(),
                  std::vector<QString>({"A cell of the pasted text holds double quotes that, "
                                        "saved as two apostrophes each, take it past the 65536 "
                                        "characters a cell keeps. Nothing was pasted."}));
        user.shown.clear();
    }

    const QString path = Path("cut.twl");
    SaveAs(path);
    New();
    user.shown.clear();
    Open(path);
    EXPECT_TRUE(user.shown.empty());
    ExpectText(box.text(), QString(Limit, u'\''));
    for (const GridPaste& c : pastes) {
        SCOPED_TRACE(c.what);
        ExpectText(c.grid(*windows).TextMatrix(1, c.col), cut);
    }
}

} // namespace
