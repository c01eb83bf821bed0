#include "riprap_basin/Hec14RiprapClass.h"

#include <gtest/gtest.h>

// Class E up to 1.2 ft with at least 3.0 ft (approach, 3 D50) and 2.0 ft
// (basin, 2 D50); class B up to 2 ft with at least 4.5 and 3.0 ft; above
// 2 ft out of range. By hand: 1.1 gives 3.3 and 2.2, above the class E
// minimums; 1.3 gives 3.9 and 2.6, below the class B ones; 1.6 gives 4.8
// and 3.2, above them.
TEST(RiprapClass, ClassAndThicknessesAroundEveryBoundary) {
    struct Case {
        double d50;
        RiprapRecommendation expected;
    };
    const Case cases[] = {
        {0.5, {"CLASS E", "1.5", "3.0", "1", "2.0"}},
        {1.0, {"CLASS E", "3", "3.0", "2", "2.0"}},
        {1.1, {"CLASS E", "3.3", "3.3", "2.2", "2.2"}},
        {1.2, {"CLASS E", "3.6", "3.6", "2.4", "2.4"}},
        {1.3, {"CLASS B", "3.9", "4.5", "2.6", "3.0"}},
        {1.5, {"CLASS B", "4.5", "4.5", "3", "3.0"}},
        {1.6, {"CLASS B", "4.8", "4.8", "3.2", "3.2"}},
        {2.0, {"CLASS B", "6", "6", "4", "4"}},
        {2.1, {"OUT OF RANGE", "6.3", "", "4.2", ""}},
        {2.5, {"OUT OF RANGE", "7.5", "", "5", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.d50);
        const RiprapRecommendation r = Hec14RiprapClass::Recommend(c.d50);
        EXPECT_EQ(r.riprapClass, c.expected.riprapClass);
        EXPECT_EQ(r.calculatedApproach, c.expected.calculatedApproach);
        EXPECT_EQ(r.recommendedApproach, c.expected.recommendedApproach);
        EXPECT_EQ(r.calculatedBasin, c.expected.calculatedBasin);
        EXPECT_EQ(r.recommendedBasin, c.expected.recommendedBasin);
    }
}

// Sizes reached as the search reaches them, by repeated steps of 0.1 from
// 0.1: the sums lie a rounding error away from the tenths they show, and
// class as those tenths (1.2 is class E, 2.0 class B).
TEST(RiprapClass, SizesReachedByTenthStepsClassAsTheTenthTheyShow) {
    double d50 = 0.1;
    for (int tenths = 1; tenths <= 25; ++tenths) {
        SCOPED_TRACE(tenths);
        const RiprapRecommendation r = Hec14RiprapClass::Recommend(d50);
        const char* expected = tenths <= 12 ? "CLASS E" : tenths <= 20 ? "CLASS B" : "OUT OF RANGE";
        EXPECT_EQ(r.riprapClass, expected);
        d50 += 0.1;
    }
    double sum = 0.1;
    for (int i = 1; i < 20; ++i) {
        sum += 0.1;
    }
    ASSERT_NE(sum, 2.0); // the accumulated size is not exactly 2
    EXPECT_EQ(Hec14RiprapClass::Recommend(sum).riprapClass, "CLASS B");
    EXPECT_EQ(Hec14RiprapClass::Recommend(sum).recommendedBasin, "4");
}
