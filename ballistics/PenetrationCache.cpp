// Why the cache gives the plain run's digits and errors exactly:
//  - A run is a fixed sequence of double operations on its prepared values, so two calls whose
//    prepared values have the same bit patterns compute the same passes, depth and error. The
//    preparation itself (conversions, entry loss) is done for every call, as the plain run does.
//  - While the point is inside the slab (x <= D at the start of a pass) a pass reads neither the
//    thickness D nor the exit loss E2: the pass-through test x > D + 0.75 is false (D + 0.75
//    cannot overflow for a D that was itself computed) and the contact is the inside one. So
//    all calls with the same arrow share the states of those passes, and each call resumes the
//    plain stepping, with its own D and E2, from the first shared state whose x is beyond its D.
//  - The shared states are extended only as far as the current call steps them itself, so a
//    failing pass fails exactly the calls whose plain run reaches it, and no other.
#include "ballistics/PenetrationCache.h"

#include <algorithm>
#include <cstring>

namespace kesta::Arrow {

namespace {

// memcpy rather than std::bit_cast, which the browser build's standard library lacks.
std::uint64_t Bits(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

} // namespace

void PenetrationCache::Clear() {
    prefixes_.clear();
    prefixOfKey_.clear();
    answers_.clear();
    stepped_ = 0;
    statesKept_ = 0;
}

std::size_t PenetrationCache::PrefixOf(const Steps::Run& r) {
    const ArrowKey key = {Bits(r.Rn), Bits(r.m), Bits(r.v),  Bits(r.dm),
                          Bits(r.p),  Bits(r.A), Bits(r.dx), Bits(r.q)};
    const auto [known, isNew] = prefixOfKey_.try_emplace(key, prefixes_.size());
    if (!isNew) return known->second;
    Prefix prefix;
    prefix.key = key;
    prefix.states.push_back({r.q, r.v, r.x});
    ++statesKept_;
    prefixes_.push_back(std::move(prefix));
    return prefixes_.size() - 1;
}

// The index of the shared state from which a run of thickness r.D goes on alone: the first
// whose point is beyond D, or the last one when the shared run ends (or fails) first.
std::optional<std::size_t> PenetrationCache::ResumePoint(Prefix& prefix, const Steps::Run& r) {
    const auto beyond = std::upper_bound(prefix.states.begin(), prefix.states.end(), r.D,
                                         [](double D, const State& s) { return D < s.x; });
    if (beyond != prefix.states.end()) return beyond - prefix.states.begin();
    if (prefix.end == Prefix::End::Failed) return std::nullopt;
    if (prefix.end == Prefix::End::Open) {
        // Step on from the last shared state, inside the slab, as far as this call goes.
        Steps::Run s = r;
        const State& last = prefix.states.back();
        s.q = last.q;
        s.v = last.v;
        s.x = last.x;
        s.frontAreaKnown = prefix.frontAreaKnown;
        s.frontArea = prefix.frontArea;
        while (s.x <= r.D) {
            if (!Steps::Moving(s)) {
                prefix.end = Prefix::End::Stopped;
                break;
            }
            ++stepped_;
            try {
                Steps::Decelerate(s, Steps::ContactInside(s));
            } catch (const RuntimeError& e) {
                prefix.end = Prefix::End::Failed;
                prefix.failure = e.kind();
                return std::nullopt;
            }
            prefix.frontAreaKnown = true;
            prefix.frontArea = s.frontArea;
            prefix.states.push_back({s.q, s.v, s.x});
            ++statesKept_;
        }
    }
    return prefix.states.size() - 1;
}

PenetrationCache::Outcome PenetrationCache::Run(double Ro, double mass, double speed,
                                                double shaftDiameter, double bladeArea, double dx,
                                                double entryLoss, double thickness,
                                                double exitLoss, const double* past) {
    Outcome out;
    Steps::Run r;
    try {
        if (!Steps::Prepare(Ro, mass, speed, shaftDiameter, bladeArea, dx, entryLoss, thickness,
                            exitLoss, r))
            return out;
    } catch (const RuntimeError& e) {
        out.failure = e.kind();
        return out;
    }
    const std::size_t p = PrefixOf(r);
    const AnswerKey key{p, Bits(r.D), Bits(r.E2)};
    if (const auto known = answers_.find(key); known != answers_.end()) {
        const Answer& a = known->second;
        out.depth = a.depth;
        out.passes = a.passes;
        if (a.failed) out.failure = a.failure;
        return out;
    }

    Prefix& prefix = prefixes_[p];
    const std::optional<std::size_t> k = ResumePoint(prefix, r);
    if (!k) {
        // The shared pass that fails is the one after the last state kept.
        out.passes = static_cast<long>(prefix.states.size());
        out.failure = prefix.failure;
        return out;
    }
    const State& from = prefix.states[*k];
    r.q = from.q;
    r.v = from.v;
    r.x = from.x;
    if (*k > 0) {
        r.frontAreaKnown = true;
        r.frontArea = prefix.frontArea;
    }
    out.passes = static_cast<long>(*k);
    Answer answer{0, 0, false, ErrorKind::Overflow};
    try {
        answer.depth = past != nullptr
                           ? Steps::FinishOrStopPast(r, out.passes, *past, out.stoppedEarly)
                           : Steps::Finish(r, out.passes);
    } catch (const RuntimeError& e) {
        answer.failed = true;
        answer.failure = e.kind();
    }
    stepped_ += out.passes - static_cast<long>(*k);
    answer.passes = out.passes;
    // A run that stopped early is no answer to a plain call.
    if (!out.stoppedEarly) answers_.emplace(key, answer);
    out.depth = answer.depth;
    if (answer.failed) out.failure = answer.failure;
    return out;
}

double PenetrationCache::Penetration(double Ro, double mass, double speed, double shaftDiameter,
                                     double bladeArea, double dx, double entryLoss,
                                     double thickness, double exitLoss, long& passes) {
    const Outcome out = Run(Ro, mass, speed, shaftDiameter, bladeArea, dx, entryLoss, thickness,
                            exitLoss, nullptr);
    passes = out.passes;
    if (out.failure) throw RuntimeError(*out.failure);
    return out.depth;
}

double PenetrationCache::Penetration(double Ro, double mass, double speed, double shaftDiameter,
                                     double bladeArea, double dx, double entryLoss,
                                     double thickness, double exitLoss) {
    long passes = 0;
    return Penetration(Ro, mass, speed, shaftDiameter, bladeArea, dx, entryLoss, thickness,
                       exitLoss, passes);
}

PenetrationCache::Outcome PenetrationCache::PenetrationOrPast(
    double Ro, double mass, double speed, double shaftDiameter, double bladeArea, double dx,
    double entryLoss, double thickness, double exitLoss, double past) {
    return Run(Ro, mass, speed, shaftDiameter, bladeArea, dx, entryLoss, thickness, exitLoss,
               &past);
}

} // namespace kesta::Arrow
