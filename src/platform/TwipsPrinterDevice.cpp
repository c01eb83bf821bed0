#include "platform/TwipsPrinterDevice.h"

#include "platform/AppError.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double TwipsPerPoint = 20.0;
constexpr double Pi = 3.14159265358979;
constexpr double DegreesPerRadian = 180.0 / Pi;

QString DeviceFamily(const QString& name) {
    if (name.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0) {
        return QStringLiteral("Liberation Serif");
    }
    if (name.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0) {
        return QStringLiteral("Liberation Sans");
    }
    return name;
}

QPageLayout::Orientation QtOrientation(PageOrientation orientation) {
    return orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait;
}

// Dash patterns in twips, so that a dotted line still looks dotted on a
// high-resolution device where a one-pixel dot would be invisible.
QList<qreal> DashTwips(DrawStyle style) {
    switch (style) {
    case DrawStyle::Dash:
        return {72, 36};
    case DrawStyle::Dot:
        return {12, 36};
    case DrawStyle::DashDot:
        return {72, 36, 12, 36};
    case DrawStyle::DashDotDot:
        return {72, 36, 12, 36, 12, 36};
    default:
        return {};
    }
}

QPen LinePen(const QColor& color, int width, DrawStyle style, double pixelsPerTwip) {
    QPen pen(color);
    // A one-pixel pen is the device's thinnest line, which viewers and
    // printers draw solid on curves as on straight lines.
    pen.setWidth(width <= 1 ? 0 : width);
    pen.setCapStyle(Qt::RoundCap);
    QList<qreal> dashes = DashTwips(style);
    if (!dashes.isEmpty()) {
        // Qt counts dash lengths in pen widths.
        double unit = pixelsPerTwip / std::max(width, 1);
        for (qreal& d : dashes) {
            d *= unit;
        }
        pen.setDashPattern(dashes);
        pen.setCapStyle(Qt::FlatCap);
    }
    return pen;
}

} // namespace

void PaintPage(QPainter& painter, const PrintedPage& page) {
    QPaintDevice& device = *painter.device();
    double sx = device.logicalDpiX() / TwipsPerInch;
    double sy = device.logicalDpiY() / TwipsPerInch;
    for (const PrintedLine& line : page.lines) {
        if (line.style == DrawStyle::Transparent) {
            continue;
        }
        painter.setPen(LinePen(line.color, line.width, line.style, sx));
        painter.drawLine(QPointF(line.x1 * sx, line.y1 * sy), QPointF(line.x2 * sx, line.y2 * sy));
    }
    for (const PrintedArc& arc : page.arcs) {
        if (arc.style == DrawStyle::Transparent) {
            continue;
        }
        painter.setPen(LinePen(arc.color, arc.width, arc.style, sx));
        const QRectF box((arc.cx - arc.radius) * sx, (arc.cy - arc.radius) * sy,
                         2 * arc.radius * sx, 2 * arc.radius * sy);
        double span = arc.endAngle - arc.startAngle;
        if (span < 0) {
            span += 2 * Pi;
        }
        // Qt counts angles in sixteenths of a degree, counterclockwise as seen.
        painter.drawArc(box, static_cast<int>(std::lround(arc.startAngle * DegreesPerRadian * 16)),
                        static_cast<int>(std::lround(span * DegreesPerRadian * 16)));
    }
    std::optional<PrinterFont> current;
    double ascent = 0;
    for (const PrintedText& text : page.texts) {
        if (!current || *current != text.font) {
            const QFont font = DeviceFont(text.font);
            painter.setFont(font);
            ascent = QFontMetricsF(font, &device).ascent();
            current = text.font;
        }
        painter.setPen(text.color);
        painter.drawText(QPointF(text.x * sx, text.y * sy + ascent), text.text);
    }
}

QFont DeviceFont(const PrinterFont& font) {
    QFont qfont(DeviceFamily(font.name));
    qfont.setPointSizeF(font.size);
    qfont.setBold(font.bold);
    // Widths are the plain sum of the glyph advances, the same on every device.
    qfont.setKerning(false);
    qfont.setHintingPreference(QFont::PreferNoHinting);
    return qfont;
}

DeviceMetrics::FontMeasures& DeviceMetrics::Measures(const PrinterFont& font) const {
    if (!measures_ || measures_->font != font) {
        measures_.emplace(FontMeasures{font, QFontMetricsF(DeviceFont(font), &device_), {}});
        measures_->numberAdvances.fill(-1);
    }
    return *measures_;
}

namespace {

bool IsNumberCharacter(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'.' || c == u',' || c == u'-' || c == u'+';
}

} // namespace

float DeviceMetrics::TextWidth(const PrinterFont& font, const QString& text) const {
    FontMeasures& measures = Measures(font);
    qreal width = 0;
    bool number = !text.isEmpty();
    for (QChar c : text) {
        if (!IsNumberCharacter(c)) {
            number = false;
            break;
        }
        qreal& advance = measures.numberAdvances[c.unicode()];
        if (advance < 0) {
            advance = measures.metrics.horizontalAdvance(c);
        }
        width += advance;
    }
    if (!number) {
        width = measures.metrics.horizontalAdvance(text);
    }
    return static_cast<float>(width * TwipsPerInch / device_.logicalDpiX());
}

float DeviceMetrics::LineHeight(const PrinterFont& font) const {
    return static_cast<float>(Measures(font).metrics.lineSpacing() * TwipsPerInch /
                              device_.logicalDpiY());
}

QSizeF DeviceMetrics::PrintableSize(PageOrientation orientation) const {
    QPageLayout layout = device_.pageLayout();
    layout.setOrientation(QtOrientation(orientation));
    return layout.paintRect(QPageLayout::Point).size() * TwipsPerPoint;
}

void PaintDocument(const PrintedDocument& document, QPagedPaintDevice& device) {
    device.setPageOrientation(QtOrientation(document.pages.front().orientation));
    QPainter painter;
    if (!painter.begin(&device)) {
        throw AppError(ErrorNumber::PrinterError, "The printer could not start the document");
    }
    for (size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0) {
            device.setPageOrientation(QtOrientation(document.pages[i].orientation));
            if (!device.newPage()) {
                throw AppError(ErrorNumber::PrinterError, "The printer could not start a new page");
            }
        }
        PaintPage(painter, document.pages[i]);
    }
    if (!painter.end()) {
        throw AppError(ErrorNumber::PrinterError, "The printer could not finish the document");
    }
}
