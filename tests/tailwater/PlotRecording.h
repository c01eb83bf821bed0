#pragma once

#include "platform/PlotRecorder.h"
#include "platform/TwipsPrinterFixedMetrics.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

// A plot drawn on a recording surface of 8000 x 5000 twips whose font
// measures 80 twips per character and 184 twips per line (8 points on the
// fixed metrics), so that every position can be worked out by hand.
class PlotRecording : public ::testing::Test {
protected:
    PlotRecording() : surface(metrics, {"MS Sans Serif", 8, false}, QSizeF(8000, 5000)) {}

    const PrintedText& Text(const QString& text) const {
        for (const PrintedText& t : surface.DisplayList().texts) {
            if (t.text == text) {
                return t;
            }
        }
        ADD_FAILURE() << "no text " << text.toStdString();
        static const PrintedText none;
        return none;
    }

    QStringList Texts() const {
        QStringList texts;
        for (const PrintedText& t : surface.DisplayList().texts) {
            texts << t.text;
        }
        return texts;
    }

    std::vector<PrintedLine> Lines(const std::function<bool(const PrintedLine&)>& which) const {
        std::vector<PrintedLine> lines;
        for (const PrintedLine& line : surface.DisplayList().lines) {
            if (which(line)) {
                lines.push_back(line);
            }
        }
        return lines;
    }

    static void ExpectAt(const PrintedText& text, double x, double y) {
        EXPECT_NEAR(text.x, x, 0.05) << text.text.toStdString();
        EXPECT_NEAR(text.y, y, 0.05) << text.text.toStdString();
    }

    static void ExpectLine(const PrintedLine& line, double x1, double y1, double x2, double y2) {
        EXPECT_NEAR(line.x1, x1, 0.05);
        EXPECT_NEAR(line.y1, y1, 0.05);
        EXPECT_NEAR(line.x2, x2, 0.05);
        EXPECT_NEAR(line.y2, y2, 0.05);
    }

    const QColor red{255, 0, 0};
    const QColor blue{0, 0, 255};
    const QColor black{0, 0, 0};
    FixedPrinterMetrics metrics;
    PlotRecorder surface;
};
