#pragma once

#include "LineThroughBox.h"
#include "app/FrmSiteIdentification.h"
#include "general_design/PrtGeneralCulvertDesign.h"
#include "hydrology/PrtUSGSResults.h"
#include "hydrology/PrtVoskRunoffChart.h"
#include "hydrology/modPrtMavo1987.h"
#include "inlets/PrtDropInletDesign.h"
#include "inlets/PrtTaperedInletInfo.h"
#include "main/StartUpSequence.h"
#include "outlet_protection/PrtNEPlungeBasin.h"
#include "outlet_protection/PrtNEScourHole.h"
#include "outlet_protection/ScourHolePlanView.h"
#include "outlet_protection/frmScourHoleDesign.h"
#include "platform/TwipsPrinter.h"
#include "riprap_basin/PrtHec14.h"
#include "standard_designs/PrtVSHAStandardSize.h"
#include "tailwater/FrmTailWaterCrossSection.h"
#include "tailwater/FrmTailWaterRatingCurve.h"
#include "tailwater/PrtCrossSectionPlot.h"
#include "tailwater/PrtTailwaterCrossSectionTable.h"
#include "tailwater/PrtTailwaterQDepth.h"
#include "tailwater/PrtTailwaterRatingCurvePlot.h"
#include "tailwater/PrtTailwaterRatingCurveTable.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// What the reports' layout tests check on the recording printer: where each
// text stands and whether a rule or another text runs through it.
namespace ReportPageChecks {

struct Box {
    float left, top, right, bottom;
};

inline Box BoxOf(const PrintedText& text, const PrinterMetrics& metrics) {
    return {text.x, text.y, text.x + metrics.TextWidth(text.font, text.text),
            text.y + metrics.LineHeight(text.font)};
}

// Whether two boxes share more than an edge.
inline bool Overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

inline bool Crosses(const PrintedLine& line, const Box& box) {
    return LineThroughBox(line, box.left, box.top, box.right, box.bottom);
}

inline std::string Describe(const PrintedText& text) {
    return "\"" + text.text.toStdString() + "\" at " + std::to_string(text.x) + ", " +
           std::to_string(text.y);
}

inline std::string Describe(const PrintedLine& line) {
    return "a rule from " + std::to_string(line.x1) + ", " + std::to_string(line.y1) + " to " +
           std::to_string(line.x2) + ", " + std::to_string(line.y2);
}

// What is wrong with the texts that `which` picks on the printed pages: one
// reaching past the page's top or bottom, or into `sideMargin` from either
// side, running into another text, or crossed by a rule.
inline std::vector<std::string> TextFaults(const PrintedDocument& document,
                                           const PrinterMetrics& metrics,
                                           const std::function<bool(const QString&)>& which,
                                           float sideMargin) {
    std::vector<std::string> faults;
    for (const PrintedPage& page : document.pages) {
        const QSizeF size = metrics.PrintableSize(page.orientation);
        const auto width = static_cast<float>(size.width());
        const auto height = static_cast<float>(size.height());
        for (const PrintedText& text : page.texts) {
            if (!which(text.text)) {
                continue;
            }
            const Box box = BoxOf(text, metrics);
            if (box.top < 0 || box.bottom > height || box.left < sideMargin ||
                box.right > width - sideMargin) {
                faults.push_back(Describe(text) + " beyond the page's margins");
            }
            for (const PrintedText& other : page.texts) {
                if (&other != &text && !other.text.trimmed().isEmpty() &&
                    Overlap(box, BoxOf(other, metrics))) {
                    faults.push_back(Describe(text) + " over " + Describe(other));
                }
            }
            for (const PrintedLine& line : page.lines) {
                if (Crosses(line, box)) {
                    faults.push_back(Describe(line) + " through " + Describe(text));
                }
            }
        }
    }
    return faults;
}

using Print = std::function<void(TwipsPrinter&)>;

// Every report and printed plot, as its Print button prints it from the
// windows as they stand.
inline std::vector<std::pair<const char*, Print>> EveryReport(const StartUpMod::LoadedWindows& w) {
    return {
        {"runoff chart", PrtVoskRunoffChart::PrintVoskRunoffChart},
        {"USGS 2001", PrtUSGSResults::PrintUSGSResults},
        {"USGS 1987", modPrtMavo1987::PrintReport},
        {"general culvert design", PrtGeneralCulvertDesign::PrintGeneralCulvertDesign},
        {"Q - depth", PrtTailwaterQDepth::PrintTailwaterQDepth},
        {"cross-section table",
         [&w](TwipsPrinter& p) {
             PrtTailwaterCrossSectionTable::PrintCrossSectionTable(p, *w.tailwaterCrossSection);
         }},
        {"cross-section plot",
         [&w](TwipsPrinter& p) {
             PrtCrossSectionPlot::PrintCrossSectionPlot(p,
                                                        w.tailwaterCrossSection->PlottedSection());
         }},
        {"rating curve table",
         [&w](TwipsPrinter& p) {
             PrtTailwaterRatingCurveTable::PrintRatingCurveTable(p, *w.tailwaterRatingCurve);
         }},
        {"rating curve plot",
         [&w](TwipsPrinter& p) {
             PrtTailwaterRatingCurvePlot::PrintRatingCurvePlot(p, w.tailwaterRatingCurve->Curve());
         }},
        {"standard designs", PrtVSHAStandardSize::PrintStandardDesigns},
        {"tapered inlet", PrtTaperedInletInfo::PrintTaperedInletInfo},
        {"drop inlet", PrtDropInlet::PrintDropInletDesign},
        {"scour hole", PrtNEScourHole::PrintNEScourHole},
        {"scour hole plot",
         [&w](TwipsPrinter& p) {
             ScourHolePlot::PrintScourHolePlot(p, w.scourHole->PlotDesign(0),
                                               FrmSiteIdentification::CurrentFields());
         }},
        {"plunge basin", PrtNEPlungeBasin::PrintNEPlungeBasin},
        {"riprap basin", PrtHec14::PrintHec14},
    };
}

} // namespace ReportPageChecks
