// The third section: how the shaft takes the push of the bow (critical load, dynamic spine,
// frequency, deflection) and the arrow's front-of-centre balance.
#include "ballistics/Arrow.h"
#include "ballistics/BalanceSearch.h"
#include "form/ControlNames.h"
#include "report/Sections.h"
#include "tools/Checked.h"
#include "tools/NumberText.h"

namespace kesta {

namespace {

// Buckling load (lbs) of the shaft under the arrow's own mass.
double CriticalLoad(const InputRecord& r) {
    const double L = r.lengthInches;
    const double stiffness = (Num(5000000) / (Num(L) * r.staticSpine)) * r.massGrains;
    const double shaftPart = (Num(r.shaftWeightGrains) * L) / 2;
    const double frontPart = (Num(r.broadheadWeightGrains) + 15) * L;
    return Num(stiffness) / ((Num(shaftPart) + frontPart) + 120);
}

// Natural frequency (Hz) of the shaft.
double Frequency(const InputRecord& r, double g) {
    const double headFactor = ((Num(3) / r.broadheadWeightGrains) + 0.5596) * 6135788;
    const double perLength = Num(headFactor) / Pow(r.lengthInches, 2);
    return Num(perLength) / Pow(Mul(g, r.staticSpine), 0.5);
}

} // namespace

void WriteSpineSection(ReportWriter& w) {
    w.Enter("Dynamic Spine");
    const InputRecord& r = w.Record();
    const FormState& form = w.Form();
    w.AddLine("Dynamic Spine");
    const double Fc = CriticalLoad(r);
    w.AddLine("   Critical load(Fc): " + Rounded(Fc, 0) + " lbs");
    const double spine = (Num(12755) / Fc) / 10;
    // The line prints the rounded spine with a "0" appended: ten times the rounded figure.
    w.Note(FigureId::DynamicSpine, RoundHalfEven(spine, 0) * 10, 0);
    w.AddLine("   Dynamic Buckling Spine: " + Rounded(spine, 0) + "0");
    const double percent = (Num(Fc) / ToNumber(form.Text(control::DrawWeigth))) * 100;
    w.AddLine("   Fc% : " + Rounded(percent, 0) + "%");
    // The GPI text cannot change during a report, so the frequency, the deflection and the
    // balance search share one reading of it.
    const double g = ToNumber(form.Text(control::GPI));
    w.AddLine("   Frequency : " + Rounded(Frequency(r, g), 0) + " Hz");
    const double B = r.broadheadWeightGrains;
    const double deflection =
        Num(Arrow::ShaftDeflection(B, g, r.lengthInches, r.staticSpine, 7.25, 30, r.speedFps)) /
        25.4;
    w.AddLine("   Deflection: " + Rounded(deflection, 2) + " inch");
    long passes = 0;
    const double foc = FrontOfCentre(r.lengthInches, B, g, passes);
    w.AddLine("   FOC : " + w.Shown(FigureId::Foc, foc, 0) + "%");
}

} // namespace kesta
