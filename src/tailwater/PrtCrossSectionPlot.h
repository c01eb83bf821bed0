#pragma once

#include "app/SiteFields.h"
#include "tailwater/ChannelSection.h"
#include "tailwater/PlotLayout.h"

class TwipsPrinter;

// The printed channel cross-section: one landscape page in Times New Roman 10
// with the compact site header, the title and the section drawn as the
// channel window plots it, in black, with minor ticks on the frame and the
// axis titles on its edges. The frame's top follows the header down.
namespace PrtCrossSectionPlot {

// The layout of the last print.
extern PlotLayout XSecPrintLayout;

// The layout's margins and mark offsets, as every print starts.
void InitXSPlotLayout();

// The section of the channel window's last plot, with the site window's
// fields, ending the document. A section without segments throws AppError.
void PrintCrossSectionPlot(TwipsPrinter& printer, const ChannelSection& section);

// The same page for the given site.
void PrintContents(TwipsPrinter& printer, const ChannelSection& section, const SiteFields& fields);

} // namespace PrtCrossSectionPlot
