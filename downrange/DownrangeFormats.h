// The downrange figures written out for kesta-report: text a person reads in a terminal, CSV
// and JSON for other programs. Lines end in "\n". CSV and JSON numbers are the shortest text
// that reads back as the same double; the text tables round for reading. Nothing depends on
// the locale.
#pragma once

#include "downrange/Downrange.h"

#include <string>
#include <vector>

namespace kesta::downrange {

// The cells of the text tables, rounded for reading exactly as the text forms show them, so
// that a page can lay them out as its own tables without rounding any figure itself. "-" where
// there is no figure.
using Cells = std::vector<std::vector<std::string>>;
// Yards, speed (fps), energy (ft-lb), momentum (slug-ft/s), time (s), path (inches): every 5
// yards and the last distance, as DistanceText.
Cells DistanceCells(const DistanceTable& table);
// Reaction time (s), yards at constant speed, yards with drag: one row per reaction time.
Cells ReactionCells(const DistanceTable& table);
// Animal, mass (kg), category, verdict at the bow, sufficient to, marginal to, accuracy and
// ethical range (yards), in table order, as RangesText.
Cells RangesCells(const Ranges& ranges);

// "flat fire, no wind; drag of large vanes or feathers and a fixed-blade broadhead (Cd 2.665)
// on a 0.3 inch shaft in air of 1.2250 kg/m³ (0 m, 15 °C): k = ... per metre", or the
// chronograph readings when they gave k.
std::string ModelText(const Inputs& inputs, const DragModel& model);

// The distance table every 5 yards (and the last distance), then the reaction distances.
std::string DistanceText(const DistanceTable& table);
// "yards,speed_fps,energy_ftlb,momentum_slugfts,time_s,path_in", one row per whole yard.
std::string DistanceCsv(const DistanceTable& table);
// {"model": {"rho", "cd", "k"}, "distances": [...], "reaction": [...]}
std::string DistanceJson(const DistanceTable& table);

// One line per animal in table order; "-" where there is no range.
std::string RangesText(const Ranges& ranges);
// "position,animal,mass_kg,category,sufficient_to_yd,marginal_to_yd,accuracy_yd,ethical_yd",
// an empty cell where there is no range.
std::string RangesCsv(const Ranges& ranges);
// {"model": {...}, "max_distance_yd": X, "animals": [{the CSV fields, "verdict_at_bow"}]}
std::string RangesJson(const Ranges& ranges);

} // namespace kesta::downrange
