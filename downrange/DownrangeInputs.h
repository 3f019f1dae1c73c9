// What the downrange figures need beyond the form: the arrow's outside diameter, fletching and
// head (its drag), the air (altitude and temperature), the sight-in distance, the last distance
// shown, and optionally two chronograph readings that measure the arrow's own slowing. Each is
// stored as text under its key, like the form's inputs, and read here into checked values.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kesta::downrange {

enum class Fletching { Small, Large };
enum class Head { Field, Fixed, Mechanical };

// Two speeds of the same arrow measured downrange: nearFps at nearYards, farFps at farYards.
struct Chronograph {
    double nearFps;
    double nearYards;
    double farFps;
    double farYards;

    bool operator==(const Chronograph&) const = default;
};

constexpr int kLeastDistance = 1;   // yards, of the sight-in and the last distance shown
constexpr int kGreatestDistance = 200;

struct Inputs {
    double shaftOdInches = 0.3;
    Fletching fletching = Fletching::Large;
    Head head = Head::Fixed;
    double altitudeM = 0;
    double temperatureC = 15;
    double zeroYards = 20;
    int maxDistance = 100; // whole yards
    std::optional<Chronograph> chronograph;

    bool operator==(const Inputs&) const = default;
};

// The keys, in the order the window shows and the files store them.
namespace key {
inline constexpr const char* kShaftOD = "ShaftOD";
inline constexpr const char* kFletching = "Fletching";
inline constexpr const char* kHead = "Head";
inline constexpr const char* kAltitude = "Altitude";
inline constexpr const char* kTemperature = "Temperature";
inline constexpr const char* kZero = "Zero";
inline constexpr const char* kMaxDistance = "MaxDistance";
inline constexpr const char* kChronoNear = "ChronoNear";
inline constexpr const char* kChronoNearYards = "ChronoNearYards";
inline constexpr const char* kChronoFar = "ChronoFar";
inline constexpr const char* kChronoFarYards = "ChronoFarYards";
} // namespace key
const std::vector<std::string>& InputKeys();
bool IsInputKey(const std::string& name);

// The stored text of a key, or nullopt when it is absent.
using InputReader = std::function<std::optional<std::string>(const std::string& key)>;

// Reads every key; an absent key (or an empty text) takes its default, the four chronograph
// keys none. A text that cannot be used raises RuntimeError whose message says why and whose
// place is "input <Key>": not a number (Type mismatch), or a number outside what the model
// takes (Invalid procedure call or argument): outside diameter not above 0, altitude outside
// -500..11000 m, temperature at or below -273.15 °C, sight-in or last distance outside
// 1..200 yards (the last distance a whole number), fletching or head not one of the words,
// only some of the chronograph readings, or readings that do not slow down.
Inputs ReadInputs(const InputReader& read);

// The texts that read back as these inputs (numbers as their shortest exact text); the
// chronograph keys only when there are readings.
std::vector<std::pair<std::string, std::string>> InputTexts(const Inputs& inputs);

// "small", "large"; "field", "fixed", "mechanical": the stored words.
const char* FletchingWord(Fletching fletching);
const char* HeadWord(Head head);

} // namespace kesta::downrange
