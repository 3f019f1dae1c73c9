#include "report/Formulas.h"

#include "form/ControlNames.h"
#include "tools/Checked.h"
#include "tools/NumberText.h"
#include "tools/Units.h"

#include <string>

namespace kesta {

namespace {

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

} // namespace

double BroadheadRo(const FormState& form, const InputRecord& record) {
    const double sigma = BladeSum(record);
    const double tE = HalfAngleTangent(form.Text(control::inEdge));
    const double tT = HalfAngleTangent(form.Text(control::inTip));
    const double k = form.CutOnContact() == 1 ? tE : 1.0;
    const double ferrule = Mul(Pow(Div(0.3, 2), 2), kPi);
    const double bladePart = Mul(tE, sigma);
    const double tipPart = Pow(Mul(Mul(tT, ferrule), k), 0.5);
    return Mul(Add(bladePart, tipPart), 44);
}

double Mom(const InputRecord& r) {
    return Num(r.speedMs) * r.massKg;
}

double KE(const InputRecord& r) {
    return (Num(Pow(r.speedMs, 2)) * r.massKg) * 0.5;
}

double Mom_(const InputRecord& r) {
    return ((Num(r.massGrains) + r.massGrains) * r.speedFps) / 450240;
}

double KE_(const InputRecord& r) {
    return (Num(Pow(r.speedFps, 2)) * r.massGrains) / 450240;
}

} // namespace kesta
