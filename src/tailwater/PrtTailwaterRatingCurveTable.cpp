#include "tailwater/PrtTailwaterRatingCurveTable.h"

#include "app/FrmSiteIdentification.h"
#include "platform/Numbers.h"
#include "platform/TwipsPrinter.h"
#include "platform/UiText.h"
#include "tailwater/FrmTailWaterRatingCurve.h"
#include "tailwater/RatingTableColumns.h"
#include "tailwater/TableRows.h"

namespace PrtTailwaterRatingCurveTable {
namespace {

constexpr float Left = 1000;
constexpr float BelowStepSize = 50;

} // namespace

void PrintRatingCurveTable(TwipsPrinter& printer, const FrmTailWaterRatingCurve& window) {
    PrintContents(printer, window.Contents(), FrmSiteIdentification::CurrentFields());
}

void PrintContents(TwipsPrinter& printer, const RatingCurveContents& contents,
                   const SiteFields& fields) {
    TailwaterTableReport::Table table;
    table.title = QStringLiteral("TAILWATER RATING CURVE TABLE");
    table.cells = ComputeRatingTableCells(contents);
    table.firstPageLines = [&contents](TwipsPrinter& p, float& y, float) {
        PrintStepSize(p, y, contents.stepSize);
    };
    TailwaterTableReport::PrintTable(printer, table, fields);
}

TailwaterTableReport::CellTable ComputeRatingTableCells(const RatingCurveContents& contents) {
    TailwaterTableReport::CellTable cells(2);
    for (size_t c = 0; c < RatingCurveContents::NumColumns; ++c) {
        cells[0].push_back(QString::fromLatin1(RatingTableColumns::Names[c]));
        cells[1].push_back(QString::fromLatin1(RatingTableColumns::Units[c]));
    }
    for (size_t r : RowsWithText(contents.rows)) {
        std::vector<QString>& line = cells.emplace_back();
        for (const std::string& cell : contents.rows[r]) {
            line.push_back(ToQString(Numbers::Trim(cell)));
        }
    }
    return cells;
}

void PrintStepSize(TwipsPrinter& printer, float& y, const std::string& stepSize) {
    printer.SetCurrentY(y);
    printer.SetCurrentX(Left);
    printer.PrintLine(QStringLiteral("Step Size (ft):  ") + ToQString(Numbers::Trim(stepSize)));
    printer.SetCurrentY(printer.CurrentY() + BelowStepSize);
    y = printer.CurrentY();
}

} // namespace PrtTailwaterRatingCurveTable
