#pragma once

#include "platform/PlotRecorder.h"

#include <QWidget>

#include <memory>

// The screen's plot surface, a picture box: twips at the screen's logical
// resolution, texts measured and drawn in the widget's font. It keeps what a
// plot drew as a display list and paints it whenever the widget is shown, so
// the plot stays until the next Clear.
class PlotCanvas : public QWidget {
    Q_OBJECT
public:
    explicit PlotCanvas(QWidget* parent = nullptr);
    ~PlotCanvas() override;

    // Empties the drawing and takes the widget's present size and font for
    // the plot that follows.
    void Clear();
    // Where a plot draws.
    PlotSurface& Surface();
    const PrintedPage& DisplayList() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    class ScreenMetrics;
    class Recorder;
    std::unique_ptr<ScreenMetrics> metrics_;
    std::unique_ptr<Recorder> recorder_;
};
