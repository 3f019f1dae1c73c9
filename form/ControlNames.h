// The names of the window's input controls, as constants: the engine addresses every control
// through these, so a misspelt name fails to compile instead of failing at run time. The
// texts are also the widgets' object names and stay as they are ("DrawWeigth" included).
#pragma once

#include <string_view>

namespace kesta::control {

// Text boxes.
inline constexpr std::string_view InArrowSpeed = "InArrowSpeed";
inline constexpr std::string_view DrawWeigth = "DrawWeigth";
inline constexpr std::string_view InArrowMass = "InArrowMass";
inline constexpr std::string_view InArrowLength = "InArrowLength";
inline constexpr std::string_view StaticSpine = "StaticSpine";
inline constexpr std::string_view GPI = "GPI";
inline constexpr std::string_view BroadheadWeight = "BroadheadWeight";
inline constexpr std::string_view InBroadhead = "InBroadhead"; // array, elements 0 to 11
inline constexpr int kBroadheadBoxes = 12;
inline constexpr std::string_view inEdge = "inEdge";
inline constexpr std::string_view inTip = "inTip";
inline constexpr std::string_view Distance = "Distance";
inline constexpr std::string_view GroupingCirc = "GroupingCirc";

// Option buttons, by pair (the first of each pair is the design selection).
inline constexpr std::string_view ChosenImperic = "ChosenImperic";
inline constexpr std::string_view ChosenMetric = "ChosenMetric";
inline constexpr std::string_view ArrowSpeedFPS = "ArrowSpeedFPS";
inline constexpr std::string_view ArrowSpeedM = "ArrowSpeedM";
inline constexpr std::string_view ArrowMassGr = "ArrowMassGr";
inline constexpr std::string_view ArrowMassGram = "ArrowMassGram";
inline constexpr std::string_view ArrowLengthInInches = "ArrowLengthInInches";
inline constexpr std::string_view ArrowLengthInMM = "ArrowLengthInMM";
inline constexpr std::string_view BroadheadInch = "BroadheadInch";
inline constexpr std::string_view BroadheadMM = "BroadheadMM";
inline constexpr std::string_view BroadheadweightGr = "BroadheadweightGr";
inline constexpr std::string_view BroadheadweightInG = "BroadheadweightInG";
inline constexpr std::string_view Safety = "Safety"; // array, elements 0 to 4 (0% to 100%)
inline constexpr int kSafetyOptions = 5;
inline constexpr std::string_view DistanceInyards = "DistanceInyards";
inline constexpr std::string_view DistanceInM = "DistanceInM";
inline constexpr std::string_view GroupingCircInI = "GroupingCircInI";
inline constexpr std::string_view GroupingCircInMM = "GroupingCircInMM";

// The drop-down list and the check box.
inline constexpr std::string_view ShaftDiameter = "ShaftDiameter";
inline constexpr std::string_view inCOC = "inCOC";

} // namespace kesta::control
