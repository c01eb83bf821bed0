#include "project_file/SiteIDRecords.h"

#include "project_file/FieldReader.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"
#include "project_file/SkippedRecord.h"
#include "project_file/Tools.h"

namespace SiteIDRecords {

void Write(RecordWriter& out, const Texts& texts) {
    for (int item = 1; item <= NumItems; ++item) {
        out.Text(ProjectFileFormat::Markers::SiteIDInfo)
            .Integer(item)
            .Text(Tools::StoredText(texts[item - 1]))
            .EndRecord();
    }
}

void ReadRecord(FieldReader& in, const std::function<void(int, const std::string&)>& setText) {
    int item = in.ReadInteger();
    if (item < 1 || item > NumItems) {
        SkippedRecord::Skip(SkippedRecord::UnknownItem);
    }
    setText(item, in.ReadText());
}

} // namespace SiteIDRecords
