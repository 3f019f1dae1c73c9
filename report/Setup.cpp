// Setup: each input text read once and converted into the input record.
#include "report/Setup.h"

#include "form/ControlNames.h"
#include "tools/Checked.h"
#include "tools/NumberText.h"
#include "tools/Units.h"

#include <string>

namespace kesta {

namespace {

// Speed and mass keep the last report's values when their text is not a number.
void ReadSpeed(const FormState& form, InputRecord& r, std::string& settingUp) {
    settingUp = control::InArrowSpeed;
    const std::string& text = form.Text(control::InArrowSpeed);
    if (!HoldsNumber(text)) return;
    const Num v = ToNumber(text);
    r.speedMs = form.Selected(control::ArrowSpeedFPS) ? ((v * 12) * 2.54) / 100 : v;
    r.speedFps = ((Num(r.speedMs) * 100) / 2.54) / 12;
}

void ReadMass(const FormState& form, InputRecord& r, std::string& settingUp) {
    settingUp = control::InArrowMass;
    const std::string& text = form.Text(control::InArrowMass);
    if (!HoldsNumber(text)) return;
    const Num v = ToNumber(text);
    r.massKg = form.Selected(control::ArrowMassGr) ? (v * kGramsPerGrain) / 1000 : v / 1000;
    r.massGrains = (Num(r.massKg) * 1000) / kGramsPerGrain;
}

// Blade i is the row of InBroadhead elements 2i-2 (height) and 2i-1 (length).
void ReadBlades(const FormState& form, InputRecord& r, std::string& settingUp) {
    const bool inches = form.Selected(control::BroadheadInch);
    Num count = 0;
    Num areaSum = 0;
    Num largest = 0;
    r.bladeCount = 0;
    r.bladeAreaSum = 0;
    for (int i = 1; i <= 6; ++i) {
        const std::string heightName = ElementName(control::InBroadhead, 2 * i - 2);
        const std::string lengthName = ElementName(control::InBroadhead, 2 * i - 1);
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
    settingUp = control::InBroadhead;
    r.cuttingDiameter = (largest + largest) + 0.3;
}

// The remaining inputs must hold numbers: converting one that does not stops Setup.
void ReadLengthAndWeights(const FormState& form, InputRecord& r, std::string& settingUp) {
    settingUp = control::InArrowLength;
    const Num length = ToNumber(form.Text(control::InArrowLength));
    r.lengthInches = form.Selected(control::ArrowLengthInInches) ? length : length / 25.4;

    settingUp = control::GPI;
    r.shaftWeightGrains = ToNumber(form.Text(control::GPI)) * Num(r.lengthInches);

    settingUp = control::BroadheadWeight;
    const Num weight = ToNumber(form.Text(control::BroadheadWeight));
    r.broadheadWeightGrains =
        form.Selected(control::BroadheadweightInG) ? weight / kGramsPerGrain : weight;

    settingUp = control::StaticSpine;
    r.staticSpine = ToNumber(form.Text(control::StaticSpine));
}

} // namespace

void Setup(const FormState& form, InputRecord& record, std::string& settingUp) {
    ReadSpeed(form, record, settingUp);
    ReadMass(form, record, settingUp);
    ReadBlades(form, record, settingUp);
    ReadLengthAndWeights(form, record, settingUp);
}

} // namespace kesta
