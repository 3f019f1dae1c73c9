// The fourth section, without a heading: the shaft factor, the average cutting diameter
// corrected for two to four blades, and the damage area it cuts over the soft-tissue
// penetration.
#include "report/Sections.h"
#include "tools/Checked.h"
#include "tools/NumberText.h"

namespace kesta {

namespace {

// The factor of the chosen shaft diameter is printed only; no figure uses it.
void ShaftFactorLine(ReportWriter& w) {
    switch (w.Form().ShaftDiameter()) {
    case 0:
        w.AddLine("Shaft Factor : x1");
        break;
    case 1:
        w.AddLine("Shaft Factor : x" + NumberText(0.9));
        break;
    case 2:
        w.AddLine("Shaft Factor : x" + NumberText(0.6));
        break;
    default:
        break;
    }
}

// Twice the mean of all six blade heights, plus 0.3 inch for the ferrule. Blades not entered
// in this report hold 0, so they add nothing to the sum.
double AverageCuttingDiameter(const InputRecord& r) {
    Num sum = 0;
    for (int i = 1; i <= 6; ++i)
        sum = sum + r.bladeHeight[i];
    sum = sum / r.bladeCount;
    return (sum + sum) + 0.3;
}

// Two, three and four blades cut less than their diameter suggests.
double BladeCountFactor(ReportWriter& w, double bladeCount, double aveCD) {
    if (bladeCount == 2) {
        w.AddLine("Blade Count factor: x0.63");
        return Num(aveCD) * 0.63;
    }
    if (bladeCount == 3) {
        w.AddLine("Blade Count factor: x0.83");
        return Num(aveCD) * 0.83;
    }
    if (bladeCount == 4) {
        w.AddLine("Blade Count factor: x0.90");
        return Num(aveCD) * 0.9;
    }
    return aveCD;
}

} // namespace

void WriteDamageSection(ReportWriter& w, double softTissueDepth) {
    w.Enter("Damage Area");
    const InputRecord& r = w.Record();
    ShaftFactorLine(w);
    const double aveCD = BladeCountFactor(w, r.bladeCount, AverageCuttingDiameter(r));
    w.AddLine("Average Cutting Diameter(aveCD):" + NumberText(aveCD) + " inch");
    const double damage = Num(softTissueDepth) * aveCD;
    w.AddLine("Potential Damage Area: " + w.Shown(FigureId::DamageArea, damage, 1) + " sqr.inches");
    w.AddLine("");
}

} // namespace kesta
