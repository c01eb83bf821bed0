#include "platform/PlotCanvas.h"

#include "platform/Screen.h"
#include "platform/TwipsPrinterDevice.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

constexpr double TwipsPerInch = 1440.0;

PrinterFont FontOf(const QWidget& widget) {
    const QFont& font = widget.font();
    return {font.family(), static_cast<float>(font.pointSizeF()), font.bold()};
}

QSizeF SizeTwips(const QWidget& widget) {
    return {Screen::PixelsToTwipsX(widget.width()), Screen::PixelsToTwipsY(widget.height())};
}

} // namespace

// Text measures on the screen, in the font the canvas paints with.
class PlotCanvas::ScreenMetrics : public PrinterMetrics {
public:
    explicit ScreenMetrics(const QWidget& widget) : widget_(widget) {}

    float TextWidth(const PrinterFont& font, const QString& text) const override {
        QFontMetricsF metrics(DeviceFont(font), &widget_);
        return static_cast<float>(metrics.horizontalAdvance(text) * TwipsPerInch /
                                  widget_.logicalDpiX());
    }
    float LineHeight(const PrinterFont& font) const override {
        QFontMetricsF metrics(DeviceFont(font), &widget_);
        return static_cast<float>(metrics.lineSpacing() * TwipsPerInch / widget_.logicalDpiY());
    }
    QSizeF PrintableSize(PageOrientation) const override { return SizeTwips(widget_); }

private:
    const QWidget& widget_;
};

class PlotCanvas::Recorder : public PlotRecorder {
public:
    Recorder(const PrinterMetrics& metrics, QWidget& widget)
        : PlotRecorder(metrics, FontOf(widget), SizeTwips(widget)), widget_(widget) {}

protected:
    void Changed() override { widget_.update(); }

private:
    QWidget& widget_;
};

PlotCanvas::PlotCanvas(QWidget* parent)
    : QWidget(parent), metrics_(std::make_unique<ScreenMetrics>(*this)),
      recorder_(std::make_unique<Recorder>(*metrics_, *this)) {
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

PlotCanvas::~PlotCanvas() = default;

void PlotCanvas::Clear() {
    recorder_->SetSize(SizeTwips(*this));
    recorder_->SetFont(FontOf(*this));
    recorder_->Clear();
}

PlotSurface& PlotCanvas::Surface() {
    return *recorder_;
}

const PrintedPage& PlotCanvas::DisplayList() const {
    return recorder_->DisplayList();
}

void PlotCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintPage(painter, recorder_->DisplayList());
}
