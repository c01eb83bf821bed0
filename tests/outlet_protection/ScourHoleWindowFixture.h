#pragma once

#include "FakeDialogs.h"
#include "outlet_protection/frmScourHoleDesign.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>

#include <gtest/gtest.h>

#include <memory>

// A NE Scour Hole Design window inside a main window's client area, with a
// scripted user.
class ScourHoleWindow : public ::testing::Test {
protected:
    void SetUp() override {
        area.resize(1200, 900);
        area.show();
        window = std::make_unique<frmScourHoleDesign>(area);
        window->Initialize();
    }

    void Type(const char* q, const char* tw, const char* span) {
        window->txtDesignQ[0]->setText(q);
        window->txtTailwaterDepth[0]->setText(tw);
        window->txtNEScourHoleCulvertDiam[0]->setText(span);
    }

    // The eight result captions of a design, in the window's order.
    QStringList Results(int design) const {
        const size_t d = static_cast<size_t>(design);
        QStringList texts;
        for (const QLabel* label : {window->lblEDim[d], window->lblADim[d], window->lblFDim[d],
                                    window->lblCDim[d], window->lblCalcD50[d], window->lblCalcD[d],
                                    window->lblRecD50[d], window->lblRecD[d]}) {
            texts << label->text();
        }
        return texts;
    }

    // The hidden copies of the inputs: span, design Q, tailwater depth.
    QStringList Copies() const {
        return {window->txtNEScourHoleCulvertDiam[1]->text(), window->txtDesignQ[1]->text(),
                window->txtTailwaterDepth[1]->text()};
    }

    FakeDialogs user;
    QMdiArea area;
    std::unique_ptr<frmScourHoleDesign> window;
};
