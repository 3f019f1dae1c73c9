#include "downrange/DistanceTable.h"

#include "report/ReactionDistance.h"
#include "tools/Checked.h"
#include "tools/Errors.h"

namespace kesta::downrange {

std::vector<DistanceRow> DistanceRows(const Flight& flight, double zeroYards, int maxDistance) {
    std::vector<DistanceRow> rows;
    rows.reserve(static_cast<std::size_t>(maxDistance) + 1);
    for (int x = 0; x <= maxDistance; ++x) {
        rows.push_back({x, flight.Speed(x), flight.Energy(x), flight.Momentum(x), flight.Time(x),
                        flight.Path(x, zeroYards)});
    }
    return rows;
}

std::vector<ReactionRow> ReactionRows(const Flight& flight, int maxDistance) {
    std::vector<ReactionRow> rows;
    for (const double tau : kReactionSeconds) {
        ReactionRow row{tau, std::nullopt, 0};
        try {
            row.yardsConstantSpeed = ReactionDistanceYards(flight.Fps(), tau);
        } catch (const RuntimeError&) {
            // Leaves the figure out; the slowing arrow still has its own.
        }
        for (int x = 0; x <= maxDistance; ++x) {
            const double sound = ((Num(x) * 3) / kSpeedOfSoundFps) + tau;
            if (flight.Time(x) <= sound) row.yardsWithDrag = x;
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace kesta::downrange
