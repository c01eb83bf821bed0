#include "tailwater/PrtTailwaterCrossSectionTable.h"

#include "app/FrmSiteIdentification.h"
#include "platform/Numbers.h"
#include "platform/TwipsPrinter.h"
#include "platform/UiText.h"
#include "tailwater/FrmTailWaterCrossSection.h"
#include "tailwater/TableRows.h"

namespace PrtTailwaterCrossSectionTable {
namespace {

constexpr float Left = 1000;
constexpr float LineGap = 30;
constexpr float BelowChannelData = 200;
// Every column is at least this wide before its margin.
constexpr float MinTextWidth = 1000;

const char* const HeadingLines[2][4] = {{"", "Station", "Elevation", "Manning"},
                                        {"Point", "(feet)", "(feet)", "n"}};

} // namespace

void PrintCrossSectionTable(TwipsPrinter& printer, const FrmTailWaterCrossSection& window) {
    PrintContents(printer, window.Contents(), FrmSiteIdentification::CurrentFields());
}

void PrintContents(TwipsPrinter& printer, const CrossSectionContents& contents,
                   const SiteFields& fields) {
    TailwaterTableReport::Table table;
    table.title = QStringLiteral("TAILWATER CHANNEL CROSS-SECTION");
    table.cells = ComputeXSTableCells(contents);
    table.minTextWidth = MinTextWidth;
    table.firstPageLines = [&contents](TwipsPrinter& p, float& y, float titleRuleEnd) {
        PrintXSChannelData(p, y, titleRuleEnd, contents);
    };
    TailwaterTableReport::PrintTable(printer, table, fields);
}

TailwaterTableReport::CellTable ComputeXSTableCells(const CrossSectionContents& contents) {
    TailwaterTableReport::CellTable cells;
    for (const auto& headings : HeadingLines) {
        cells.emplace_back(std::begin(headings), std::end(headings));
    }
    for (size_t r : RowsWithText(contents.points)) {
        // The grid numbers its points from row 1.
        std::vector<QString>& line = cells.emplace_back(1, QString::number(r + 1));
        for (const std::string& cell : contents.points[r]) {
            line.push_back(ToQString(Numbers::Trim(cell)));
        }
    }
    return cells;
}

void PrintXSChannelData(TwipsPrinter& printer, float& y, float titleRuleEnd,
                        const CrossSectionContents& contents) {
    const std::pair<const char*, const std::string&> lines[] = {
        {"Channel Slope (ft/ft):  ", contents.channelSlope},
        {"Left Over-Bank Station (ft):  ", contents.leftOBStation},
        {"Right Over-Bank Station (ft):  ", contents.rightOBStation},
    };
    printer.SetCurrentY(y);
    for (const auto& [caption, text] : lines) {
        printer.SetCurrentX(Left);
        printer.PrintLine(QString::fromLatin1(caption) + ToQString(Numbers::Trim(text)));
        printer.SetCurrentY(printer.CurrentY() + LineGap);
    }
    printer.Line(Left, printer.CurrentY(), titleRuleEnd, printer.CurrentY());
    printer.SetCurrentY(printer.CurrentY() + BelowChannelData);
    y = printer.CurrentY();
}

} // namespace PrtTailwaterCrossSectionTable
