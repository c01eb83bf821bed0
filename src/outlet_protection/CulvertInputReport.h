#pragma once

#include "general_design/CulvertInputContents.h"
#include "platform/ReportDrawing.h"

#include <QStringList>

#include <vector>

class TwipsPrinter;
struct GenDesignCulvertType;

// The ruled tables in which the outlet protection reports repeat a culvert
// input block, and the ruled table they share. Positions are in twips; y is
// where the next table starts, and each table leaves it (and the printer's
// current Y) 10 twips below its bottom rule.
namespace CulvertInputReport {

constexpr float Left = 1000; // the reports' left margin

using ReportDrawing::BoxedTable;
using ReportDrawing::PrintBoxedTable;

// A table of labels over values, starting 250 below y.
void PrintLabelledValues(TwipsPrinter& printer, float& y, const QStringList& labels,
                         const QStringList& values, float narrowWidth, float gap);

using ReportDrawing::PrintTitle;
// A bold heading at the left margin, 250 below y.
void PrintSectionHeading(TwipsPrinter& printer, float& y, const QString& heading);

// The inverts and the barrel length.
// The catalogue's culvert type the contents name, or an empty one when they
// name none, so that the report prints empty cells rather than fail.
const GenDesignCulvertType& ChosenType(const CulvertInputContents& contents);

void PrintInvertsLength(TwipsPrinter& printer, float& y, const CulvertInputContents& contents);
// Culvert type, inlet, Manning n and Ke.
void PrintCulvertTypeData(TwipsPrinter& printer, float& y, const CulvertInputContents& contents);
// The heading of the chosen size option and the barrel count and sizes under
// the type's size captions and units. A standard size without a catalogue
// entry (a type without standard sizes) prints empty cells, as does a size
// beyond the catalogue's texts.
void PrintBarrelSize(TwipsPrinter& printer, float& y, const CulvertInputContents& contents,
                     const GenDesignCulvertType& type);

// The design discharge and the tailwater depth, as typed.
void PrintDesignQTW(TwipsPrinter& printer, float& y, const std::string& designQ,
                    const std::string& tailwaterDepth);

} // namespace CulvertInputReport
