#include "tailwater/FrmTailWaterCrossSectionChannel.h"
#include "TailwaterWindowFixture.h"
#include "platform/AppError.h"

#include <QLineEdit>
#include <QMdiSubWindow>

namespace {

class ChannelService : public TailwaterWindows {
protected:
    void SetUp() override {
        TailwaterWindows::SetUp();
        service_ = std::make_unique<CrossSectionTailwaterChannel>(*channel);
    }
    TailwaterChannel& service() { return *service_; }

private:
    std::unique_ptr<CrossSectionTailwaterChannel> service_;
};

// Normal depths in the trapezoid, by bisection of Manning's equation
// Q = 1.486 / 0.03 A (A / P)^(2/3) sqrt(0.001) with A = y (20 + 2 y) and
// P = 20 + 2 y sqrt(5) (independent python3 working): 50 ft^3/s at 1.2975 ft,
// 100 at 1.9410 ft, 200 at 2.8807 ft.
TEST_F(ChannelService, GivesTheNormalDepthOfEachDischargeInTheTypedChannel) {
    TypeTrapezoid();
    ASSERT_FALSE(service().Validate());
    service().Prepare();
    const std::pair<double, double> cases[] = {{50, 1.2975}, {100, 1.9410}, {200, 2.8807}};
    for (const auto& [q, depth] : cases) {
        auto found = service().NormalDepth(q);
        ASSERT_TRUE(found) << q;
        EXPECT_NEAR(*found, depth, 1e-3) << q;
    }
}

// The bound is a step of its own, which the windows take after their own
// checks: a slope beyond it passes Validate and is named by OutOfBounds.
TEST_F(ChannelService, HoldsTheCheckedChannelToTheBoundAsAStepOfItsOwn) {
    EXPECT_THROW(service().OutOfBounds(), AppError);
    TypeTrapezoid();
    channel->SetInputText(FrmTailWaterCrossSection::Input::ChannelSlope, "2,000,000");
    ASSERT_FALSE(service().Validate());
    EXPECT_EQ(service().OutOfBounds()->message, "The value entered for Channel Slope is too "
                                                "large. Please re-enter the Channel Slope.");
    channel->SetInputText(FrmTailWaterCrossSection::Input::ChannelSlope, "0.001");
    channel->SetPointCell(3, 2, "1e7");
    ASSERT_FALSE(service().Validate());
    EXPECT_EQ(service().OutOfBounds()->message,
              "Value entered for Elevation for Point 3 is too large. Please re-enter.");
    EXPECT_EQ(service().OutOfBounds()->field, "GrdXSection(3, 2)");
    channel->SetPointCell(3, 2, "100");
    ASSERT_FALSE(service().Validate());
    EXPECT_FALSE(service().OutOfBounds());
}

TEST_F(ChannelService, ReadsTheWindowAfreshAndKeepsItsStepsInOrder) {
    EXPECT_THROW(service().Prepare(), AppError);
    TypeTrapezoid();
    channel->SetInputText(FrmTailWaterCrossSection::Input::LeftOBStation, "0");
    const auto refused = service().Validate();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->message, "Left Over-Bank Station can not be the first or last station.");
    EXPECT_THROW(service().Prepare(), AppError);
    EXPECT_THROW(service().NormalDepth(10), AppError);

    channel->SetInputText(FrmTailWaterCrossSection::Input::LeftOBStation, "");
    EXPECT_FALSE(service().Validate());
    EXPECT_THROW(service().NormalDepth(10), AppError);

    // A refusal that another window's action found is the channel window's to show.
    service().Refuse(*refused);
    EXPECT_TRUE(channel->Frame()->isVisible());
    EXPECT_EQ(main.MdiArea().activeSubWindow(), channel->Frame());
    EXPECT_EQ(user.MessageTexts(), std::vector<QString>{QString::fromStdString(refused->message)});
    EXPECT_EQ(channel->focusWidget(), static_cast<QWidget*>(channel->TxtLeftOBStation));
}

} // namespace
