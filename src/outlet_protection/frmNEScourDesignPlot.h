#pragma once

#include "outlet_protection/ScourHolePlanView.h"

#include <QString>
#include <QWidget>

#include <functional>

class QPushButton;
class UCNEScourDesignPlot;

// The window "NE Scour Design Plot": a window of its own (not inside the
// main window) with the plot control below three buttons. It covers the
// screen's work area when it is built, keeps a least size, stretches the
// plot with itself and hides when the user closes it.
class frmNEScourDesignPlot : public QWidget {
    Q_OBJECT
public:
    // The owner only deletes the window; it is not placed inside it.
    explicit frmNEScourDesignPlot(QWidget* owner = nullptr);

    static constexpr double MinWidth = 6870;  // twips
    static constexpr double MinHeight = 6495; // twips

    // Sets the plot's properties to the design, shows the window in front and plots it.
    void ShowDesign(const ScourHolePlotDesign& design);
    // The design's results are gone: the plot shows none and prints none
    // until the next ShowDesign.
    void ClearDesign();
    // Set by the printed plot when it exists.
    void SetPrintPlot(std::function<void(const ScourHolePlotDesign&)> print);
    // The help page that F1 opens; Enter and F1 work as in the tool windows,
    // and Escape closes the window as Close does.
    void SetHelpPage(const QString& page) { helpPage_ = page; }

    void cmdPlot_Click();
    void cmdPrintThePlot_Click();
    void cmdClose_Click();

    UCNEScourDesignPlot* UCNEScourDesignPlot1;
    QPushButton* cmdPlot;
    QPushButton* cmdPrintThePlot;
    QPushButton* cmdClose;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Load();
    // The plot fills the window below the buttons, 100 twips short of its edges.
    void LayOutPlot();

    std::function<void(const ScourHolePlotDesign&)> print_;
    QString helpPage_;
};
