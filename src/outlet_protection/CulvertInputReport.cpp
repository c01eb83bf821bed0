#include "outlet_protection/CulvertInputReport.h"

#include "hydraulics/CatalogueTables.h"

#include "hydraulics/GenDesign.h"
#include "hydraulics/GenDesignCatalogue.h"
#include "platform/Numbers.h"
#include "platform/TwipsPrinter.h"
#include "platform/UiText.h"

#include <algorithm>

namespace CulvertInputReport {
namespace {

constexpr float NarrowBelow = 1500;
constexpr float TableAbove = 250;

QString Trimmed(const std::string& text) {
    return ToQString(Numbers::Trim(text));
}

QString Padded(const std::string& text) {
    return " " + Trimmed(text) + " ";
}

// Entry `index` (from 1) of a catalogue list, or "" where it has none.
QString EntryText(const std::vector<std::string>& texts, size_t index) {
    return index < texts.size() ? ToQString(texts[index]) : QString();
}

} // namespace

void PrintLabelledValues(TwipsPrinter& printer, float& y, const QStringList& labels,
                         const QStringList& values, float narrowWidth, float gap) {
    printer.SetCurrentY(y + TableAbove);
    PrintBoxedTable(printer, y, {{{labels}, {values}}, narrowWidth, gap, false});
}

void PrintSectionHeading(TwipsPrinter& printer, float& y, const QString& heading) {
    y += TableAbove;
    printer.SetCurrentY(y);
    printer.SetCurrentX(Left);
    printer.SetFontBold(true);
    printer.PrintLine(heading);
    printer.SetFontBold(false);
    y = printer.CurrentY();
}

const GenDesignCulvertType& ChosenType(const CulvertInputContents& contents) {
    static const GenDesignCulvertType none;
    const auto& types = GlobalVariables::GenDesignCulvertTypes;
    const int position = contents.culvertTypePosition;
    if (position < 0 || static_cast<size_t>(position) + 1 >= types.size()) {
        return none;
    }
    return types[static_cast<size_t>(position) + 1];
}

void PrintInvertsLength(TwipsPrinter& printer, float& y, const CulvertInputContents& contents) {
    PrintLabelledValues(printer, y,
                        {"Inlet Invert Elevation (ft) ", "Outlet Invert Elevation (ft) ",
                         "Culvert Barrel Length (ft) "},
                        {Padded(contents.inletInvertElevation),
                         Padded(contents.outletInvertElevation),
                         Padded(contents.culvertBarrelLength)},
                        NarrowBelow, 10);
}

void PrintCulvertTypeData(TwipsPrinter& printer, float& y, const CulvertInputContents& contents) {
    PrintLabelledValues(printer, y, {"Culvert Type", "Inlet Type", "Manning n", "Ke"},
                        {ToQString(contents.culvertTypeText), ToQString(contents.inletText),
                         Trimmed(contents.manningN), Trimmed(contents.keInlet)},
                        NarrowBelow, 20);
}

void PrintBarrelSize(TwipsPrinter& printer, float& y, const CulvertInputContents& contents,
                     const GenDesignCulvertType& type) {
    const bool userSize = contents.userSizeOption;
    const QString units = "(" + ToQString(GenDesign::GetUnitsWord(type.DisplayUnits)) + ")";
    size_t n = static_cast<size_t>(std::max(type.NumSizeParameters, 0));

    QStringList captions{QString()};
    QStringList unitRow{QStringLiteral("Barrels")};
    QStringList sizes;
    if (userSize) {
        n = std::min(n, contents.userSizes.size());
        sizes << ToQString(contents.userNumBarrelsText);
        for (size_t k = 1; k <= n; ++k) {
            sizes << Trimmed(contents.userSizes[k - 1]);
        }
    } else {
        // A standard pipe-arch size is known by its span and rise alone.
        n = std::min<size_t>(n, 2);
        const int position = contents.standardSizePosition;
        const bool listed =
            position >= 0 && static_cast<size_t>(position) + 1 < type.StdSizes.size();
        if (listed) {
            const GenStandardSize& size = type.StdSizes[static_cast<size_t>(position) + 1];
            sizes << ToQString(GenDesign::GetBarrelCountWord(size.NumBarrels));
            for (size_t k = 1; k <= n; ++k) {
                sizes << ToQString(Numbers::Trim(EntryText(size.DisplayTexts, k).toStdString()));
            }
        } else {
            for (size_t k = 0; k <= n; ++k) {
                sizes << QString();
            }
        }
    }
    for (size_t k = 1; k <= n; ++k) {
        captions << EntryText(type.SizeTexts, k);
        unitRow << units;
    }

    printer.SetCurrentY(y + 100);
    printer.SetCurrentX(Left);
    printer.PrintLine(userSize ? QStringLiteral("USER DEFINED SIZE")
                               : QStringLiteral("VSHA STANDARD SIZE"));
    printer.SetCurrentY(printer.CurrentY() + 50);
    PrintBoxedTable(printer, y, {{{captions, unitRow}, {sizes}}, 0, 10, true});
}

void PrintDesignQTW(TwipsPrinter& printer, float& y, const std::string& designQ,
                    const std::string& tailwaterDepth) {
    PrintLabelledValues(printer, y, {"Design Q (ft^3/s) ", "Tailwater Depth (ft) "},
                        {Padded(designQ), Padded(tailwaterDepth)}, NarrowBelow, 10);
}

} // namespace CulvertInputReport
