#include "tailwater/RatingTableExport.h"

#include "platform/Numbers.h"
#include "platform/TextExport.h"
#include "tailwater/RatingTableColumns.h"
#include "tailwater/TableRows.h"

namespace RatingTableExport {
namespace {

using Numbers::Trim;

template <class Fields> void WriteFieldsLine(TextExportWriter& out, const Fields& fields) {
    for (const auto& field : fields) {
        out.ContinuedField(Trim(field));
    }
    out.LineEnd();
}

} // namespace

std::string ExportText(const RatingCurveContents& contents, const ExportSiteIdentity& site) {
    TextExportWriter out;
    WriteExportSiteHeader(out, site);
    out.LineEnd();
    out.ContinuedField("TAILWATER RATING CURVE TABLE").LineEnd();
    out.LineEnd();
    out.ContinuedField("Step Size (ft):").ContinuedField(Trim(contents.stepSize)).LineEnd();
    out.LineEnd();
    WriteFieldsLine(out, RatingTableColumns::Names);
    WriteFieldsLine(out, RatingTableColumns::Units);
    for (size_t r : RowsWithText(contents.rows)) {
        WriteFieldsLine(out, contents.rows[r]);
    }
    return out.Output();
}

} // namespace RatingTableExport
