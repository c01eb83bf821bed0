#include "project_file/SiteIDInfo.h"

#include "app/FrmSiteIdentification.h"
#include "platform/UiText.h"
#include "project_file/FieldReader.h"
#include "project_file/SiteIDRecords.h"

namespace FileHandling {

// The section's items 1 to 8 are the site fields in their one order.
static_assert(SiteIDRecords::NumItems == std::tuple_size_v<SiteFields>);

void WriteSiteIDInfo(RecordWriter& out) {
    const SiteFields fields = FrmSiteIdentification::Instance()->Fields();
    SiteIDRecords::Texts texts;
    for (size_t i = 0; i < fields.size(); ++i) {
        texts[i] = fields[i].text.toStdString();
    }
    SiteIDRecords::Write(out, texts);
}

void ReadSiteIDInfo(FieldReader& in) {
    SiteIDRecords::ReadRecord(in, [](int item, const std::string& text) {
        FrmSiteIdentification::Instance()->SetFieldText(static_cast<SiteField>(item - 1),
                                                        ToQString(text));
    });
}

} // namespace FileHandling
