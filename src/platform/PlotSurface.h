#pragma once

#include <QColor>
#include <QString>

// Pen styles, numbered as the reports and plots set them.
enum class DrawStyle { Solid, Dash, Dot, DashDot, DashDotDot, Transparent, InsideSolid };

// What a plot draws on, the screen's PlotCanvas or the printer's TwipsPrinter,
// so that a plot is written once for both: twips from the top-left corner of
// the surface, texts anchored at their top-left corner at the current point,
// lines in the fore colour unless one is given.
class PlotSurface {
public:
    virtual ~PlotSurface() = default;

    // The drawing area.
    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;

    // In the surface's font; the height is one line.
    virtual float TextWidth(const QString& text) const = 0;
    virtual float TextHeight() const = 0;

    // Pen: width in pixels of the output device, style, colour of lines and texts.
    virtual void SetDrawWidth(int pixels) = 0;
    virtual void SetDrawStyle(DrawStyle style) = 0;
    virtual void SetForeColor(const QColor& color) = 0;

    virtual void SetCurrentX(float x) = 0;
    virtual void SetCurrentY(float y) = 0;
    // Prints at the current point and stays on the line.
    virtual void Print(const QString& text) = 0;

    // A straight line; the current point moves to its end.
    virtual void Line(float x1, float y1, float x2, float y2) = 0;
    virtual void Line(float x1, float y1, float x2, float y2, const QColor& color) = 0;
    // A circular arc in the fore colour about (cx, cy), from the start angle to
    // the end angle in radians, counterclockwise as seen (0 along +x, pi/2
    // straight up); an end below the start runs on through 0. The current
    // point stays where it was.
    virtual void Arc(float cx, float cy, float radius, float startAngle, float endAngle) = 0;
};
