#include "tailwater/PrtTailwaterQDepth.h"

#include "app/FrmSiteIdentification.h"
#include "app/PrtSiteIDHeader.h"
#include "platform/Numbers.h"
#include "platform/TwipsPrinter.h"
#include "platform/UiText.h"
#include "tailwater/FrmTailwaterQDepth.h"

#include <algorithm>

namespace PrtTailwaterQDepth {
namespace {

constexpr float ReportTop = 400;
constexpr float HeaderGap = 500;
constexpr float Left = 1000;
constexpr float TitleRuleOverhang = 50;
constexpr float TitleRuleSpacing = 50;
constexpr float CaptionSpacing = 50;
constexpr float DesignTitleAbove = 100;
constexpr float MinColumnTextWidth = 1500;
constexpr float ColumnAllowance = 300;
constexpr float RowSpacing = 30;
constexpr float BottomMargin = 1000;

const char* const DesignTitles[QDepthContents::NumDesignGrids] = {
    "Vosk Runoff Chart", "USGS, Mavo - 1987", "USGS, Yuld - 2001"};

QString Trimmed(const std::string& text) {
    return ToQString(Numbers::Trim(text));
}

// The rows with a cell that holds more than blanks, trimmed, in grid order.
template <class Row> std::vector<std::vector<QString>> PrintedRows(const std::vector<Row>& rows) {
    std::vector<std::vector<QString>> printed;
    for (const Row& row : rows) {
        std::vector<QString> cells;
        for (const std::string& cell : row) {
            cells.push_back(Trimmed(cell));
        }
        if (std::any_of(cells.begin(), cells.end(),
                        [](const QString& cell) { return !cell.isEmpty(); })) {
            printed.push_back(std::move(cells));
        }
    }
    return printed;
}

// The report on its pages: the head each page starts with, and the limit
// below which no row starts.
class Pages {
public:
    Pages(TwipsPrinter& printer, const SiteFields& fields)
        : printer_(printer), fields_(fields), limit_(printer.ScaleHeight() - BottomMargin) {}

    // The site header and the title, from the top of the page.
    void PrintHead(float& y) {
        y = ReportTop;
        PrtSiteIDHeader::PrintSiteIDHeader(printer_, y, fields_);
        y += HeaderGap;
        PrintQDepthTitle(printer_, y);
    }

    void NewPage(float& y) {
        printer_.NewPage();
        PrintHead(y);
    }

    void PrintTable(float& y, const RuledTable& table) {
        const std::vector<float> edges = ColumnEdges(printer_, table);
        if (y + TitleHeight(table) + HeadingHeight() > limit_) {
            NewPage(y);
        }
        PrintTitle(y, table);
        float top = PrintHeadings(table, edges);
        for (size_t i = 0; i < table.rows.size(); ++i) {
            PrintRow(table.rows[i], edges);
            if (printer_.CurrentY() > limit_ && i + 1 < table.rows.size()) {
                RuleColumns(edges, top, printer_.CurrentY());
                NewPage(y);
                PrintTitle(y, table);
                top = PrintHeadings(table, edges);
            }
        }
        RuleColumns(edges, top, printer_.CurrentY());
        y = printer_.CurrentY() + RowSpacing;
    }

private:
    float TitleHeight(const RuledTable& table) {
        printer_.SetFontBold(table.boldTitle);
        const float line = printer_.TextHeight();
        printer_.SetFontBold(false);
        return (table.boldTitle ? DesignTitleAbove : 0) + line + CaptionSpacing;
    }

    float HeadingHeight() const { return 3 * RowSpacing + 2 * printer_.TextHeight(); }

    // The table's title line, bold for a design table, then its gap.
    void PrintTitle(float& y, const RuledTable& table) {
        printer_.SetCurrentY(y + (table.boldTitle ? DesignTitleAbove : 0));
        printer_.SetCurrentX(Left);
        printer_.SetFontBold(table.boldTitle);
        printer_.PrintLine(table.title);
        printer_.SetFontBold(false);
        printer_.SetCurrentY(printer_.CurrentY() + CaptionSpacing);
        y = printer_.CurrentY();
    }

    void PrintCentred(const std::vector<QString>& texts, const std::vector<float>& edges) {
        for (size_t c = 0; c < texts.size(); ++c) {
            printer_.SetCurrentX((edges[c] + edges[c + 1]) / 2 - printer_.TextWidth(texts[c]) / 2);
            printer_.Print(texts[c]);
        }
        printer_.PrintLine();
    }

    void RuleAcross(const std::vector<float>& edges) {
        const float y = printer_.CurrentY();
        printer_.Line(edges.front(), y, edges.back(), y);
    }

    // The top rule, the two heading lines and the heading rule; returns the
    // top rule's height.
    float PrintHeadings(const RuledTable& table, const std::vector<float>& edges) {
        const float top = printer_.CurrentY();
        RuleAcross(edges);
        for (const std::vector<QString>& line : table.headings) {
            printer_.SetCurrentY(printer_.CurrentY() + RowSpacing);
            PrintCentred(line, edges);
        }
        printer_.SetCurrentY(printer_.CurrentY() + RowSpacing);
        RuleAcross(edges);
        return top;
    }

    void PrintRow(const std::vector<QString>& row, const std::vector<float>& edges) {
        printer_.SetCurrentY(printer_.CurrentY() + RowSpacing);
        PrintCentred(row, edges);
        printer_.SetCurrentY(printer_.CurrentY() + RowSpacing);
        RuleAcross(edges);
    }

    void RuleColumns(const std::vector<float>& edges, float top, float bottom) {
        for (float edge : edges) {
            printer_.Line(edge, top, edge, bottom);
        }
        printer_.SetCurrentY(bottom);
    }

    TwipsPrinter& printer_;
    const SiteFields& fields_;
    const float limit_;
};

} // namespace

void PrintTailwaterQDepth(TwipsPrinter& printer) {
    PrintContents(printer, FrmTailwaterQDepth::Instance()->Contents(),
                  FrmSiteIdentification::CurrentFields());
}

void PrintContents(TwipsPrinter& printer, const QDepthContents& contents,
                   const SiteFields& fields) {
    printer.SetOrientation(PageOrientation::Portrait);
    printer.SetFontName("Times New Roman");
    printer.SetFontSize(11);
    printer.SetFontBold(false);
    Pages pages(printer, fields);
    float y = 0;
    pages.PrintHead(y);
    pages.PrintTable(y, QElevTable(contents));
    for (QDepthContents::DesignGrid grid :
         {QDepthContents::RunoffChart, QDepthContents::Mavo1987, QDepthContents::Yuld2001}) {
        pages.PrintTable(y, DesignTable(contents, grid));
    }
    printer.EndDoc();
}

void PrintQDepthTitle(TwipsPrinter& printer, float& y) {
    printer.SetCurrentX(Left);
    printer.SetCurrentY(y);
    printer.SetFontBold(true);
    printer.Print("TAILWATER, Q-DEPTH");
    const float end = printer.CurrentX() + TitleRuleOverhang;
    printer.PrintLine();
    printer.SetFontBold(false);
    const float rule = printer.CurrentY() + TitleRuleSpacing;
    printer.Line(Left, rule, end, rule);
    y = rule + TitleRuleSpacing;
}

RuledTable QElevTable(const QDepthContents& contents) {
    RuledTable table;
    if (contents.mode != QDepthContents::NoMode) {
        table.title = QDepthContents::ModeCaptions[static_cast<size_t>(contents.mode)];
    }
    table.headings[0] = {"Q", "Depth", "Elevation"};
    table.headings[1] = {"(ft^3/s)", "(ft)", "(ft)"};
    table.rows = PrintedRows(contents.qElev);
    return table;
}

RuledTable DesignTable(const QDepthContents& contents, QDepthContents::DesignGrid grid) {
    RuledTable table;
    table.title = DesignTitles[grid];
    table.boldTitle = true;
    table.headings[0] = {"Return Period", "Q", "Depth", "Elevation"};
    table.headings[1] = {"(years)", "(ft^3/s)", "(ft)", "(ft)"};
    table.rows = PrintedRows(contents.design[static_cast<size_t>(grid)]);
    return table;
}

std::vector<float> ColumnEdges(const TwipsPrinter& printer, const RuledTable& table) {
    std::vector<float> edges = {Left};
    for (size_t c = 0; c < table.headings[0].size(); ++c) {
        float widest = MinColumnTextWidth;
        for (const std::vector<QString>& line : table.headings) {
            widest = std::max(widest, printer.TextWidth(line[c]));
        }
        for (const std::vector<QString>& row : table.rows) {
            widest = std::max(widest, printer.TextWidth(row[c]));
        }
        edges.push_back(edges.back() + widest + ColumnAllowance);
    }
    return edges;
}

} // namespace PrtTailwaterQDepth
