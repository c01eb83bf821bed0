#include "app/PrtSiteID.h"

#include "platform/Numbers.h"
#include "platform/ReportTextFit.h"
#include "platform/TwipsPrinter.h"

#include <algorithm>
#include <array>

namespace PrtSiteID {
namespace {

constexpr float Left = 1000;
constexpr float MinColumnWidth = 1000;
constexpr float ColumnMargin = 300;
constexpr float CellGap = 50;
constexpr float RowGap = 30;
constexpr int MaxValueLines = 2;

// The widest of the texts, measured only as far as `room`.
float WidestText(const TwipsPrinter& printer, const std::array<QString, 8>& texts, float room) {
    float widest = MinColumnWidth;
    for (const QString& text : texts) {
        widest = std::max(widest, ReportTextFit::WidthUpTo(printer, text, room));
    }
    return widest;
}

} // namespace

void PrintSiteID(TwipsPrinter& printer, float& y, const SiteFields& fields) {
    PrintAgencyTitle(printer, y);
    PrintSiteIDFields(printer, y, fields);
}

void PrintAgencyTitle(TwipsPrinter& printer, float& y) {
    printer.SetCurrentX(Left);
    printer.SetCurrentY(y);
    printer.SetFontBold(true);
    printer.PrintLine(QStringLiteral("Vosk State Highway Agency"));
    printer.SetFontBold(false);
    printer.SetCurrentY(printer.CurrentY() + RowGap);
    y = printer.CurrentY();
}

void PrintSiteIDFields(TwipsPrinter& printer, float& y, const SiteFields& fields) {
    printer.SetCurrentY(y);
    std::array<QString, 8> captions;
    std::array<QString, 8> values;
    for (size_t i = 0; i < fields.size(); ++i) {
        captions[i] = fields[i].caption + ":";
        values[i] = QString::fromStdString(Numbers::Trim(fields[i].text.toStdString()));
    }
    const float x0 = Left;
    const float x1 = x0 + WidestText(printer, captions, printer.ScaleWidth()) + ColumnMargin;
    // A value too long for the page wraps within its column, which ends as
    // far from the right edge as the block starts from the left, onto a
    // second line at most, so that the report below still fits its page.
    const float valueRoom = printer.ScaleWidth() - Left - x1 - ColumnMargin;
    const float valueWidth = std::min(WidestText(printer, values, valueRoom), valueRoom);
    const float x2 = x1 + valueWidth + ColumnMargin;

    const float top = printer.CurrentY();
    printer.Line(x0, top, x2, top);
    for (size_t i = 0; i < captions.size(); ++i) {
        printer.SetCurrentY(printer.CurrentY() + RowGap);
        printer.SetCurrentX(x1 - printer.TextWidth(captions[i]) - CellGap);
        printer.Print(captions[i]);
        for (const QString& line :
             ReportTextFit::Wrap(printer, values[i], valueWidth, MaxValueLines)) {
            printer.SetCurrentX(x1 + CellGap);
            printer.PrintLine(line);
        }
        printer.SetCurrentY(printer.CurrentY() + RowGap);
        printer.Line(x0, printer.CurrentY(), x2, printer.CurrentY());
    }
    const float bottom = printer.CurrentY();
    for (float x : {x0, x1, x2}) {
        printer.Line(x, top, x, bottom);
    }
    y = bottom;
}

} // namespace PrtSiteID
