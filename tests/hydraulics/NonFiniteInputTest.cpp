// Every public routine of the section, open-channel, inlet-control and
// outlet-control modules refuses an input that is nan or infinite, naming the
// input, instead of guarding it into a 0, a status code or a nan result.

#include "hydraulics/CircGeom.h"
#include "hydraulics/InletControlMod.h"
#include "hydraulics/OpenChannelFlow.h"
#include "hydraulics/OutletControlMod.h"
#include "hydraulics/PipeArchGeom.h"
#include "hydraulics/RectGeom.h"
#include "platform/AppError.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

using Args = std::vector<double>;

struct Routine {
    const char* name;
    const char* what;                // the computation the error names
    std::vector<const char*> inputs; // in argument order
    Args valid;                      // a call that succeeds
    std::function<void(const Args&)> call;
};

// The example pipe-arch: span 6, rise 4.0571 (closed), radii 7, 3.25, 1.5 ft.
constexpr double B = 6, Rise = 4.057109559004822, Rb = 7, Rt = 3.25, Rc = 1.5;
// Its zone heights yc, y1, y2.
constexpr double Yc = 1.7084973778708186, Y1 = 0.2653602991083144, Y2 = 2.4811155083273873;

// The out-parameters of the normal-depth searches.
struct NormalDepthOut {
    double depth = 0;
    int flag = 0;
    std::string message;
    int iterations = 0;
};

std::vector<Routine> SectionRoutines() {
    return {
        {"RectCriticalDepth",
         "the rectangular critical depth",
         {"Q", "B"},
         {100, 5},
         [](const Args& a) { RectGeom::ComputeRectCriticalDepth(a[0], a[1]); }},
        {"RectBoxFrictionSlope",
         "the box friction slope",
         {"Q", "B", "D", "y", "n"},
         {100, 5, 4, 2, 0.012},
         [](const Args& a) {
             RectGeom::ComputeRectBoxFrictionSlope(a[0], a[1], a[2], a[3], a[4]);
         }},
        {"RectOpenFrictionSlope",
         "the open-channel friction slope",
         {"Q", "B", "y", "n"},
         {100, 5, 2, 0.012},
         [](const Args& a) { RectGeom::ComputeRectOpenFrictionSlope(a[0], a[1], a[2], a[3]); }},
        {"RectNormalDepth",
         "the rectangular normal depth",
         {"Q", "B", "D", "n", "S"},
         {100, 5, 4, 0.012, 0.01},
         [](const Args& a) {
             NormalDepthOut o;
             RectGeom::ComputeRectNormalDepth(a[0], a[1], a[2], a[3], a[4], o.depth, o.flag,
                                              o.message, o.iterations);
         }},
        {"RectManningQ",
         "the rectangular Manning discharge",
         {"n", "B", "y", "S"},
         {0.012, 5, 2, 0.01},
         [](const Args& a) { RectGeom::ComputeRectManningQ(a[0], a[1], a[2], a[3]); }},
        {"CircTopWidth",
         "the circular top width",
         {"D", "y"},
         {3, 1},
         [](const Args& a) { CircGeom::ComputeCircTopWidth(a[0], a[1]); }},
        {"CircFlowArea",
         "the circular flow area",
         {"D", "y"},
         {3, 1},
         [](const Args& a) { CircGeom::ComputeCircFlowArea(a[0], a[1]); }},
        {"CircWettedPerimeter",
         "the circular wetted perimeter",
         {"D", "y"},
         {3, 1},
         [](const Args& a) { CircGeom::ComputeCircWettedPerimeter(a[0], a[1]); }},
        {"CircCriticalDepth",
         "the circular critical depth",
         {"Q", "D"},
         {50, 3},
         [](const Args& a) {
             int iterations = 0;
             CircGeom::ComputeCircCriticalDepth(a[0], a[1], iterations);
         }},
        {"CircNormalDepth",
         "the circular normal depth",
         {"D", "Q", "n", "S"},
         {3, 50, 0.012, 0.01},
         [](const Args& a) {
             NormalDepthOut o;
             CircGeom::ComputeCircNormalDepth(a[0], a[1], a[2], a[3], o.depth, o.flag, o.message,
                                              o.iterations);
         }},
        {"CircManningQ",
         "the circular Manning discharge",
         {"D", "n", "y", "S"},
         {3, 0.012, 1, 0.01},
         [](const Args& a) { CircGeom::ComputeCircManningQ(a[0], a[1], a[2], a[3]); }},
    };
}

std::vector<Routine> PipeArchRoutines() {
    using namespace PipeArchGeom;
    const std::vector<const char*> sizes = {"B", "rise", "Rb", "Rt", "Rc"};
    const auto with = [&sizes](std::vector<const char*> more) {
        std::vector<const char*> all = sizes;
        all.insert(all.end(), more.begin(), more.end());
        return all;
    };
    return {
        {"ArchCornerCentreHeight",
         "the pipe-arch corner-arc centre height",
         {"B", "Rb", "Rc"},
         {B, Rb, Rc},
         [](const Args& a) { ComputeArchCornerCentreHeight(a[0], a[1], a[2]); }},
        {"ArchBottomTangentHeight",
         "the pipe-arch bottom tangent height",
         {"B", "Rb", "Rc"},
         {B, Rb, Rc},
         [](const Args& a) { ComputeArchBottomTangentHeight(a[0], a[1], a[2]); }},
        {"ArchTopTangentHeight",
         "the pipe-arch top tangent height",
         sizes,
         {B, Rise, Rb, Rt, Rc},
         [](const Args& a) { ComputeArchTopTangentHeight(a[0], a[1], a[2], a[3], a[4]); }},
        {"ArchBottomZoneArea",
         "the pipe-arch bottom zone area",
         {"Rb", "y1", "y"},
         {Rb, Y1, 2},
         [](const Args& a) { ComputeArchBottomZoneArea(a[0], a[1], a[2]); }},
        {"ArchCornerZoneArea",
         "the pipe-arch corner zone area",
         {"B", "Rc", "yc", "y1", "y2", "y"},
         {B, Rc, Yc, Y1, Y2, 2},
         [](const Args& a) { ComputeArchCornerZoneArea(a[0], a[1], a[2], a[3], a[4], a[5]); }},
        {"ArchTopZoneArea",
         "the pipe-arch top zone area",
         {"rise", "Rt", "y2", "y"},
         {Rise, Rt, Y2, 3},
         [](const Args& a) { ComputeArchTopZoneArea(a[0], a[1], a[2], a[3]); }},
        {"ArchFlowArea",
         "the pipe-arch flow area",
         with({"y"}),
         {B, Rise, Rb, Rt, Rc, 2},
         [](const Args& a) { ComputeArchFlowArea(a[0], a[1], a[2], a[3], a[4], a[5]); }},
        {"ArchTopWidth",
         "the pipe-arch top width",
         with({"y"}),
         {B, Rise, Rb, Rt, Rc, 2},
         [](const Args& a) { ComputeArchTopWidth(a[0], a[1], a[2], a[3], a[4], a[5]); }},
        {"ArchBottomZonePerimeter",
         "the pipe-arch bottom zone perimeter",
         {"Rb", "y1", "y"},
         {Rb, Y1, 2},
         [](const Args& a) { ComputeArchBottomZonePerimeter(a[0], a[1], a[2]); }},
        {"ArchCornerZonePerimeter",
         "the pipe-arch corner zone perimeter",
         {"Rc", "yc", "y1", "y2", "y"},
         {Rc, Yc, Y1, Y2, 2},
         [](const Args& a) { ComputeArchCornerZonePerimeter(a[0], a[1], a[2], a[3], a[4]); }},
        {"ArchTopZonePerimeter",
         "the pipe-arch top zone perimeter",
         {"rise", "Rt", "y2", "y"},
         {Rise, Rt, Y2, 3},
         [](const Args& a) { ComputeArchTopZonePerimeter(a[0], a[1], a[2], a[3]); }},
        {"ArchWettedPerimeter",
         "the pipe-arch wetted perimeter",
         with({"y"}),
         {B, Rise, Rb, Rt, Rc, 2},
         [](const Args& a) { ComputeArchWettedPerimeter(a[0], a[1], a[2], a[3], a[4], a[5]); }},
        {"ArchCriticalDepth",
         "the pipe-arch critical depth",
         {"Q", "B", "rise", "Rb", "Rt", "Rc"},
         {100, B, Rise, Rb, Rt, Rc},
         [](const Args& a) {
             int iterations = 0;
             ComputeArchCriticalDepth(a[0], a[1], a[2], a[3], a[4], a[5], iterations);
         }},
        {"ArchConveyanceFactor",
         "the pipe-arch conveyance",
         {"y", "B", "rise", "Rb", "Rt", "Rc"},
         {2, B, Rise, Rb, Rt, Rc},
         [](const Args& a) { ComputeArchConveyanceFactor(a[0], a[1], a[2], a[3], a[4], a[5]); }},
        {"FindArchMaxFlowDepth",
         "the pipe-arch largest-flow depth",
         sizes,
         {B, Rise, Rb, Rt, Rc},
         [](const Args& a) { FindArchMaxFlowDepth(a[0], a[1], a[2], a[3], a[4]); }},
        {"ArchNormalDepth",
         "the pipe-arch normal depth",
         {"Q", "B", "rise", "Rb", "Rt", "Rc", "n", "S"},
         {100, B, Rise, Rb, Rt, Rc, 0.025, 0.01},
         [](const Args& a) {
             NormalDepthOut o;
             ComputeArchNormalDepth(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], o.depth, o.flag,
                                    o.message, o.iterations);
         }},
        {"ArchManningQ",
         "the pipe-arch Manning discharge",
         with({"n", "y", "S"}),
         {B, Rise, Rb, Rt, Rc, 0.025, 2, 0.01},
         [](const Args& a) {
             ComputeArchManningQ(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
         }},
        {"ArchClosedSpanRise",
         "the pipe-arch closed section",
         {"rise", "Rb", "Rt", "Rc"},
         {Rise, Rb, Rt, Rc},
         [](const Args& a) { ComputeArchClosedSpanRise(a[0], a[1], a[2], a[3]); }},
    };
}

std::vector<Routine> OpenChannelRoutines() {
    using namespace OpenChannelFlow;
    constexpr const char* what = "a section";
    return {
        {"ConveyanceFactor",
         what,
         {"A", "P"},
         {10, 8},
         [](const Args& a) { ConveyanceFactor(a[0], a[1], what); }},
        {"FrictionSlope",
         what,
         {"Q", "n", "A", "P"},
         {100, 0.012, 10, 8},
         [](const Args& a) { FrictionSlope(a[0], a[1], a[2], a[3], what); }},
        {"DischargeFromConveyance",
         what,
         {"n", "K", "S"},
         {0.012, 10, 0.01},
         [](const Args& a) { DischargeFromConveyance(a[0], a[1], a[2], what); }},
        {"Discharge",
         what,
         {"n", "A", "P", "S"},
         {0.012, 10, 8, 0.01},
         [](const Args& a) { Discharge(a[0], a[1], a[2], a[3], what); }},
        {"CriticalSectionFactor",
         what,
         {"A", "T"},
         {10, 5},
         [](const Args& a) { CriticalSectionFactor(a[0], a[1], what); }},
        {"SearchNormalDepth",
         "the normal-depth search",
         {"Q", "ymax", "fullHeight"},
         {10, 4, 4},
         [](const Args& a) {
             NormalDepthOut o;
             SearchNormalDepth(
                 a[0], a[1], a[2], [](double y) { return 5 * y; }, o.depth, o.flag, o.message,
                 o.iterations);
         }},
        {"BisectCriticalDepth",
         "the critical-depth bisection",
         {"target", "lo", "hi"},
         {8, 0.001, 4},
         [](const Args& a) {
             int iterations = 0;
             BisectCriticalDepth(
                 a[0], a[1], a[2], [](double y) { return y * y * y; }, iterations);
         }},
    };
}

std::vector<Routine> ControlRoutines() {
    using namespace InletControlMod;
    using namespace OutletControlMod;
    constexpr const char* inlet = "the inlet-control headwater";
    constexpr const char* head = "the outlet-control head loss";
    constexpr const char* ho = "the outlet-control tailwater term";
    // Example inlet: form 1, K 0.5, M 0.7, c 0.04, Y 0.8, not mitered.
    return {
        {"BoxInletControl",
         inlet,
         {"Q", "B", "D", "S", "K", "M", "c", "Y"},
         {150, 5, 4, 0.01, 0.5, 0.7, 0.04, 0.8},
         [](const Args& a) {
             ComputeBoxInletControlHWRatio(a[0], a[1], a[2], a[3], 1, a[4], a[5], a[6], a[7], 0);
         }},
        {"BoxSubmerged",
         inlet,
         {"Q", "B", "D", "S", "c", "Y"},
         {150, 5, 4, 0.01, 0.04, 0.8},
         [](const Args& a) { ComputeBoxSubmergedHWRatio(a[0], a[1], a[2], a[3], a[4], a[5], 0); }},
        {"BoxUnsubmerged",
         inlet,
         {"Q", "B", "D", "S", "K", "M"},
         {150, 5, 4, 0.01, 0.5, 0.7},
         [](const Args& a) {
             ComputeBoxUnsubmergedHWRatio(a[0], a[1], a[2], a[3], 1, a[4], a[5], 0);
         }},
        {"CircInletControl",
         inlet,
         {"Q", "D", "S", "K", "M", "c", "Y"},
         {46, 3, 0.01, 0.5, 0.7, 0.04, 0.8},
         [](const Args& a) {
             ComputeCircInletControlHWRatio(a[0], a[1], a[2], 1, a[3], a[4], a[5], a[6], 0);
         }},
        {"CircSubmerged",
         inlet,
         {"Q", "D", "S", "c", "Y"},
         {46, 3, 0.01, 0.04, 0.8},
         [](const Args& a) { ComputeCircSubmergedHWRatio(a[0], a[1], a[2], a[3], a[4], 0); }},
        {"CircUnsubmerged",
         inlet,
         {"Q", "D", "S", "K", "M"},
         {46, 3, 0.01, 0.5, 0.7},
         [](const Args& a) { ComputeCircUnsubmergedHWRatio(a[0], a[1], a[2], 1, a[3], a[4], 0); }},
        {"PipeArchInletControl",
         inlet,
         {"Q", "B", "D", "Rb", "Rt", "Rc", "S", "K", "M", "c", "Y"},
         {100, B, Rise, Rb, Rt, Rc, 0.01, 0.5, 0.7, 0.04, 0.8},
         [](const Args& a) {
             ComputePipeArchInletControlHWRatio(a[0], a[1], a[2], a[3], a[4], a[5], a[6], 1, a[7],
                                                a[8], a[9], a[10], 0);
         }},
        {"PipeArchSubmerged",
         inlet,
         {"Q", "B", "D", "Rb", "Rt", "Rc", "S", "c", "Y"},
         {100, B, Rise, Rb, Rt, Rc, 0.01, 0.04, 0.8},
         [](const Args& a) {
             ComputePipeArchSubmergedHWRatio(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8],
                                             0);
         }},
        {"PipeArchUnsubmerged",
         inlet,
         {"Q", "B", "D", "Rb", "Rt", "Rc", "S", "K", "M"},
         {100, B, Rise, Rb, Rt, Rc, 0.01, 0.5, 0.7},
         [](const Args& a) {
             ComputePipeArchUnsubmergedHWRatio(a[0], a[1], a[2], a[3], a[4], a[5], a[6], 1, a[7],
                                               a[8], 0);
         }},
        {"CircOutletHead",
         head,
         {"Q", "n", "L", "D", "Ke"},
         {50, 0.012, 100, 3, 0.5},
         [](const Args& a) { ComputeCircOutletHead(a[0], a[1], a[2], a[3], a[4]); }},
        {"CircOutletHo",
         ho,
         {"Q", "D", "TW"},
         {50, 3, 1},
         [](const Args& a) { ComputeCircOutletHo(a[0], a[1], a[2]); }},
        {"BoxOutletHead",
         head,
         {"Q", "n", "L", "B", "D", "Ke"},
         {100, 0.012, 100, 5, 4, 0.5},
         [](const Args& a) { ComputeBoxOutletHead(a[0], a[1], a[2], a[3], a[4], a[5]); }},
        {"BoxOutletHo",
         ho,
         {"Q", "B", "D", "TW"},
         {100, 5, 4, 1},
         [](const Args& a) { ComputeBoxOutletHo(a[0], a[1], a[2], a[3]); }},
        {"ArchOutletHead",
         head,
         {"Q", "n", "L", "B", "D", "Rb", "Rt", "Rc", "Ke"},
         {100, 0.025, 100, B, Rise, Rb, Rt, Rc, 0.5},
         [](const Args& a) {
             ComputeArchOutletHead(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8]);
         }},
        {"ArchOutletHo",
         ho,
         {"Q", "B", "D", "Rb", "Rt", "Rc", "TW"},
         {100, B, Rise, Rb, Rt, Rc, 1},
         [](const Args& a) { ComputeArchOutletHo(a[0], a[1], a[2], a[3], a[4], a[5], a[6]); }},
    };
}

const double BadValues[] = {std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity()};

void ExpectEachNonFiniteInputRefused(const std::vector<Routine>& routines) {
    for (const Routine& r : routines) {
        SCOPED_TRACE(r.name);
        ASSERT_EQ(r.inputs.size(), r.valid.size());
        EXPECT_NO_THROW(r.call(r.valid));
        for (std::size_t i = 0; i < r.inputs.size(); ++i) {
            for (double bad : BadValues) {
                SCOPED_TRACE(testing::Message() << r.inputs[i] << " = " << bad);
                Args args = r.valid;
                args[i] = bad;
                try {
                    r.call(args);
                    ADD_FAILURE() << "no error";
                } catch (const AppError& error) {
                    EXPECT_EQ(error.number, ErrorNumber::InvalidArgument);
                    EXPECT_EQ(error.description, std::string("Invalid argument in ") + r.what +
                                                     " (" + r.inputs[i] +
                                                     " is not a finite number)");
                }
            }
        }
    }
}

TEST(NonFiniteInput, SectionGeometryRefusesIt) {
    ExpectEachNonFiniteInputRefused(SectionRoutines());
}

TEST(NonFiniteInput, PipeArchGeometryRefusesIt) {
    ExpectEachNonFiniteInputRefused(PipeArchRoutines());
}

TEST(NonFiniteInput, SharedOpenChannelRoutinesRefuseIt) {
    ExpectEachNonFiniteInputRefused(OpenChannelRoutines());
}

TEST(NonFiniteInput, InletAndOutletControlRefuseIt) {
    ExpectEachNonFiniteInputRefused(ControlRoutines());
}

// The cases: a rise handed in as nan or -inf came back as the depth
// with status 3, and the ho routines returned nan or inf.
TEST(NonFiniteInput, NormalDepthNeverReportsANonFiniteDepth) {
    for (double bad : BadValues) {
        NormalDepthOut o;
        o.depth = -1;
        EXPECT_THROW(RectGeom::ComputeRectNormalDepth(100, 5, bad, 0.012, 0.01, o.depth, o.flag,
                                                      o.message, o.iterations),
                     AppError);
        EXPECT_THROW(CircGeom::ComputeCircNormalDepth(bad, 50, 0.012, 0.01, o.depth, o.flag,
                                                      o.message, o.iterations),
                     AppError);
        EXPECT_EQ(o.depth, -1);
    }
}

// The checks that answer with a message rather than an error name the size.
TEST(NonFiniteInput, PipeArchChecksAnswerWithAMessage) {
    const Args valid = {B, Rise, Rb, Rt, Rc};
    const char* const messages[] = {
        "The pipe-arch span must be > 0.",          "The pipe-arch rise must be > 0.",
        "The pipe-arch bottom radius must be > 0.", "The pipe-arch top radius must be > 0.",
        "The pipe-arch corner radius must be > 0.",
    };
    for (std::size_t i = 0; i < valid.size(); ++i) {
        for (double bad : BadValues) {
            Args a = valid;
            a[i] = bad;
            EXPECT_EQ(PipeArchGeom::CheckArchSection(a[0], a[1], a[2], a[3], a[4]), messages[i]);
            EXPECT_EQ(PipeArchGeom::CheckArchClosure(a[0], a[1], a[2], a[3], a[4]), messages[i]);
        }
    }
}

} // namespace
