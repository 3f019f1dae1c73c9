// The first section of the full report: speed, mass, momentum and kinetic energy.
#include "form/ControlNames.h"
#include "report/Formulas.h"
#include "report/Sections.h"
#include "tools/Checked.h"
#include "tools/NumberText.h"

namespace kesta {

namespace {

// The arrow's mass from its parts: shaft and broadhead plus fixed allowances of 10, 15 and
// 40 grains, added one after another.
double CalculatedMass(const FormState& form, const InputRecord& r) {
    const double g = ToNumber(form.Text(control::GPI));
    return ((((Num(g) * r.lengthInches) + r.broadheadWeightGrains) + 10) + 15) + 40;
}

} // namespace

void WriteArrowSection(ReportWriter& w) {
    w.Enter("Arrow");
    const InputRecord& r = w.Record();
    w.AddLine("Arrow");
    w.AddLine("   Speed:  " + w.Shown(FigureId::ArrowSpeed, r.speedFps, 0) + " fps");
    w.AddLine("   Mass :  " + w.Shown(FigureId::ArrowMass, r.massGrains, 0) + " grains");
    w.AddLine("   (calculated: " + NumberText(CalculatedMass(w.Form(), r)) + " gr)");
    w.AddLine("   Momentum        : " + w.Shown(FigureId::Momentum, Mom_(r), 2) + " slug-foot seconds");
    w.AddLine("   Kinetic Energy  : " + w.Shown(FigureId::KineticEnergy, KE_(r), 1) + " foot-pounds");
    w.AddLine("");
}

} // namespace kesta
