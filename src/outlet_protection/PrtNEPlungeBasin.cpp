#include "outlet_protection/PrtNEPlungeBasin.h"

#include "app/FrmSiteIdentification.h"
#include "app/PrtSiteIDHeader.h"
#include "hydraulics/CatalogueTables.h"
#include "outlet_protection/CulvertInputReport.h"
#include "outlet_protection/frmNEPlungeBasin.h"
#include "platform/Numbers.h"
#include "platform/TwipsPrinter.h"
#include "platform/UiText.h"

namespace PrtNEPlungeBasin {
namespace {

using CulvertInputReport::PrintLabelledValues;

constexpr float Wide = 1500;   // least column width of the pipe and riprap tables
constexpr float Narrow = 1200; // of the basin tables' short columns

QString Trimmed(const std::string& text) {
    return ToQString(Numbers::Trim(text));
}

QString Padded(const std::string& text) {
    return " " + Trimmed(text) + " ";
}

} // namespace

void PrintNEPlungeBasin(TwipsPrinter& printer) {
    const PlungeBasinContents contents = frmNEPlungeBasin::Instance()->Contents();
    PrintContents(printer, contents, CulvertInputReport::ChosenType(contents.culvert),
                  FrmSiteIdentification::CurrentFields());
}

void PrintContents(TwipsPrinter& printer, const PlungeBasinContents& contents,
                   const GenDesignCulvertType& type, const SiteFields& fields) {
    printer.SetOrientation(PageOrientation::Portrait);
    printer.SetFontName(QStringLiteral("Arial"));
    printer.SetFontSize(10);
    float y = 400;
    PrtSiteIDHeader::PrintSiteIDHeader(printer, y, fields);
    y += 200;
    PrintTitle(printer, y);
    CulvertInputReport::PrintInvertsLength(printer, y, contents.culvert);
    CulvertInputReport::PrintCulvertTypeData(printer, y, contents.culvert);
    CulvertInputReport::PrintBarrelSize(printer, y, contents.culvert, type);
    PrintDesignQTW(printer, y, contents);
    PrintPipeDiameters(printer, y, contents);
    PrintSectionHeading(printer, y);
    PrintRiprap(printer, y, contents);
    PrintBasinDims(printer, y, contents);
    PrintBasinWidthLength(printer, y, contents);
    printer.EndDoc();
}

void PrintTitle(TwipsPrinter& printer, float& y) {
    CulvertInputReport::PrintTitle(printer, y, QStringLiteral("NE PLUNGE BASIN DESIGN"));
}

void PrintDesignQTW(TwipsPrinter& printer, float& y, const PlungeBasinContents& contents) {
    CulvertInputReport::PrintDesignQTW(printer, y, contents.designQ, contents.tailwaterDepth);
}

void PrintPipeDiameters(TwipsPrinter& printer, float& y, const PlungeBasinContents& contents) {
    PrintLabelledValues(
        printer, y,
        {"Equivalent Pipe Diameter (in)", "Design Pipe Diameter (in)", "Exit Velocity (ft/s)"},
        {Trimmed(contents.equivPipeDiam), Trimmed(contents.designPipeDiam),
         Trimmed(contents.exitVelocity)},
        Wide, 20);
}

void PrintSectionHeading(TwipsPrinter& printer, float& y) {
    CulvertInputReport::PrintSectionHeading(printer, y, QStringLiteral("BASIN DIMENSIONS"));
}

void PrintRiprap(TwipsPrinter& printer, float& y, const PlungeBasinContents& contents) {
    PrintLabelledValues(printer, y, {"Riprap Size, D-50 (ft) ", "Riprap Thickness (ft) "},
                        {" " + Trimmed(contents.d50) + " or " + ToQString(contents.riprapClass),
                         Padded(contents.riprapThickness)},
                        Wide, 10);
}

void PrintBasinDims(TwipsPrinter& printer, float& y, const PlungeBasinContents& contents) {
    PrintLabelledValues(printer, y, {"A (ft)", "C (ft)", "E (ft)", "T (ft)", "F (ft)"},
                        {Trimmed(contents.aDim), Trimmed(contents.cDim), Trimmed(contents.eDim),
                         Trimmed(contents.tDim), Trimmed(contents.fDim)},
                        Narrow, 20);
}

void PrintBasinWidthLength(TwipsPrinter& printer, float& y, const PlungeBasinContents& contents) {
    PrintLabelledValues(printer, y, {"W (ft)", "Total Length (ft)"},
                        {Trimmed(contents.w), Trimmed(contents.totalLength)}, Narrow, 20);
}

} // namespace PrtNEPlungeBasin
