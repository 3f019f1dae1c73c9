// Setup: reads the input texts once per report and converts them into the input record, in
// the units the report computes with. Each step writes the record as soon as it succeeds, so a
// failing step leaves the earlier steps' values in place and the later ones untouched.
#include "report/Calculator.h"
#include "tools/Checked.h"
#include "tools/NumberText.h"

#include <string>

namespace kesta {

namespace {

// One grain is taken as 0.065 gram throughout the calculator.
constexpr double kGramsPerGrain = 0.065;

// Speed and mass keep the last report's values when their text is not a number.
void ReadSpeed(const FormState& form, InputRecord& r, std::string& settingUp) {
    settingUp = "InArrowSpeed";
    const std::string& text = form.Text("InArrowSpeed");
    if (!HoldsNumber(text)) return;
    const Num v = ToNumber(text);
    r.speedMs = form.Selected("ArrowSpeedFPS") ? ((v * 12) * 2.54) / 100 : v;
    r.speedFps = ((Num(r.speedMs) * 100) / 2.54) / 12;
}

void ReadMass(const FormState& form, InputRecord& r, std::string& settingUp) {
    settingUp = "InArrowMass";
    const std::string& text = form.Text("InArrowMass");
    if (!HoldsNumber(text)) return;
    const Num v = ToNumber(text);
    r.massKg = form.Selected("ArrowMassGr") ? (v * kGramsPerGrain) / 1000 : v / 1000;
    r.massGrains = (Num(r.massKg) * 1000) / kGramsPerGrain;
}

// Blade i is the row of InBroadhead elements 2i-2 (height) and 2i-1 (length).
void ReadBlades(const FormState& form, InputRecord& r, std::string& settingUp) {
    const bool inches = form.Selected("BroadheadInch");
    Num count = 0;
    Num areaSum = 0;
    Num largest = 0;
    r.bladeCount = 0;
    r.bladeAreaSum = 0;
    for (int i = 1; i <= 6; ++i) {
        const std::string heightName = ElementName("InBroadhead", 2 * i - 2);
        const std::string lengthName = ElementName("InBroadhead", 2 * i - 1);
        const std::string& heightText = form.Text(heightName);
        const std::string& lengthText = form.Text(lengthName);
        if (!HoldsNumber(heightText) || !HoldsNumber(lengthText)) {
            // A row the user left incomplete no longer counts anywhere: its values are cleared
            // rather than kept from an earlier report, so Ro and the average cutting diameter
            // only see the blades of this report.
            r.bladeHeight[i] = 0;
            r.bladeLength[i] = 0;
            continue;
        }
        settingUp = heightName;
        const Num h = ToNumber(heightText);
        settingUp = lengthName;
        const Num l = ToNumber(lengthText);
        settingUp = heightName;
        r.bladeHeight[i] = inches ? h : h / 25.4;
        r.bladeLength[i] = inches ? l : l / 25.4;
        if (r.bladeHeight[i] > largest) largest = r.bladeHeight[i];
        areaSum = areaSum + (Num(r.bladeLength[i]) * r.bladeHeight[i]);
        count = count + 1;
        r.bladeAreaSum = areaSum;
        r.bladeCount = count;
    }
    settingUp = "InBroadhead";
    r.cuttingDiameter = (largest + largest) + 0.3;
}

// The remaining inputs must hold numbers: converting one that does not stops Setup.
void ReadLengthAndWeights(const FormState& form, InputRecord& r, std::string& settingUp) {
    settingUp = "InArrowLength";
    const Num length = ToNumber(form.Text("InArrowLength"));
    r.lengthInches = form.Selected("ArrowLengthInInches") ? length : length / 25.4;

    settingUp = "GPI";
    r.shaftWeightGrains = ToNumber(form.Text("GPI")) * Num(r.lengthInches);

    settingUp = "BroadheadWeight";
    const Num weight = ToNumber(form.Text("BroadheadWeight"));
    r.broadheadWeightGrains =
        form.Selected("BroadheadweightInG") ? weight / kGramsPerGrain : weight;

    settingUp = "StaticSpine";
    r.staticSpine = ToNumber(form.Text("StaticSpine"));
}

} // namespace

void Calculator::Setup() {
    ReadSpeed(*form_, record_, settingUp_);
    ReadMass(*form_, record_, settingUp_);
    ReadBlades(*form_, record_, settingUp_);
    ReadLengthAndWeights(*form_, record_, settingUp_);
}

} // namespace kesta
