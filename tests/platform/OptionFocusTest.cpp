#include "platform/OptionFocus.h"
#include "KeyboardInput.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using KeyboardInput::Press;

// The keyboard stays on the checked option of a group, whether its options
// exclude each other by their parent or by a button group: Tab reaches the
// option that code checked, the focus on the group goes to an option that code
// checks and the arrows go on from there, and a click keeps the focus on the
// option clicked.
TEST(OptionFocus, TheKeyboardStaysOnTheCheckedOption) {
    OptionFocus::FollowCheckedOptions();
    for (const bool buttonGroup : {false, true}) {
        SCOPED_TRACE(buttonGroup ? "button group" : "options of one parent");
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* before = new QLineEdit(&window);
        layout->addWidget(before);
        QButtonGroup group;
        std::array<QRadioButton*, 3> options{};
        for (QRadioButton*& option : options) {
            option = new QRadioButton("Option", &window);
            layout->addWidget(option);
            if (buttonGroup) {
                group.addButton(option);
            }
        }
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        options[0]->setChecked(true);
        options[0]->setFocus(Qt::TabFocusReason);
        before->setFocus(Qt::TabFocusReason);

        options[2]->setChecked(true);
        Press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), options[2]);

        options[0]->setChecked(true);
        EXPECT_EQ(QApplication::focusWidget(), options[0]);
        Press(Qt::Key_Down);
        EXPECT_TRUE(options[1]->isChecked());
        EXPECT_EQ(QApplication::focusWidget(), options[1]);

        // On its round button: a laid out option is wider than its caption.
        QTest::mouseClick(options[2], Qt::LeftButton, {}, QPoint(6, options[2]->height() / 2));
        EXPECT_TRUE(options[2]->isChecked());
        EXPECT_EQ(QApplication::focusWidget(), options[2]);
    }
}

// Options that stand apart in the Tab chain, with a box between them: Tab
// stops at the checked one only, where it stands, whoever checked it, also
// when the focus left the group after the arrows had chosen another, and in
// a group that never had the focus.
TEST(OptionFocus, TabStopsAtTheCheckedOptionWhereItStands) {
    OptionFocus::FollowCheckedOptions();
    for (const bool arrowsFirst : {true, false}) {
        SCOPED_TRACE(arrowsFirst ? "after the arrows" : "never focused");
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto add = [&](QWidget* control) {
            layout->addWidget(control);
            return control;
        };
        QWidget* first = add(new QLineEdit(&window));
        auto* select = static_cast<QRadioButton*>(add(new QRadioButton("Select", &window)));
        QWidget* between = add(new QLineEdit(&window));
        auto* specify = static_cast<QRadioButton*>(add(new QRadioButton("Specify", &window)));
        QWidget* last = add(new QLineEdit(&window));
        select->setChecked(true);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        const auto tabPass = [&] {
            std::vector<QWidget*> stops;
            first->setFocus(Qt::TabFocusReason);
            for (int presses = 0; presses < 4; ++presses) {
                Press(Qt::Key_Tab);
                stops.push_back(QApplication::focusWidget());
            }
            return stops;
        };
        if (arrowsFirst) {
            select->setFocus(Qt::TabFocusReason);
            Press(Qt::Key_Down);
            ASSERT_TRUE(specify->isChecked());
            last->setFocus(Qt::TabFocusReason);
            select->setChecked(true); // as File New does
            EXPECT_EQ(tabPass(), (std::vector<QWidget*>{select, between, last, first}));
        } else {
            specify->setChecked(true); // as File Open does
            EXPECT_EQ(tabPass(), (std::vector<QWidget*>{between, specify, last, first}));
        }
        EXPECT_EQ(tabPass(), tabPass());
    }
}

} // namespace
