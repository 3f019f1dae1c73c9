// The metric report: three lines and nothing else.
#include "report/Formulas.h"
#include "report/Sections.h"
#include "tools/Checked.h"
#include "tools/NumberText.h"

namespace kesta {

void WriteMetricSummary(ReportWriter& w, double& ro) {
    w.Enter("Metric summary");
    w.AddLine("Momentum = " + w.Shown(FigureId::MomentumNs, Mom(w.Record()), 2) + " Newton seconds");
    w.AddLine("Kinetic Energy = " + w.Shown(FigureId::KineticEnergyJ, KE(w.Record()), 0) + " Joule");
    ro = BroadheadRo(w.Form(), w.Record());
    const double roKg = Num(ro) / 2.2;
    w.AddLine("Ro = " + w.Shown(FigureId::RoKg, roKg, 1) + " kg");
}

} // namespace kesta
