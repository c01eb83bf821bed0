#pragma once

#include "app/MDIFrmMain.h"

#include <QAction>
#include <QMenu>
#include <QStringList>

// The texts of the items that the grids' Edit menu shows.
inline QStringList VisibleEditItems(const MDIFrmMain& main) {
    QStringList shown;
    for (QAction* item : main.mnuEdit->actions()) {
        if (item->isVisible()) {
            shown << item->text();
        }
    }
    return shown;
}
