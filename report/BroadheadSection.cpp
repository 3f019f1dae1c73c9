// The second section: blade count, cutting diameter, Ro and the soft-tissue penetration.
#include "report/Formulas.h"
#include "report/Sections.h"
#include "tools/NumberText.h"

namespace kesta {

double WriteBroadheadSection(ReportWriter& w, double& ro) {
    w.Enter("Broadhead");
    const InputRecord& r = w.Record();
    w.AddLine("Broadhead");
    w.AddLine("   Blade count      : " + NumberText(r.bladeCount));
    w.AddLine("   Cutting diameter : " + Rounded(r.cuttingDiameter, 2) + " inches");
    ro = BroadheadRo(w.Form(), r);
    w.AddLine("   Ro               : " + w.Shown(FigureId::Ro, ro, 1) + " lbs");
    // Soft tissue: no rib on either side and a slab of 100 inches.
    const double depth = w.Penetrations().Penetration(ro, r.massGrains, r.speedFps, 0.3,
                                                      r.bladeAreaSum, 0.001, 0, 100, 0);
    w.AddLine(" Potential Soft Tissue Penetration: " + w.Shown(FigureId::SoftTissue, depth, 1) + " inch");
    return depth;
}

} // namespace kesta
