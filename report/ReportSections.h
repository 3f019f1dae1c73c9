// Internal to the report: one function per report section, each in its own source, all
// friends of Calculator so they can read the form, the record and Ro and append lines.
#pragma once

#include "report/Calculator.h"

#include <string>

namespace kesta {

struct ReportSections {
    static void MetricSummary(Calculator& c);    // the three-line metric report
    static void ArrowSection(Calculator& c);     // "Arrow" ... empty line
    static void BroadheadSection(Calculator& c); // "Broadhead" ... soft-tissue penetration
    static void SpineSection(Calculator& c);     // "Dynamic Spine" ... FOC
    static void DamageSection(Calculator& c);    // shaft factor ... damage area, empty line
    static void AccuracySection(Calculator& c);  // "Accuracy" ... max distance table
    static void ReactionSection(Calculator& c);  // reaction-time distance table
    static void GameSection(Calculator& c);      // penetration per category, game lists, disclaimer

    // Access for the sections.
    static const FormState& Form(const Calculator& c) { return *c.form_; }
    static const InputRecord& Record(const Calculator& c) { return c.record_; }
    static double& RoLbs(Calculator& c) { return c.roLbs_; }
    static double& SoftTissuePenetration(Calculator& c) { return c.softTissuePenetration_; }
    // The penetration runs of this report; ask here instead of Arrow::Penetration.
    static Arrow::PenetrationCache& Penetrations(Calculator& c) { return c.penetrations_; }
    static double BroadheadRo(Calculator& c) { return c.BroadheadRo(); }
    static void AddLine(Calculator& c, const std::string& line) { c.AddLine(line); }
    // Names the section being written, so a failure can say where it arose.
    static void Enter(Calculator& c, const char* section) { c.section_ = section; }
};

} // namespace kesta
