// Placeholders for the accuracy, reaction-time and game sections until they arrive.
#include "report/ReportSections.h"

namespace kesta {

void ReportSections::AccuracySection(Calculator&) {}
void ReportSections::ReactionSection(Calculator&) {}
void ReportSections::GameSection(Calculator&) {}

} // namespace kesta
