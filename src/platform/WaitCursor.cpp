#include "platform/WaitCursor.h"

#include <QApplication>
#include <QCursor>

namespace {
int depth = 0;
unsigned generation = 0;
} // namespace

WaitCursor::WaitCursor() : generation_(generation) {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    ++depth;
}

WaitCursor::~WaitCursor() {
    if (generation_ == generation && depth > 0) {
        QApplication::restoreOverrideCursor();
        --depth;
    }
}

bool WaitCursor::IsShown() {
    return depth > 0;
}

void WaitCursor::RestoreAll() {
    while (depth > 0) {
        QApplication::restoreOverrideCursor();
        --depth;
    }
    ++generation;
}
