// Internal to the report: the pieces of the penetration model, shared by the plain per-call run
// (Penetration.cpp) and the per-report cache (PenetrationCache.cpp), so both step the arrow with
// the very same operations in the very same order.
//
// The model steps the arrow dx metres at a time through a slab of tissue and takes speed off at
// each step for the broadhead's cutting resistance, the pressure on the shaft's front and the
// friction on the shaft and blades in contact. An energy loss may be charged on entry and once
// when the point leaves the far side. The arrow has 0.75 m of shaft behind the point.
#pragma once

#include "tools/Checked.h"
#include "tools/Units.h"

#include <cmath>
#include <optional>

namespace kesta::Arrow::Steps {

constexpr double kShaft = 0.75;       // metres of shaft that can be in contact
constexpr double kLongestPath = 10.0; // metres simulated at most
constexpr double kPassThrough = 999;  // marker: passed through the slab or travelled 10 m
constexpr double kJoulesPerFtLb = 1.359431604;

struct Run {
    double Rn; // cutting force (N); 0 once the point is out of the far side
    double m;  // arrow mass (kg)
    double v;  // speed (m/s)
    double dm; // shaft diameter (m)
    double p;  // shaft perimeter (m)
    double A;  // blade area (m^2); 0 once the point is out of the far side
    double D;  // slab thickness (m)
    double E2; // exit loss still to be charged (J)
    double dx; // depth step (m)
    double q;  // squared speed (m^2/s^2)
    double x;  // depth reached (m)
    // The shaft's front area (m^2), the same on every pass: taken once, on the first pass, where
    // the pressure term first needs it (so its failure, if any, arises where it always did).
    bool frontAreaKnown;
    double frontArea;
};

// Kinetic energy after losing `loss` joules, as a squared speed; false when the arrow stops.
inline bool ChargeLoss(double squaredSpeed, double m, double loss, double& result) {
    const double K = ((Num(squaredSpeed) * m) / 2) - loss;
    if (K < 0) return false;
    result = (Num(K) + K) / m;
    return true;
}

// The arguments converted to metres, kilograms, joules and the entry loss charged. False when
// the arrow does not get in at all; the depth is then 0.
inline bool Prepare(double Ro, double mass, double speed, double shaftDiameter, double bladeArea,
                    double dx, double entryLoss, double thickness, double exitLoss, Run& r) {
    if (Ro < 2.0) return false;
    r = Run{};
    r.dx = dx > 0 ? dx : 0.001;
    r.Rn = (Num(Ro) / 2.2) * 9.8;
    r.m = (Num(mass) * 0.065) / 1000;
    r.v = ((Num(speed) * 12) * 2.54) / 100;
    r.dm = (Num(shaftDiameter) * 2.54) / 100;
    r.p = Num(r.dm) * kPi;
    r.A = Num(bladeArea) / 1550.0031;
    r.D = (Num(thickness) * 2.54) / 100;
    const double E1 = Num(entryLoss) * kJoulesPerFtLb;
    r.E2 = Num(exitLoss) * kJoulesPerFtLb;
    if (E1 > 0) {
        double entered = 0;
        if (!ChargeLoss(Pow(r.v, 2), r.m, E1, entered)) return false;
        r.v = Pow(entered, 0.5);
    }
    r.q = Pow(r.v, 2);
    r.x = 0;
    return true;
}

// Whether another pass is stepped.
inline bool Moving(const Run& r) {
    return r.q > 1.0 && r.x < kLongestPath;
}

// Sets the contact length for the current depth; false when the exit loss stops the arrow.
inline bool Contact(Run& r, double& contact) {
    if (r.x > r.D && r.x > kShaft) {
        contact = Num(kShaft) - (Num(r.x) - r.D);
        r.Rn = 0;
        r.A = 0;
    } else if (r.x > r.D) {
        contact = r.D;
        r.Rn = 0;
        r.A = 0;
        if (r.E2 > 0) {
            if (!ChargeLoss(r.q, r.m, r.E2, r.q)) return false;
            r.E2 = 0;
        }
    } else {
        contact = r.x > kShaft ? kShaft : r.x;
    }
    return true;
}

// The contact length while the point is still inside the slab (x <= D): it reads neither the
// thickness nor the exit loss.
inline double ContactInside(const Run& r) {
    return r.x > kShaft ? kShaft : r.x;
}

// One depth step: the three resistances slow the arrow down.
inline void Decelerate(Run& r, double contact) {
    const double S = Num(r.p) * contact;
    if (!r.frontAreaKnown) {
        r.frontArea = Num(Pow(Div(r.dm, 2), 2)) * kPi;
        r.frontAreaKnown = true;
    }
    const double P = (Num(1400) * (Num(r.frontArea) * ((Num(r.Rn) / 10) * 0.5))) * r.q;
    const double reach = Num(r.dx) + contact;
    const double Re = (Num(reach) * (Num(r.v) * 1055)) / 0.0035;
    const double wetted = Num(S) + r.A;
    const double F = (((Num(wetted) / Pow(Re, 0.2)) * 0.02915) * 1055) * r.q;
    const double a = ((Num(r.Rn) + P) + F) / r.m;
    r.q = Num(r.q) - ((Num(a) + a) * r.dx);
    // The speed is read by the next pass only, and there is none once q is 1 or less (a
    // positive q cannot fail the root, so skipping it changes nothing but the time).
    if (r.q > 1.0) r.v = Pow(r.q, 0.5);
    r.x = Num(r.x) + r.dx;
}

// The depth reported for a run that ended at r.x.
inline double Depth(const Run& r) {
    if (r.x >= kLongestPath) return kPassThrough;
    return (Num(r.x) * 100) / 2.54;
}

// One pass of a moving run, counted in `passes`: the depth where the run ends in it, or
// nullopt when it goes on.
inline std::optional<double> Pass(Run& r, long& passes) {
    ++passes;
    if (r.x > Num(r.D) + kShaft) return kPassThrough;
    double contact = 0;
    if (!Contact(r, contact)) return Depth(r);
    Decelerate(r, contact);
    return std::nullopt;
}

// Steps the arrow from its current state to the end of the run and gives the depth; `passes`
// counts on from its value.
inline double Finish(Run& r, long& passes) {
    while (Moving(r)) {
        if (const std::optional<double> end = Pass(r, passes)) return *end;
    }
    return Depth(r);
}

// Whether no later pass of this run can raise, whatever it meets: once a run is known to end
// beyond some depth, it may then stop there without changing the answer to "does it pass that
// depth?". Each bound keeps one operation of a later pass finite and well defined:
//  - m > 0 and q * m finite: the exit loss, charged at most once and at a squared speed no
//    higher than now, computes q * m, halves it, subtracts E2 >= 0 and doubles the rest, so
//    every value stays at or below q * m; dividing by m gives back no more than about q.
//  - 1 < q <= 1e50 and 1 <= v <= 1e50: the passes only lower q (the resistances below are not
//    negative), so v = q^0.5 stays in range; Re >= dx * 1055 / 0.0035 > 0 and at most ~1e57.
//  - Rn, A, the front area and the perimeter in 0..1e50, D within 1e10, 0 < dx <= 1 and
//    m >= 1e-100: P, F and the deceleration stay below ~1e260.
// The shaft's front area must be known already (one pass stepped), so no new operation is
// left but those of the passes.
inline bool CannotRaiseFromHere(const Run& r) {
    constexpr double kLarge = 1e50;
    const auto within = [](double value, double low, double high) {
        return value >= low && value <= high; // false for NaN
    };
    return r.frontAreaKnown && within(r.frontArea, 0, kLarge) && within(r.Rn, 0, kLarge) &&
           within(r.A, 0, kLarge) && within(r.p, 0, kLarge) && within(r.D, -1e10, 1e10) &&
           within(r.dx, 1e-300, 1) && within(r.E2, 0, 1e300) && r.m >= 1e-100 &&
           r.q > 1.0 && r.q <= kLarge && within(r.v, 1, kLarge) && std::isfinite(r.q * r.m);
}

// As Finish, but stops as soon as the depth reached is beyond `past` and no later pass can
// raise: the run would end at least that deep (the point only moves on, and a pass-through
// counts as 999). Gives the depth reached then, and sets `stoppedEarly`.
inline double FinishOrStopPast(Run& r, long& passes, double past, bool& stoppedEarly) {
    stoppedEarly = false;
    while (Moving(r)) {
        if (r.x < kLongestPath && Depth(r) > past && CannotRaiseFromHere(r)) {
            stoppedEarly = true;
            return Depth(r);
        }
        if (const std::optional<double> end = Pass(r, passes)) return *end;
    }
    return Depth(r);
}

} // namespace kesta::Arrow::Steps
