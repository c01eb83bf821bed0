#include "app/MainFrm.h"

#include "hydraulics/HydraulicConstants.h"
#include "hydraulics/PipeArchGeom.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "platform/InputChecks.h"
#include "platform/Numbers.h"
#include "platform/Refusal.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString NumberText(double value) {
    return QString::fromStdString(Numbers::GeneralText(value));
}

} // namespace

MainFrm::MainFrm(QMdiArea& area) : ToolWindow(area, "VSHA Culvert Design") {
    auto* grid = new QGridLayout(this);
    // A box beside its label, in column pair 0/1 (inputs) or 2/3 (outputs).
    auto addBox = [&](const char* name, const char* caption, int row, int column) {
        auto* box = new QLineEdit(this);
        box->setObjectName(name);
        box->setAccessibleName(caption); // names the box in the input messages
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        grid->addWidget(label, row, column);
        grid->addWidget(box, row, column + 1);
        return box;
    };
    Text10 = addBox("Text10", "Span", 0, 0);
    Text1 = addBox("Text1", "Rise", 1, 0);
    Text2 = addBox("Text2", "BR", 2, 0);
    Text3 = addBox("Text3", "TR", 3, 0);
    Text11 = addBox("Text11", "CR", 4, 0);
    Text12 = addBox("Text12", "Depth", 5, 0);
    Text4 = addBox("Text4", "B", 0, 2);
    Text5 = addBox("Text5", "Y1", 1, 2);
    Text6 = addBox("Text6", "Y2", 2, 2);
    Text14 = addBox("Text14", "Yc", 3, 2);
    Text16 = addBox("Text16", "iterations", 4, 2);
    Command1 = new QPushButton("Command1", this);
    Command1->setObjectName("Command1");
    grid->addWidget(Command1, 6, 1);
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(4, 1);
    connect(Command1, &QPushButton::clicked, this, &MainFrm::Command1_Click);
}

void MainFrm::Initialize() {
    PlaceTwips(0, 0, 0.9 * ClientWidthTwips(), 0.9 * ClientHeightTwips());
}

void MainFrm::StartUp() {
    ShowAndRaise();
}

void MainFrm::Command1_Click() {
    RunUserAction(ErrorStyle::Titled, [this] { Compute(); });
}

std::vector<InputChecks::NumberCheck> MainFrm::SizeChecks() const {
    QLineEdit* const boxes[6] = {Text10, Text1, Text2, Text3, Text11, Text12};
    std::vector<InputChecks::NumberCheck> checks;
    for (QLineEdit* box : boxes) {
        const std::string field = box->accessibleName().toStdString();
        InputChecks::NumberCheck& check = checks.emplace_back(InputChecks::TypedNumber(
            box->objectName().toStdString(), box->text().toStdString(), field, field));
        // The five dimensions, in inches; the discharge last.
        if (box != Text12) {
            check.tooSmall = InputChecks::TooSmall(field);
            check.smallest = 12 * Hydraulics::SmallestBarrelDimension;
        }
    }
    return checks;
}

void MainFrm::Compute() {
    const InputChecks::Outcome outcome = InputChecks::Check(SizeChecks());
    if (outcome.failure) {
        Refusal::Show(*this, *outcome.failure);
        return;
    }
    const std::vector<double>& inputs = outcome.values;
    // Inches to feet; the discharge is taken as it stands.
    const double span = inputs[0] / 12;
    const double rise = inputs[1] / 12;
    const double bottomRadius = inputs[2] / 12;
    const double topRadius = inputs[3] / 12;
    const double cornerRadius = inputs[4] / 12;
    const double discharge = inputs[5];

    const std::string fault =
        PipeArchGeom::CheckArchSection(span, rise, bottomRadius, topRadius, cornerRadius);
    if (!fault.empty()) {
        Dialogs::Message(QString::fromStdString(fault));
        return;
    }

    const double yc = PipeArchGeom::ComputeArchCornerCentreHeight(span, bottomRadius, cornerRadius);
    const double y1 =
        PipeArchGeom::ComputeArchBottomTangentHeight(span, bottomRadius, cornerRadius);
    const double y2 = PipeArchGeom::ComputeArchTopTangentHeight(span, rise, bottomRadius, topRadius,
                                                                cornerRadius);
    int iterations = 0;
    const double dc = PipeArchGeom::ComputeArchCriticalDepth(discharge, span, rise, bottomRadius,
                                                             topRadius, cornerRadius, iterations);
    Text4->setText(NumberText(12 * yc));
    Text5->setText(NumberText(12 * y1));
    Text6->setText(NumberText(12 * y2));
    Text14->setText(NumberText(12 * dc));
    Text16->setText(QString::number(iterations));
}
