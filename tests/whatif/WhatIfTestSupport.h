// Helpers of the what-would-it-take tests: the definition of "sufficient" written out with the
// plain penetration run, and random realistic set-ups.
#pragma once

#include "ballistics/Arrow.h"
#include "ballistics/GameTable.h"
#include "form/SettingsKeys.h"
#include "tests/report/ReportTestSupport.h"
#include "tools/Errors.h"
#include "tools/NumberText.h"
#include "whatif/Needs.h"

#include <cmath>
#include <map>
#include <random>
#include <string>

namespace kesta::test {

// A form as `kesta-report KEY=VALUE ...` makes it: a first run with these stored texts.
inline FormState FirstRunWith(const std::map<std::string, std::string>& texts) {
    FormState form;
    LoadSettings(form, ReaderOf(texts));
    return form;
}

// Both-ribs penetration of one arrow into one animal, as the report's game lists run it.
inline double PlainDepth(const whatif::SetUp& s, const game::AnimalFigures& f, double grains,
                         double fps) {
    return Arrow::Penetration(s.ro, grains, fps, 0.3, s.bladeAreaSum, 0.001, f.ribResistance,
                              f.chestDepth, f.ribResistance);
}

// Sufficient(M, v): the verdict rule on that run; a run that raises is not sufficient.
inline bool Sufficient(const whatif::SetUp& s, const game::AnimalFigures& f, double grains,
                       double fps) {
    try {
        return game::VerdictOf(f, grains, PlainDepth(s, f, grains, fps)) ==
               game::Verdict::Sufficient;
    } catch (const RuntimeError&) {
        return false;
    }
}

// v(M): the speed of an arrow of M grains with the set-up's kinetic energy.
inline double SameBowFps(const whatif::SetUp& s, double grains) {
    return s.fps * std::pow(s.grains / grains, 0.5);
}

inline bool SufficientWithSameBow(const whatif::SetUp& s, const game::AnimalFigures& f,
                                  double grains) {
    return Sufficient(s, f, grains, SameBowFps(s, grains));
}

// A hunting set-up a bowhunter might type: 150 to 380 fps, 150 to 1200 grains, one to four
// blades no higher than long, edge and tip angles, sometimes a cut-on-contact tip; the other
// inputs of the worked example, so that the whole report is written.
inline FormState RandomSetUp(std::mt19937& rng) {
    auto uniform = [&rng](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(rng);
    };
    auto text = [&](double low, double high, int decimals) {
        return Rounded(uniform(low, high), decimals);
    };
    FormState form = WorkedExampleForm();
    form.SetText("InArrowSpeed", text(150, 380, 1));
    form.SetText("InArrowMass", text(150, 1200, 0));
    const int blades = std::uniform_int_distribution<int>(1, 4)(rng);
    for (int blade = 0; blade < 6; ++blade) {
        const bool used = blade < blades;
        const double height = uniform(0.1, 0.8);
        form.SetText("InBroadhead_" + std::to_string(2 * blade), used ? Rounded(height, 2) : "");
        form.SetText("InBroadhead_" + std::to_string(2 * blade + 1),
                     used ? Rounded(uniform(std::max(height, 0.8), 2.0), 2) : "");
    }
    form.SetText("inEdge", text(5, 60, 0));
    form.SetText("inTip", text(20, 120, 0));
    form.SetCutOnContact(std::uniform_int_distribution<int>(0, 3)(rng) == 0 ? 1 : 0);
    return form;
}

} // namespace kesta::test
