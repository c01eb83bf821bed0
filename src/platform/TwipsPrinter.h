#pragma once

#include "platform/PlotSurface.h"

#include <QColor>
#include <QSizeF>
#include <QString>

#include <vector>

// Page orientation, numbered as the reports set it.
enum class PageOrientation { Portrait = 1, Landscape = 2 };

struct PrinterFont {
    QString name; // as the reports name it: "Times New Roman", "Arial"
    float size = 10;
    bool bold = false;

    bool operator==(const PrinterFont&) const = default;
};

// What a report drew, in twips from the top-left corner of the printable area.
struct PrintedText {
    float x = 0; // top-left corner of the text
    float y = 0;
    QString text;
    PrinterFont font;
    QColor color;
};

struct PrintedLine {
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    int width = 1; // in pixels of the output device
    DrawStyle style = DrawStyle::Solid;
    QColor color;
};

// Angles in radians, counterclockwise as seen from 0 along +x.
struct PrintedArc {
    float cx = 0;
    float cy = 0;
    float radius = 0;
    float startAngle = 0;
    float endAngle = 0;
    int width = 1; // in pixels of the output device
    DrawStyle style = DrawStyle::Solid;
    QColor color;
};

struct PrintedPage {
    PageOrientation orientation = PageOrientation::Portrait;
    std::vector<PrintedText> texts;
    std::vector<PrintedLine> lines;
    std::vector<PrintedArc> arcs;
};

struct PrintedDocument {
    std::vector<PrintedPage> pages;
};

// The measures that a report's layout depends on; each output device has its own.
class PrinterMetrics {
public:
    virtual ~PrinterMetrics() = default;
    virtual float TextWidth(const PrinterFont& font, const QString& text) const = 0;
    // How far a line end moves down: one line of the font.
    virtual float LineHeight(const PrinterFont& font) const = 0;
    // Width and height of the printable area, in twips.
    virtual QSizeF PrintableSize(PageOrientation orientation) const = 0;
};

// The printer a report draws on: coordinates in twips from the top-left corner
// of the printable area, text anchored at its top-left corner, a current point
// that printing and lines move. It records the pages; a report job hands them to
// the output device only once the report has run to its end, so a report that
// fails part-way never sends half a document. Printed plots draw on it through
// PlotSurface, as screen plots draw on a PlotCanvas.
class TwipsPrinter : public PlotSurface {
public:
    explicit TwipsPrinter(const PrinterMetrics& metrics);

    // Takes effect on the page being drawn when nothing is on it yet, else on
    // the next one.
    void SetOrientation(PageOrientation orientation);
    PageOrientation Orientation() const { return orientation_; }

    void SetFontName(const QString& name) { font_.name = name; }
    QString FontName() const { return font_.name; }
    void SetFontSize(float points) { font_.size = points; }
    float FontSize() const { return font_.size; }
    void SetFontBold(bool bold) { font_.bold = bold; }
    bool FontBold() const { return font_.bold; }

    void SetCurrentX(float x) override { x_ = x; }
    float CurrentX() const { return x_; }
    void SetCurrentY(float y) override { y_ = y; }
    float CurrentY() const { return y_; }

    // Pen for lines: width in pixels of the output device, style, and the
    // colour of lines and texts.
    void SetDrawWidth(int pixels) override { drawWidth_ = pixels; }
    int DrawWidth() const { return drawWidth_; }
    void SetDrawStyle(DrawStyle style) override { drawStyle_ = style; }
    DrawStyle GetDrawStyle() const { return drawStyle_; }
    void SetForeColor(const QColor& color) override { foreColor_ = color; }
    QColor ForeColor() const { return foreColor_; }

    // The printable area of the current orientation.
    float ScaleWidth() const override;
    float ScaleHeight() const override;

    float TextWidth(const QString& text) const override;
    // One line of the current font.
    float TextHeight() const override;

    // Prints at the current point and stays on the line: x moves to the end
    // of the text.
    void Print(const QString& text) override;
    // Prints at the current point and ends the line: x goes back to 0 and y
    // moves down one line of the current font.
    void PrintLine(const QString& text = QString());

    // A straight line in the fore colour (or the one given); the current point
    // moves to its end.
    void Line(float x1, float y1, float x2, float y2) override;
    void Line(float x1, float y1, float x2, float y2, const QColor& color) override;
    void Arc(float cx, float cy, float radius, float startAngle, float endAngle) override;

    // Ends the page; drawing goes on at the top of the next one.
    void NewPage();
    // Ends the document: the next drawing starts a fresh page at the top.
    void EndDoc();
    // Throws away what was drawn since the last EndDoc.
    void KillDoc();

    const PrintedDocument& Document() const { return document_; }

private:
    // The page drawing goes to, started by the first drawing after an end.
    PrintedPage& Page();

    const PrinterMetrics& metrics_;
    PrintedDocument document_;
    bool pageOpen_ = false;
    size_t endedPages_ = 0; // pages of documents already ended

    PageOrientation orientation_ = PageOrientation::Portrait;
    PrinterFont font_{QStringLiteral("Arial"), 10, false};
    float x_ = 0;
    float y_ = 0;
    int drawWidth_ = 1;
    DrawStyle drawStyle_ = DrawStyle::Solid;
    QColor foreColor_ = Qt::black;
};
