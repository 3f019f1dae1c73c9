// The second section: blade count, cutting diameter, Ro and the soft-tissue penetration.
#include "report/ReportSections.h"
#include "tools/NumberText.h"

namespace kesta {

void ReportSections::BroadheadSection(Calculator& c) {
    Enter(c, "Broadhead");
    const InputRecord& r = Record(c);
    AddLine(c, "Broadhead");
    AddLine(c, "   Blade count      : " + NumberText(r.bladeCount));
    AddLine(c, "   Cutting diameter : " + Rounded(r.cuttingDiameter, 2) + " inches");
    const double ro = BroadheadRo(c);
    AddLine(c, "   Ro               : " + Rounded(ro, 1) + " lbs");
    // Soft tissue: no rib on either side and a slab of 100 inches.
    const double depth = Penetrations(c).Penetration(RoLbs(c), r.massGrains, r.speedFps, 0.3,
                                                     r.bladeAreaSum, 0.001, 0, 100, 0);
    SoftTissuePenetration(c) = depth;
    AddLine(c, " Potential Soft Tissue Penetration: " + Rounded(depth, 1) + " inch");
}

} // namespace kesta
