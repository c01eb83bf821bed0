#pragma once

#include "platform/TwipsPrinter.h"

#include <algorithm>

// Whether a drawn line passes through the inside of a box (a text's, say);
// touching its edge does not count. Clipped as Liang and Barsky clip.
inline bool LineThroughBox(const PrintedLine& l, float left, float top, float right, float bottom) {
    double t0 = 0;
    double t1 = 1;
    const double dx = l.x2 - l.x1;
    const double dy = l.y2 - l.y1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {l.x1 - left, right - l.x1, l.y1 - top, bottom - l.y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] <= 0) {
                return false;
            }
        } else if (p[i] < 0) {
            t0 = std::max(t0, q[i] / p[i]);
        } else {
            t1 = std::min(t1, q[i] / p[i]);
        }
    }
    return t0 < t1;
}
