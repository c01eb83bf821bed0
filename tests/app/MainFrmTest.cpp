#include "app/MainFrm.h"
#include "FakeDialogs.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class PipeArchTestWindow : public ::testing::Test {
protected:
    void SetUp() override {
        area.resize(1000, 700);
        area.show();
        window = new MainFrm(area);
        window->Initialize();
    }

    // Types the sizes (inches) and the discharge and presses Command1.
    void Run(const char* span, const char* rise, const char* bottom, const char* top,
             const char* corner, const char* discharge) {
        QLineEdit* boxes[] = {window->Text10, window->Text1,  window->Text2,
                              window->Text3,  window->Text11, window->Text12};
        const char* texts[] = {span, rise, bottom, top, corner, discharge};
        for (int i = 0; i < 6; ++i) {
            boxes[i]->setText(texts[i]);
        }
        QTest::mouseClick(window->Command1, Qt::LeftButton);
    }

    std::vector<double> Outputs() const {
        std::vector<double> values;
        for (QLineEdit* box :
             {window->Text4, window->Text5, window->Text6, window->Text14, window->Text16}) {
            values.push_back(box->text().toDouble());
        }
        return values;
    }

    FakeDialogs user;
    QMdiArea area;
    MainFrm* window = nullptr;
};

TEST_F(PipeArchTestWindow, IsPlacedInTheCornerAtNineTenthsOfTheClientArea) {
    EXPECT_FALSE(window->Frame()->isVisible());
    EXPECT_EQ(window->Frame()->windowTitle(), "VSHA Culvert Design");
    const QRect frame = window->Frame()->geometry();
    EXPECT_EQ(frame.topLeft(), QPoint(0, 0));
    EXPECT_NEAR(frame.width(), 0.9 * area.viewport()->width(), 2);
    EXPECT_NEAR(frame.height(), 0.9 * area.viewport()->height(), 2);

    window->StartUp();
    EXPECT_TRUE(window->Frame()->isVisible());
    EXPECT_FALSE(window->Frame()->close()); // the close box only hides it
    EXPECT_FALSE(window->Frame()->isVisible());
}

TEST_F(PipeArchTestWindow, ShowsTheZoneHeightsAndCriticalDepthInInches) {
    // Span 6 ft, bottom radius 7, top 3.25, corner 1.5 ft, closed at a rise of
    // 4.0571 ft: yc 1.7085, y1 0.2654, y2 2.4811 ft; critical depth of 100
    // ft^3/s 2.3201 ft (all from an independent construction of the section).
    window->StartUp();
    Run("72", "48.68531470805786", "84", "39", "18", "100");
    EXPECT_TRUE(user.shown.empty());
    const std::vector<double> out = Outputs();
    EXPECT_NEAR(out[0], 12 * 1.7084973778708186, 1e-9);
    EXPECT_NEAR(out[1], 12 * 0.2653602991083144, 1e-9);
    EXPECT_NEAR(out[2], 12 * 2.4811155083273873, 1e-9);
    EXPECT_NEAR(out[3], 12 * 2.3200982851065133, 12 * 0.001);
    EXPECT_GT(out[4], 0);
    EXPECT_LE(out[4], 100);

    // Editing an input changes nothing until Command1 is pressed again.
    const QString before = window->Text14->text();
    window->Text12->setText("200");
    EXPECT_EQ(window->Text14->text(), before);

    // No discharge: critical depth 0 after 0 passes.
    Run("72", "48.68531470805786", "84", "39", "18", "-5");
    EXPECT_EQ(window->Text14->text(), "0");
    EXPECT_EQ(window->Text16->text(), "0");
    Run("72", "48.68531470805786", "84", "39", "18", "0");
    EXPECT_EQ(window->Text14->text(), "0");
    EXPECT_EQ(window->Text16->text(), "0");
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(PipeArchTestWindow, NamesTheFirstBoxThatIsBlankOrNotANumberAndKeepsTheOutputs) {
    Run("72", "48.69", "84", "39", "18", "100");
    const QString shown = window->Text14->text();
    struct Case {
        const char* span;
        const char* bottom;
        const char* discharge;
        const char* message;
    };
    const Case cases[] = {
        {"abc", "84", "100",
         "The value entered for Span can not be evaluated as a number. Please re-enter the Span."},
        {"72", "8 4", "x",
         "The value entered for BR can not be evaluated as a number. Please re-enter the BR."},
        {"72", "84", "1e999",
         "The value entered for Depth can not be evaluated as a number. Please re-enter the "
         "Depth."},
        {"  ", "84", "100", "A value is required for Span."},
        {"72", "84", "", "A value is required for Depth."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        user.shown.clear();
        Run(c.span, "48.69", c.bottom, "39", "18", c.discharge);
        ASSERT_EQ(user.shown.size(), 1u);
        EXPECT_EQ(user.shown[0].text.toStdString(), c.message);
        EXPECT_EQ(user.shown[0].title, Dialogs::ApplicationTitle);
        EXPECT_EQ(window->Text14->text(), shown);
    }
}

TEST_F(PipeArchTestWindow, ReportsSizesThatCannotFormAPipeArch) {
    struct Case {
        const char* span;
        const char* corner;
        const char* message;
    };
    const Case cases[] = {
        {"72", "84", "The pipe-arch corner radius must be smaller than the bottom radius."},
        {"72", "36", "The pipe-arch corner radius must be smaller than half the span."},
        {"168", "18", "The pipe-arch bottom radius must be larger than half the span."},
        {"0", "18", "The pipe-arch span must be > 0."},
        {"72", "-1", "The pipe-arch corner radius must be > 0."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        user.shown.clear();
        Run(c.span, "48.69", "84", "39", c.corner, "100");
        ASSERT_EQ(user.shown.size(), 1u);
        EXPECT_EQ(user.shown[0].text.toStdString(), c.message);
        EXPECT_TRUE(window->Text4->text().isEmpty());
    }
}

} // namespace
