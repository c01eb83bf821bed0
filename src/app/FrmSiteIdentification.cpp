#include "app/FrmSiteIdentification.h"

#include "platform/Screen.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

FrmSiteIdentification* instance = nullptr;

// Layout in twips within the client area.
constexpr int BoxLeft = 2250;
constexpr int BoxWidth = 4020;
constexpr int BoxHeight = 285;
constexpr int FirstBoxTop = 90;
constexpr int BoxSpacing = 360;
constexpr int LabelHeight = 195;
constexpr int LabelDrop = 45;

struct RowLayout {
    const char* caption;
    int labelLeft;
    int labelWidth;
};

constexpr RowLayout Rows[8] = {
    {"File Number", 1080, 1095},   {"Design Number", 720, 1455},
    {"County", 1215, 915},         {"Project", 1170, 960},
    {"Project Number", 810, 1320}, {"Structure Location (Station)", 225, 1950},
    {"Stream", 1125, 1050},        {"Designer", 1125, 1050},
};

} // namespace

FrmSiteIdentification::FrmSiteIdentification(QMdiArea& area)
    : ToolWindow(area, "Site Identification") {
    instance = this;
    QWidget* previousBox = nullptr;
    for (int row = 0; row < 8; ++row) {
        int top = FirstBoxTop + row * BoxSpacing;
        auto* label = new QLabel(Rows[row].caption, this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Anchored at its right edge: the caption ends just left of its box
        // whatever width this machine's font gives it.
        int labelRight = Rows[row].labelLeft + Rows[row].labelWidth;
        label->setGeometry(
            Screen::TwipsRect(0, top + LabelDrop - 30, labelRight, LabelHeight + 60));
        auto* box = new QLineEdit(this);
        box->setGeometry(Screen::TwipsRect(BoxLeft, top, BoxWidth, BoxHeight));
        label->setBuddy(box);
        if (previousBox) {
            setTabOrder(previousBox, box);
        }
        previousBox = box;
        labels_[row] = label;
        boxes_[row] = box;
    }
    // A font wider than the one the twips were chosen for would cut the
    // longest caption at the window's left edge: every row moves right
    // instead, and the window, sized from its boxes, grows with them.
    int overflow = 0;
    for (const QLabel* label : labels_) {
        overflow = std::max(overflow, label->sizeHint().width() - label->width());
    }
    if (overflow > 0) {
        for (int row = 0; row < 8; ++row) {
            labels_[row]->resize(labels_[row]->width() + overflow, labels_[row]->height());
            boxes_[row]->move(boxes_[row]->x() + overflow, boxes_[row]->y());
        }
    }
    TxtFileNumber = boxes_[0];
    TxtDesignNumber = boxes_[1];
    TxtCounty = boxes_[2];
    TxtProject = boxes_[3];
    TxtProjectNumber = boxes_[4];
    TxtStructureLocation = boxes_[5];
    TxtStream = boxes_[6];
    TxtDesigner = boxes_[7];
    LblFileNumber = labels_[0];
    LblDesignNumber = labels_[1];
    LblCounty = labels_[2];
    LblProject = labels_[3];
    LblProjectNumber = labels_[4];
    LblStructureLocation = labels_[5];
    LblStream = labels_[6];
    LblDesigner = labels_[7];
}

FrmSiteIdentification* FrmSiteIdentification::Instance() {
    return instance;
}

SiteFields FrmSiteIdentification::CurrentFields() {
    return instance ? instance->Fields() : SiteFields{};
}

void FrmSiteIdentification::Initialize() {
    QRect fileNumber = TxtFileNumber->geometry();
    QRect designer = TxtDesigner->geometry();
    double width = Screen::PixelsToTwipsX(fileNumber.x() + fileNumber.width()) + 1500;
    double height = Screen::PixelsToTwipsY(designer.y() + designer.height()) + 1500;
    PlaceTwips(100, 100, width, height);
}

void FrmSiteIdentification::StartUp() {
    ShowAndRaise();
    TxtFileNumber->setFocus();
}

void FrmSiteIdentification::ClearData() {
    for (QLineEdit* box : boxes_) {
        box->clear();
    }
}

SiteFields FrmSiteIdentification::Fields() const {
    SiteFields fields;
    for (size_t i = 0; i < fields.size(); ++i) {
        fields[i] = {labels_[i]->text(), boxes_[i]->text()};
    }
    return fields;
}

void FrmSiteIdentification::SetFieldText(SiteField field, const QString& text) {
    boxes_[static_cast<size_t>(field)]->setText(text);
}
