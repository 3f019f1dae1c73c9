// The report driver, the report box and the window's formula functions. Throughout the report,
// where a formula has two compound operands the left one is evaluated first into a named value,
// so that when both would fail the left one's error is the one raised.
#include "report/Calculator.h"

#include "report/ReportSections.h"
#include "tools/Checked.h"
#include "tools/NumberText.h"

#include <string>
#include <string_view>

namespace kesta {

namespace {

constexpr double kPi = 3.141592654;

// The number of lines in the box: each appended line ends with CR LF.
int LinesIn(std::string_view box) {
    int lines = 0;
    for (std::size_t at = box.find("\r\n"); at != std::string_view::npos;
         at = box.find("\r\n", at + 2)) {
        ++lines;
    }
    return lines;
}

// tan of half the angle typed in degrees; a text that is not a number counts as tan = 1.
double HalfAngleTangent(const std::string& text) {
    if (!HoldsNumber(text)) return 1.0;
    return Tan(((Num(ToNumber(text)) / 180) * kPi) / 2);
}

// The blades' share of the cutting resistance; blades of height 0 or less add nothing.
double BladeSum(const InputRecord& r) {
    double sum = 0;
    for (int i = 1; i <= 6; ++i) {
        const double h = r.bladeHeight[i];
        const double l = r.bladeLength[i];
        if (!(h > 0)) continue;
        const double square = Pow(h, 2);
        const double root = Pow(Sub(Pow(l, 2), Pow(h, 2)), 0.5);
        sum = Add(sum, Div(square, Add(root, l)));
    }
    return sum;
}

void WriteFullReport(Calculator& c) {
    ReportSections::ArrowSection(c);
    ReportSections::BroadheadSection(c);
    ReportSections::SpineSection(c);
    ReportSections::DamageSection(c);
    ReportSections::AccuracySection(c);
    ReportSections::ReactionSection(c);
    ReportSections::GameSection(c);
}

} // namespace

void Calculator::doReport_Click() {
    failurePlace_.clear();
    try {
        Setup();
    } catch (const RuntimeError&) {
        failurePlace_ = "input " + settingUp_;
        throw;
    }
    box_.clear();
    section_.clear();
    penetrations_.Clear();
    try {
        if (form_->Selected("ChosenImperic")) {
            WriteFullReport(*this);
        } else {
            ReportSections::MetricSummary(*this);
        }
    } catch (const RuntimeError&) {
        failurePlace_ = "report line " + std::to_string(LinesIn(box_) + 1) + " (" + section_ + ")";
        throw;
    }
}

double Calculator::Mom() const {
    return Num(record_.speedMs) * record_.massKg;
}

double Calculator::KE() const {
    return (Num(Pow(record_.speedMs, 2)) * record_.massKg) * 0.5;
}

double Calculator::Mom_() const {
    return ((Num(record_.massGrains) + record_.massGrains) * record_.speedFps) / 450240;
}

double Calculator::KE_() const {
    return (Num(Pow(record_.speedFps, 2)) * record_.massGrains) / 450240;
}

double Calculator::min(double& a, double& b) {
    return a < b ? a : b;
}

void Calculator::AddLine(const std::string& line) {
    box_ += line;
    box_ += "\r\n";
}

double Calculator::BroadheadRo() {
    const double sigma = BladeSum(record_);
    const double tE = HalfAngleTangent(form_->Text("inEdge"));
    const double tT = HalfAngleTangent(form_->Text("inTip"));
    const double k = form_->CutOnContact() == 1 ? tE : 1.0;
    const double ferrule = Mul(Pow(Div(0.3, 2), 2), kPi);
    const double bladePart = Mul(tE, sigma);
    const double tipPart = Pow(Mul(Mul(tT, ferrule), k), 0.5);
    const double ro = Mul(Add(bladePart, tipPart), 44);
    roLbs_ = ro;
    return ro;
}

} // namespace kesta
