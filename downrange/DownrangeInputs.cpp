#include "downrange/DownrangeInputs.h"

#include "tools/Errors.h"
#include "tools/NumberText.h"

#include <algorithm>
#include <cmath>

namespace kesta::downrange {

namespace {

[[noreturn]] void Refuse(ErrorKind kind, const std::string& message, const std::string& key) {
    throw RuntimeError(kind, message, "input " + key);
}

// The trimmed text of a key; nullopt when absent or blank.
std::optional<std::string> Given(const InputReader& read, const std::string& key) {
    std::optional<std::string> text = read(key);
    if (!text) return std::nullopt;
    const auto first = text->find_first_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    const auto last = text->find_last_not_of(" \t");
    return text->substr(first, last - first + 1);
}

double NumberOf(const std::string& text, const std::string& key) {
    if (!HoldsNumber(text)) Refuse(ErrorKind::TypeMismatch, "'" + text + "' is not a number", key);
    try {
        return ToNumber(text);
    } catch (const RuntimeError& e) {
        Refuse(e.kind(), "'" + text + "' is beyond the range of a number", key);
    }
}

double NumberOr(const InputReader& read, const std::string& key, double fallback) {
    const auto text = Given(read, key);
    return text ? NumberOf(*text, key) : fallback;
}

[[noreturn]] void OutOfRange(const std::string& message, const std::string& key) {
    Refuse(ErrorKind::InvalidProcedureCall, message, key);
}

double DistanceOf(const InputReader& read, const std::string& key, double fallback,
                  const std::string& what) {
    const double yards = NumberOr(read, key, fallback);
    if (!(yards >= kLeastDistance && yards <= kGreatestDistance))
        OutOfRange(what + " must be from 1 to 200 yards", key);
    return yards;
}

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

Fletching FletchingOf(const InputReader& read) {
    const auto text = Given(read, key::kFletching);
    if (!text) return Fletching::Large;
    const std::string word = LowerCase(*text);
    if (word == "small") return Fletching::Small;
    if (word == "large") return Fletching::Large;
    OutOfRange("the fletching must be small or large", key::kFletching);
}

Head HeadOf(const InputReader& read) {
    const auto text = Given(read, key::kHead);
    if (!text) return Head::Fixed;
    const std::string word = LowerCase(*text);
    if (word == "field") return Head::Field;
    if (word == "fixed") return Head::Fixed;
    if (word == "mechanical") return Head::Mechanical;
    OutOfRange("the head must be field, fixed or mechanical", key::kHead);
}

std::optional<Chronograph> ChronographOf(const InputReader& read) {
    const std::vector<std::string> keys = {key::kChronoNear, key::kChronoNearYards,
                                           key::kChronoFar, key::kChronoFarYards};
    std::vector<std::optional<double>> values;
    for (const auto& k : keys) {
        const auto text = Given(read, k);
        values.push_back(text ? std::optional<double>(NumberOf(*text, k)) : std::nullopt);
    }
    const auto given = std::count_if(values.begin(), values.end(), [](auto& v) { return v; });
    if (given == 0) return std::nullopt;
    if (given < 4) {
        const auto missing = std::find(values.begin(), values.end(), std::nullopt);
        OutOfRange("a calibration needs both chronograph speeds and both distances",
                   keys[static_cast<std::size_t>(missing - values.begin())]);
    }
    const Chronograph c{*values[0], *values[1], *values[2], *values[3]};
    if (!(c.farYards > c.nearYards))
        OutOfRange("the far chronograph must stand farther from the bow than the near one",
                   key::kChronoFarYards);
    if (!(c.farFps > 0 && c.farFps < c.nearFps))
        OutOfRange("the far speed must be above 0 and below the near speed: the arrow slows down",
                   key::kChronoFar);
    return c;
}

} // namespace

const std::vector<std::string>& InputKeys() {
    static const std::vector<std::string> keys = {
        key::kShaftOD,     key::kFletching,  key::kHead,           key::kAltitude,
        key::kTemperature, key::kZero,       key::kMaxDistance,    key::kChronoNear,
        key::kChronoNearYards, key::kChronoFar, key::kChronoFarYards};
    return keys;
}

bool IsInputKey(const std::string& name) {
    const auto& keys = InputKeys();
    return std::find(keys.begin(), keys.end(), name) != keys.end();
}

Inputs ReadInputs(const InputReader& read) {
    Inputs in;
    in.shaftOdInches = NumberOr(read, key::kShaftOD, in.shaftOdInches);
    if (!(in.shaftOdInches > 0))
        OutOfRange("the shaft's outside diameter must be above 0 inches", key::kShaftOD);
    in.fletching = FletchingOf(read);
    in.head = HeadOf(read);
    in.altitudeM = NumberOr(read, key::kAltitude, in.altitudeM);
    if (!(in.altitudeM >= -500 && in.altitudeM <= 11000))
        OutOfRange("the altitude must be from -500 to 11000 metres", key::kAltitude);
    in.temperatureC = NumberOr(read, key::kTemperature, in.temperatureC);
    if (!(in.temperatureC > -273.15))
        OutOfRange("the temperature must be above -273.15 \xC2\xB0" "C", key::kTemperature);
    in.zeroYards = DistanceOf(read, key::kZero, in.zeroYards, "the sight-in distance");
    const double last = DistanceOf(read, key::kMaxDistance, in.maxDistance, "the last distance");
    if (std::trunc(last) != last)
        OutOfRange("the last distance must be whole yards", key::kMaxDistance);
    in.maxDistance = static_cast<int>(last);
    in.chronograph = ChronographOf(read);
    return in;
}

std::vector<std::pair<std::string, std::string>> InputTexts(const Inputs& in) {
    std::vector<std::pair<std::string, std::string>> texts = {
        {key::kShaftOD, ShortestText(in.shaftOdInches)},
        {key::kFletching, FletchingWord(in.fletching)},
        {key::kHead, HeadWord(in.head)},
        {key::kAltitude, ShortestText(in.altitudeM)},
        {key::kTemperature, ShortestText(in.temperatureC)},
        {key::kZero, ShortestText(in.zeroYards)},
        {key::kMaxDistance, std::to_string(in.maxDistance)},
    };
    if (const auto& c = in.chronograph) {
        texts.emplace_back(key::kChronoNear, ShortestText(c->nearFps));
        texts.emplace_back(key::kChronoNearYards, ShortestText(c->nearYards));
        texts.emplace_back(key::kChronoFar, ShortestText(c->farFps));
        texts.emplace_back(key::kChronoFarYards, ShortestText(c->farYards));
    }
    return texts;
}

const char* FletchingWord(Fletching fletching) {
    return fletching == Fletching::Small ? "small" : "large";
}

const char* HeadWord(Head head) {
    switch (head) {
    case Head::Field:
        return "field";
    case Head::Mechanical:
        return "mechanical";
    case Head::Fixed:
        break;
    }
    return "fixed";
}

} // namespace kesta::downrange
