// The report's sections, one source each, in the order the full report writes them. A section
// appends its lines through the writer and returns what a later section needs of it.
#pragma once

#include "report/ReportWriter.h"

namespace kesta {

// The three-line metric report. Ro (lbs) is stored in `ro` as soon as it is computed.
void WriteMetricSummary(ReportWriter& w, double& ro);

// "Arrow" ... empty line.
void WriteArrowSection(ReportWriter& w);
// "Broadhead" ... soft-tissue penetration. Stores Ro (lbs) in `ro` as soon as it is computed;
// returns the soft-tissue penetration (inches).
double WriteBroadheadSection(ReportWriter& w, double& ro);
// "Dynamic Spine" ... FOC.
void WriteSpineSection(ReportWriter& w);
// Shaft factor ... damage area, empty line; the damage area is cut over the soft-tissue depth.
void WriteDamageSection(ReportWriter& w, double softTissueDepth);
// "Accuracy" ... the maximum hunting distance table (its closing empty line comes next).
void WriteAccuracySection(ReportWriter& w);
// The reaction-time distance table.
void WriteReactionSection(ReportWriter& w);
// Penetration per category with Ro (lbs), the game lists and the disclaimer.
void WriteGameSection(ReportWriter& w, double ro);

} // namespace kesta
