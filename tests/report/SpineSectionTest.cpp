// The dynamic spine section, the shaft deflection simulation and the balance search for FOC.
#include "ReportTestSupport.h"
#include "report/Arrow.h"
#include "report/ArrowPasses.h"
#include "report/BalanceSearch.h"

#include <gtest/gtest.h>

#include <chrono>

namespace kesta {
namespace {

using test::Apply;
using test::ExampleForm;
using test::Press;

// The arrow and broadhead sections take 12 lines; "Dynamic Spine" is line 13.
constexpr std::size_t kBeforeSpine = 12;

struct SpineFailure {
    const char* name;
    const char* text;
    ErrorKind kind;
    const char* lastLine;
};

TEST(SpineSection, EachFormulaStopsTheReportAtItsLine) {
    const SpineFailure cases[] = {
        {"InArrowLength", "0", ErrorKind::DivisionByZero, "Dynamic Spine"},
        {"StaticSpine", "0", ErrorKind::DivisionByZero, "Dynamic Spine"},
        {"DrawWeigth", "0", ErrorKind::DivisionByZero, "   Dynamic Buckling Spine: 490"},
        {"DrawWeigth", "", ErrorKind::TypeMismatch, "   Dynamic Buckling Spine: 490"},
        {"GPI", "-9", ErrorKind::InvalidProcedureCall, "   Fc% : -1583%"},
        {"InArrowSpeed", "0", ErrorKind::DivisionByZero, "   Frequency : 77 Hz"},
        {"InArrowLength", "0.2", ErrorKind::InvalidProcedureCall, "   Frequency : 1507359 Hz"},
    };
    for (const auto& c : cases) {
        FormState form = ExampleForm();
        form.SetText(c.name, c.text);
        const auto out = Press(form);
        EXPECT_EQ(out.error, c.kind) << c.name << "=" << c.text;
        ASSERT_FALSE(out.lines.empty());
        EXPECT_EQ(out.lines.back(), c.lastLine) << c.name << "=" << c.text;
        EXPECT_EQ(out.place,
                  "report line " + std::to_string(out.lines.size() + 1) + " (Dynamic Spine)");
    }
}

TEST(SpineSection, MasslessArrowStopsAtTheDynamicSpine) {
    FormState form = ExampleForm();
    // Tiny angles keep Ro below 2 lbs, so the soft-tissue simulation does not divide by the mass.
    Apply(form, {{"InArrowMass", "0"}, {"inEdge", "0.01"}, {"inTip", "0.01"}});
    const auto out = Press(form);
    EXPECT_EQ(out.error, ErrorKind::DivisionByZero);
    EXPECT_EQ(out.lines.back(), "   Critical load(Fc): 0 lbs");
}

TEST(SpineSection, BroadheadOfZeroGrainsStopsAtTheFrequency) {
    FormState form = ExampleForm();
    form.SetText("BroadheadWeight", "0");
    const auto out = Press(form);
    EXPECT_EQ(out.error, ErrorKind::DivisionByZero);
    EXPECT_EQ(out.lines.size(), kBeforeSpine + 4);
}

TEST(SpineSection, VerySlowArrowDoesNotDeflect) {
    FormState form = ExampleForm();
    form.SetText("InArrowSpeed", "3");
    EXPECT_EQ(Press(form).lines.at(kBeforeSpine + 5), "   Deflection: 0 inch");
}

TEST(SpineSection, ShortLightArrowIsRearHeavyAtOnce) {
    FormState form = ExampleForm();
    Apply(form, {{"InArrowLength", "8"}, {"BroadheadWeight", "1"}});
    EXPECT_EQ(Press(form).lines.at(kBeforeSpine + 6), "   FOC : 0%");
    long passes = -1;
    EXPECT_EQ(FrontOfCentre(8, 1, 9, passes), 0);
    EXPECT_EQ(passes, 0);
}

TEST(ShaftDeflection, ExampleStopsOnTheStrokeTime) {
    long passes = 0;
    const double mm = Arrow::ShaftDeflection(100, 9, 28, 400, 7.25, 30, 300, passes);
    EXPECT_EQ(passes, 1195);
    EXPECT_NEAR(mm, 8.318997, 1e-6);
    EXPECT_EQ(Arrow::ShaftDeflection(100, 9, 28, 400, 7.25, 30, 300), mm);
}

TEST(ShaftDeflection, StrokeLongerThanASecondGivesZero) {
    long passes = -1;
    // 3.58 fps is about 1.0912 m/s, just too slow for the 0.5461 m stroke in one second.
    EXPECT_EQ(Arrow::ShaftDeflection(100, 9, 28, 400, 7.25, 30, 3.58, passes), 0);
    EXPECT_EQ(passes, 0);
    EXPECT_GT(Arrow::ShaftDeflection(100, 9, 28, 400, 7.25, 30, 3.59, passes), 0);
    EXPECT_GT(passes, 99000);
}

TEST(ShaftDeflection, WeakShaftFoldsBeforeTheStrokeEnds) {
    long passes = 0;
    // A heavy head drives the shaft sideways faster than it can spring back.
    const double mm = Arrow::ShaftDeflection(10000, 9, 28, 400, 7.25, 30, 300, passes);
    EXPECT_GE(mm, 355.6); // half the shaft's length
    EXPECT_LT(passes, 1195);
}

TEST(BalanceSearch, ExampleArrowWalksToNinePercent) {
    long passes = 0;
    EXPECT_NEAR(FrontOfCentre(28, 100, 9, passes), 8.806243, 1e-6);
    EXPECT_EQ(passes, 6263);
}

double Seconds(const std::chrono::steady_clock::time_point& since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Negative weights may keep the front heavier for ever; the search ends at the front end.
TEST(BalanceSearch, NegativeWeightsEndAtTheFrontEnd) {
    const auto start = std::chrono::steady_clock::now();
    long passes = 0;
    EXPECT_NEAR(FrontOfCentre(28, 100, -9, passes), 50, 0.01);
    EXPECT_EQ(passes, 35561); // 355.6 mm in moves of 0.01 mm, and one past the end
    EXPECT_NEAR(FrontOfCentre(28, 1e6, -9, passes), 50, 0.01);
    EXPECT_LT(Seconds(start), 0.5);
}

// Beyond 10 million moves the search jumps instead of walking.
TEST(BalanceSearch, VeryLongArrowsEndPromptly) {
    const auto start = std::chrono::steady_clock::now();
    long passes = 0;
    EXPECT_NEAR(FrontOfCentre(1e6, 100, -9, passes), 50, 1e-6);
    EXPECT_GT(passes, 1'000'000'000);
    // So long that adding 0.01 mm no longer moves the pivot at all.
    EXPECT_NEAR(FrontOfCentre(1e17, 100, -9, passes), 50, 1e-6);
    EXPECT_NEAR(FrontOfCentre(1e17, 1e20, 9, passes), 49.554, 1e-3);
    EXPECT_LT(Seconds(start), 0.5);
}

// mR - mF is linear in the pivot position, so the balance point has a closed form; both the
// walk (within 10 million moves) and the jump (beyond) must land within one move of it.
double BalancePoint(double L, double B, double g) {
    const double c = L * 25.4;
    const double gm = g / 25.4;
    return (3000 + (B + 15) * c + 0.5 * gm * c * c) / (65 + B + gm * c);
}

TEST(BalanceSearch, WalkAndJumpLandOnTheBalancePoint) {
    const std::pair<double, double> arrows[] = {{1e6, 100}, {1e6, 1e9}, {3e4, 1e5}};
    for (const auto& [L, B] : arrows) {
        long passes = 0;
        const double foc = FrontOfCentre(L, B, 9, passes);
        const double Lmm = L * 25.4;
        const double expected = ((BalancePoint(L, B, 9) - Lmm / 2) / Lmm) * 100;
        EXPECT_NEAR(foc, expected, (0.011 / Lmm) * 100) << L << " " << B;
    }
}

TEST(BalanceSearch, HugeArrowOverflows) {
    long passes = 0;
    try {
        FrontOfCentre(1e160, 100, 9, passes);
        FAIL() << "expected overflow";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Overflow);
    }
}

TEST(SpineSection, NegativeWeightsStillFinishTheSection) {
    FormState form = ExampleForm();
    // A negative shaft weight with a negative spine keeps the frequency's root real.
    Apply(form, {{"GPI", "-9"}, {"StaticSpine", "-400"}});
    const auto start = std::chrono::steady_clock::now();
    const auto out = Press(form);
    EXPECT_LT(Seconds(start), 1.0);
    EXPECT_FALSE(out.error);
    // The front stays heavier all the way: the pivot stops just past the front end.
    EXPECT_EQ(out.lines.at(kBeforeSpine + 6), "   FOC : 50%");
}

} // namespace
} // namespace kesta
