#include "platform/TwipsPrinter.h"

TwipsPrinter::TwipsPrinter(const PrinterMetrics& metrics) : metrics_(metrics) {}

void TwipsPrinter::SetOrientation(PageOrientation orientation) {
    orientation_ = orientation;
    if (pageOpen_) {
        PrintedPage& page = document_.pages.back();
        if (page.texts.empty() && page.lines.empty() && page.arcs.empty()) {
            page.orientation = orientation;
        }
    }
}

float TwipsPrinter::ScaleWidth() const {
    return static_cast<float>(metrics_.PrintableSize(orientation_).width());
}

float TwipsPrinter::ScaleHeight() const {
    return static_cast<float>(metrics_.PrintableSize(orientation_).height());
}

float TwipsPrinter::TextWidth(const QString& text) const {
    return metrics_.TextWidth(font_, text);
}

float TwipsPrinter::TextHeight() const {
    return metrics_.LineHeight(font_);
}

void TwipsPrinter::Print(const QString& text) {
    PrintedPage& page = Page();
    if (!text.isEmpty()) {
        page.texts.push_back({x_, y_, text, font_, foreColor_});
    }
    x_ += TextWidth(text);
}

void TwipsPrinter::PrintLine(const QString& text) {
    Print(text);
    x_ = 0;
    y_ += TextHeight();
}

void TwipsPrinter::Line(float x1, float y1, float x2, float y2) {
    Line(x1, y1, x2, y2, foreColor_);
}

void TwipsPrinter::Line(float x1, float y1, float x2, float y2, const QColor& color) {
    Page().lines.push_back({x1, y1, x2, y2, drawWidth_, drawStyle_, color});
    x_ = x2;
    y_ = y2;
}

void TwipsPrinter::Arc(float cx, float cy, float radius, float startAngle, float endAngle) {
    Page().arcs.push_back(
        {cx, cy, radius, startAngle, endAngle, drawWidth_, drawStyle_, foreColor_});
}

void TwipsPrinter::NewPage() {
    Page();
    document_.pages.push_back({orientation_, {}, {}, {}});
    x_ = 0;
    y_ = 0;
}

void TwipsPrinter::EndDoc() {
    pageOpen_ = false;
    endedPages_ = document_.pages.size();
    x_ = 0;
    y_ = 0;
}

void TwipsPrinter::KillDoc() {
    document_.pages.resize(endedPages_);
    pageOpen_ = false;
    x_ = 0;
    y_ = 0;
}

PrintedPage& TwipsPrinter::Page() {
    if (!pageOpen_) {
        document_.pages.push_back({orientation_, {}, {}, {}});
        pageOpen_ = true;
    }
    return document_.pages.back();
}
