#pragma once

#include "platform/InputChecks.h"
#include "platform/ToolWindow.h"

#include <vector>

class QLineEdit;
class QPushButton;

// A developer's test window for the three-radius pipe-arch geometry: takes a
// pipe-arch's span, rise and radii in inches and a discharge, and shows the
// heights of the corner-arc centre and of the two tangent points and the
// critical depth in inches, with the number of bisection passes the critical
// depth took. It holds no project data.
//
// Command1 checks its inputs first: a blank box or one that is not a number
// is named in a message box, and sizes that cannot form a pipe-arch are
// reported with the geometry's own message; the outputs are then left as
// they were.
class MainFrm : public ToolWindow {
    Q_OBJECT
public:
    explicit MainFrm(QMdiArea& area);

    // Left 0, top 0, nine tenths of the main window's client area; stays hidden.
    void Initialize();
    // Shows the window and brings it to the front.
    void StartUp();

    // Runs the computation.
    void Command1_Click();
    // The checks of the inputs, in the order the computation makes them.
    std::vector<InputChecks::NumberCheck> SizeChecks() const;

    // Inputs: span, rise, bottom, top and corner radius (inches), discharge (ft^3/s).
    QLineEdit* Text10;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text11;
    QLineEdit* Text12;
    QPushButton* Command1;
    // Outputs: yc, y1, y2 and the critical depth (inches), and the passes.
    QLineEdit* Text4;
    QLineEdit* Text5;
    QLineEdit* Text6;
    QLineEdit* Text14;
    QLineEdit* Text16;

private:
    void Compute();
};
