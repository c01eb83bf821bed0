#include "app/PrtSiteIDHeader.h"

#include "platform/Numbers.h"
#include "platform/ReportTextFit.h"
#include "platform/TwipsPrinter.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace PrtSiteIDHeader {
namespace {

constexpr float Left = 1000;
constexpr float ColumnMargin = 300;
constexpr float RowGap = 30;
constexpr float HeaderPoints = 9;

QString Trimmed(const SiteFields& fields, SiteField which) {
    return QString::fromStdString(Numbers::Trim(Field(fields, which).text.toStdString()));
}

} // namespace

void PrintSiteIDHeader(TwipsPrinter& printer, float& y, const SiteFields& fields) {
    QString numberCaption = QStringLiteral("File Number");
    QString number = Trimmed(fields, SiteField::FileNumber);
    if (number.isEmpty()) {
        numberCaption = QStringLiteral("Project Number");
        number = Trimmed(fields, SiteField::ProjectNumber);
    }
    std::array<std::array<QString, 3>, 2> rows{{
        {QStringLiteral("County"), numberCaption, QStringLiteral("Station")},
        {Trimmed(fields, SiteField::County), number, Trimmed(fields, SiteField::StructureLocation)},
    }};

    // Whole points, halves to even, as the caller gets its size back.
    const float callerPoints = std::nearbyint(printer.FontSize());
    printer.SetFontSize(HeaderPoints);

    // The box stays within the page's margins on one line: values too long
    // for their share of the width are shortened. A value wider than the
    // whole width gets a share whatever its width, so it is measured only as
    // far as that width: the header is on every page.
    const float total = printer.ScaleWidth() - 2 * Left - 3 * ColumnMargin;
    std::array<float, 3> wanted{};
    for (size_t c = 0; c < 3; ++c) {
        wanted[c] = std::max(printer.TextWidth(rows[0][c]),
                             ReportTextFit::WidthUpTo(printer, rows[1][c], total));
    }
    const std::vector<float> widths = ReportTextFit::ShareWidth(wanted, total);
    std::array<float, 4> edges{Left};
    for (size_t c = 0; c < 3; ++c) {
        rows[1][c] = ReportTextFit::Elide(printer, rows[1][c], widths[c]);
        edges[c + 1] = edges[c] + widths[c] + ColumnMargin;
    }
    const float shift = printer.ScaleWidth() / 2 - (edges[3] - edges[0]) / 2 - edges[0];

    printer.SetCurrentY(y);
    const float top = printer.CurrentY();
    printer.Line(shift + edges[0], top, shift + edges[3], top);
    float bottom = top;
    for (const auto& row : rows) {
        printer.SetCurrentY(printer.CurrentY() + RowGap);
        for (size_t c = 0; c < 3; ++c) {
            float middle = shift + (edges[c] + edges[c + 1]) / 2;
            printer.SetCurrentX(middle - printer.TextWidth(row[c]) / 2);
            printer.Print(row[c]);
        }
        printer.PrintLine();
        printer.SetCurrentY(printer.CurrentY() + RowGap);
        bottom = printer.CurrentY();
        printer.Line(shift + edges[0], bottom, shift + edges[3], bottom);
    }
    for (float edge : edges) {
        printer.Line(shift + edge, top, shift + edge, bottom);
    }

    printer.SetFontSize(callerPoints);
    y = printer.CurrentY();
}

} // namespace PrtSiteIDHeader
