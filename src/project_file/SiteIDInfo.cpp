#include "project_file/SiteIDInfo.h"

#include "app/FrmSiteIdentification.h"
#include "project_file/SiteIDRecords.h"

#include <QLineEdit>

namespace FileHandling {
namespace {

// The boxes in item order.
std::array<QLineEdit*, SiteIDRecords::NumItems> Boxes() {
    FrmSiteIdentification& w = *FrmSiteIdentification::Instance();
    return {w.TxtFileNumber,    w.TxtDesignNumber,      w.TxtCounty, w.TxtProject,
            w.TxtProjectNumber, w.TxtStructureLocation, w.TxtStream, w.TxtDesigner};
}

} // namespace

void WriteSiteIDInfo(RecordWriter& out) {
    SiteIDRecords::Texts texts;
    auto boxes = Boxes();
    for (size_t i = 0; i < boxes.size(); ++i) {
        texts[i] = boxes[i]->text().toStdString();
    }
    SiteIDRecords::Write(out, texts);
}

void ReadSiteIDInfo(FieldReader& in) {
    SiteIDRecords::ReadRecord(in, [](int item, const std::string& text) {
        Boxes()[item - 1]->setText(QString::fromStdString(text));
    });
}

} // namespace FileHandling
