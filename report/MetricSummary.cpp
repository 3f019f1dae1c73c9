// The metric report: three lines and nothing else.
#include "report/ReportSections.h"
#include "tools/Checked.h"
#include "tools/NumberText.h"

namespace kesta {

void ReportSections::MetricSummary(Calculator& c) {
    Enter(c, "Metric summary");
    AddLine(c, "Momentum = " + Rounded(c.Mom(), 2) + " Newton seconds");
    AddLine(c, "Kinetic Energy = " + Rounded(c.KE(), 0) + " Joule");
    const double roKg = Num(BroadheadRo(c)) / 2.2;
    AddLine(c, "Ro = " + Rounded(roKg, 1) + " kg");
}

} // namespace kesta
