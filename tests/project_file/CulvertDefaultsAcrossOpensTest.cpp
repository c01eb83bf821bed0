// A file's own Manning n and Ke outweigh the culvert type's and inlet's
// defaults for the read that gives them, and for that read alone: the next
// Open, of a file that gives none, shows the catalogue's values for the type
// and inlet it chooses, and a save writes those.
#include "ProjectFixture.h"
#include "outlet_protection/CulvertInputBlock.h"
#include "outlet_protection/frmNEPlungeBasin.h"
#include "riprap_basin/frmHec14RipRap.h"

#include <functional>

namespace {

using CulvertDefaultsAcrossOpens = ProjectFileTest;

struct NAndKe {
    QLineEdit* manningN;
    QLineEdit* ke;
};

// A section that carries the culvert inputs, and its Manning n and Ke boxes.
struct CulvertSection {
    std::string marker;
    std::function<NAndKe(const StartUpMod::LoadedWindows&)> boxes;
};

NAndKe BlockBoxes(const CulvertInputBlock& block) {
    return {block.TxtManningN, block.TxtKeInlet};
}

const CulvertSection Sections[] = {
    {"\"GENERALDESIGNINFO271829\",",
     [](const StartUpMod::LoadedWindows& w) {
         return NAndKe{w.genDesign->TxtManningN, w.genDesign->TxtKeInlet};
     }},
    {"\"NEPLUNGEBASIN847363\",",
     [](const StartUpMod::LoadedWindows& w) { return BlockBoxes(*w.plungeBasin->Frame2); }},
    {"\"HEC14RIPRAP857982\",",
     [](const StartUpMod::LoadedWindows& w) { return BlockBoxes(*w.riprapBasin->Frame2); }},
};

// The corrugated steel pipe-arch (type 5) as data/catalogue lists it: its
// Manning n in 10_culvert_types.sql, the Ke of its projecting inlet (503) in
// 11_culvert_inlets.sql. Both differ from those of the first type, reinforced
// concrete pipe with a square edge (0.012 and 0.5), which a cleared window shows.
const QString PipeArchManningN = "0.024";
const QString ProjectingPipeArchKe = "0.9";

} // namespace

TEST_F(CulvertDefaultsAcrossOpens,
       ACatalogueChoiceWithoutNAndKeShowsTheCataloguesAfterAFileOfItsOwn) {
    for (const CulvertSection& section : Sections) {
        SCOPED_TRACE(section.marker);
        const NAndKe boxes = section.boxes(*windows);
        const std::string& m = section.marker;
        // The file's n and Ke before its choice, which must not replace them.
        WriteBytes(Path("own.twl"), ProjectFile(m + "8,\"0.015\"\r\n" + m + "9,\"0.7\"\r\n" + m +
                                                "7,3,306,20604\r\n"));
        Open(Path("own.twl"));
        ASSERT_EQ(user.MessageTexts(), std::vector<QString>());
        ASSERT_EQ(boxes.manningN->text().trimmed(), "0.015");
        ASSERT_EQ(boxes.ke->text().trimmed(), "0.7");

        // A twin 28 x 20 in pipe-arch with a projecting inlet, no n and no Ke.
        WriteBytes(Path("catalogue.twl"), ProjectFile(m + "7,5,503,204\r\n"));
        Open(Path("catalogue.twl"));
        ASSERT_EQ(user.MessageTexts(), std::vector<QString>());
        EXPECT_EQ(boxes.manningN->text().trimmed(), PipeArchManningN);
        EXPECT_EQ(boxes.ke->text().trimmed(), ProjectingPipeArchKe);

        SaveAs(Path("saved.twl"));
        const QByteArray saved = FileBytes(Path("saved.twl"));
        EXPECT_TRUE(saved.contains(m + "8,\"" + PipeArchManningN.toStdString() + "\"\r\n"));
        EXPECT_TRUE(saved.contains(m + "9,\"" + ProjectingPipeArchKe.toStdString() + "\"\r\n"));
    }
}
