// The report driver. Throughout the report, where a formula has two compound operands the left
// one is evaluated first into a named value, so that when both would fail the left one's error
// is the one raised.
#include "report/Calculator.h"

#include "form/ControlNames.h"
#include "report/Formulas.h"
#include "report/Sections.h"
#include "report/Setup.h"
#include "tools/Errors.h"
#include "tools/Text.h"

#include <string>

namespace kesta {

namespace {

// The sections in their fixed order; each hands its figures on to the ones that need them.
void WriteFullReport(ReportWriter& w, double& ro) {
    WriteArrowSection(w);
    const double softTissueDepth = WriteBroadheadSection(w, ro);
    WriteSpineSection(w);
    WriteDamageSection(w, softTissueDepth);
    WriteAccuracySection(w);
    WriteReactionSection(w);
    WriteGameSection(w, ro);
}

} // namespace

void Calculator::WriteReport() {
    try {
        Setup();
    } catch (RuntimeError& e) {
        e.SetPlace("input " + settingUp_);
        throw;
    }
    box_.clear();
    figures_.Clear();
    penetrations_.Clear();
    ReportWriter writer(*form_, record_, penetrations_, box_);
    writer.NoteFiguresIn(&figures_);
    writer.UseGame(game_);
    try {
        if (form_->Selected(control::ChosenImperic)) {
            WriteFullReport(writer, roLbs_);
        } else {
            WriteMetricSummary(writer, roLbs_);
        }
    } catch (RuntimeError& e) {
        e.SetPlace("report line " + std::to_string(text::CountCrLf(box_) + 1) + ", " +
                   writer.Section());
        throw;
    }
}

void Calculator::Setup() {
    kesta::Setup(*form_, record_, settingUp_);
}

double Calculator::Mom() const {
    return kesta::Mom(record_);
}

double Calculator::KE() const {
    return kesta::KE(record_);
}

double Calculator::Mom_() const {
    return kesta::Mom_(record_);
}

double Calculator::KE_() const {
    return kesta::KE_(record_);
}

double Calculator::min(double& a, double& b) {
    return a < b ? a : b;
}

} // namespace kesta
