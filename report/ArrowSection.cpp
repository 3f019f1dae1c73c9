// The first section of the full report: speed, mass, momentum and kinetic energy.
#include "report/ReportSections.h"
#include "tools/Checked.h"
#include "tools/NumberText.h"

namespace kesta {

namespace {

// The arrow's mass from its parts: shaft and broadhead plus fixed allowances of 10, 15 and
// 40 grains, added one after another.
double CalculatedMass(const FormState& form, const InputRecord& r) {
    const double g = ToNumber(form.Text("GPI"));
    return ((((Num(g) * r.lengthInches) + r.broadheadWeightGrains) + 10) + 15) + 40;
}

} // namespace

void ReportSections::ArrowSection(Calculator& c) {
    Enter(c, "Arrow");
    const InputRecord& r = Record(c);
    AddLine(c, "Arrow");
    AddLine(c, "   Speed:  " + Rounded(r.speedFps, 0) + " fps");
    AddLine(c, "   Mass :  " + Rounded(r.massGrains, 0) + " grains");
    AddLine(c, "   (calculated: " + NumberText(CalculatedMass(Form(c), r)) + " gr)");
    AddLine(c, "   Momentum        : " + Rounded(c.Mom_(), 2) + " slug-foot seconds");
    AddLine(c, "   Kinetic Energy  : " + Rounded(c.KE_(), 1) + " foot-pounds");
    AddLine(c, "");
}

} // namespace kesta
