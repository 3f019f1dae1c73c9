// The penetration model steps the arrow dx metres at a time through a slab of tissue and takes
// speed off at each step for the broadhead's cutting resistance, the pressure on the shaft's
// front and the friction on the shaft and blades in contact. An energy loss may be charged on
// entry and once when the point leaves the far side. The arrow has 0.75 m of shaft behind the
// point.
#include "report/Arrow.h"
#include "report/ArrowPasses.h"
#include "tools/Checked.h"

namespace kesta::Arrow {

namespace {

constexpr double kPi = 3.141592654;
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
};

// Kinetic energy after losing `loss` joules, as a squared speed; false when the arrow stops.
bool ChargeLoss(double squaredSpeed, double m, double loss, double& result) {
    const double K = ((Num(squaredSpeed) * m) / 2) - loss;
    if (K < 0) return false;
    result = (Num(K) + K) / m;
    return true;
}

// Sets the contact length for the current depth; false when the exit loss stops the arrow.
bool Contact(Run& r, double& contact) {
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

// One depth step: the three resistances slow the arrow down.
void Decelerate(Run& r, double contact) {
    const double S = Num(r.p) * contact;
    const double frontArea = Num(Pow(Div(r.dm, 2), 2)) * kPi;
    const double P = (Num(1400) * (Num(frontArea) * ((Num(r.Rn) / 10) * 0.5))) * r.q;
    const double reach = Num(r.dx) + contact;
    const double Re = (Num(reach) * (Num(r.v) * 1055)) / 0.0035;
    const double wetted = Num(S) + r.A;
    const double F = (((Num(wetted) / Pow(Re, 0.2)) * 0.02915) * 1055) * r.q;
    const double a = ((Num(r.Rn) + P) + F) / r.m;
    r.q = Num(r.q) - ((Num(a) + a) * r.dx);
    if (r.q > 0) r.v = Pow(r.q, 0.5);
    r.x = Num(r.x) + r.dx;
}

} // namespace

double Penetration(double Ro, double mass, double speed, double shaftDiameter, double bladeArea,
                   double dx, double entryLoss, double thickness, double exitLoss, long& passes) {
    passes = 0;
    if (Ro < 2.0) return 0;
    Run r{};
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
        if (!ChargeLoss(Pow(r.v, 2), r.m, E1, entered)) return 0;
        r.v = Pow(entered, 0.5);
    }
    r.q = Pow(r.v, 2);
    r.x = 0;
    while (r.q > 1.0 && r.x < kLongestPath) {
        ++passes;
        if (r.x > Num(r.D) + kShaft) return kPassThrough;
        double contact = 0;
        if (!Contact(r, contact)) break;
        Decelerate(r, contact);
    }
    if (r.x >= kLongestPath) return kPassThrough;
    return (Num(r.x) * 100) / 2.54;
}

double Penetration(double Ro, double mass, double speed, double shaftDiameter, double bladeArea,
                   double dx, double entryLoss, double thickness, double exitLoss) {
    long passes = 0;
    return Penetration(Ro, mass, speed, shaftDiameter, bladeArea, dx, entryLoss, thickness,
                       exitLoss, passes);
}

} // namespace kesta::Arrow
