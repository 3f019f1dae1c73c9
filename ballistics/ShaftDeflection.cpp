// The shaft is pushed by a constant force over the power stroke and bows sideways from a
// small initial offset; the sideways motion is stepped 0.01 ms at a time until the stroke ends
// or the shaft folds.
#include "ballistics/Arrow.h"
#include "ballistics/ArrowPasses.h"
#include "tools/Checked.h"

namespace kesta::Arrow {

namespace {

// The shaft and its sideways motion, in SI units.
struct Shaft {
    double lm;   // shaft length (m)
    double mlat; // sideways mass (kg)
    double F;    // driving force (N)
    double k;    // stiffness
    double y0;   // initial offset (m)
};

// Steps the sideways motion until the shaft folds or the stroke time T is over.
double Bow(const Shaft& s, double T, long& passes) {
    const double dt = Num(0.01) / 1000;
    const double half = Num(s.lm) / 2;
    // The powers of constants are the same on every pass; taken once, they give the same digits
    // and, as the first pass needs them all, the same errors.
    const double halfSquared = Pow(half, 2);
    const double lmCubed = Pow(s.lm, 3);
    const double dtSquared = Pow(dt, 2);
    double y = s.y0;
    double u = 0;
    double t = 0;
    do {
        ++passes;
        const double r = Num(y) / Pow(Sub(halfSquared, Pow(y, 2)), 0.5);
        const double pull = (Num(y) - s.y0) * s.k;
        const double R = Num(pull) / lmCubed;
        const double a = ((Num(s.F) * r) - R) / s.mlat;
        const double drift = (Num(dt) * u) + y;
        y = drift + ((Num(dtSquared) * a) / 2);
        u = (Num(dt) * a) + u;
        t = Num(dt) + t;
    } while (!(y >= half) && !(t >= T));
    return y;
}

} // namespace

double ShaftDeflection(double B, double g, double L, double S, double h, double e, double V,
                       long& passes) {
    passes = 0;
    const double mf = ((Num(B) + 40) * 0.065) / 1000;
    const double ms = ((Num(g) * L) * 0.065) / 1000;
    const double v = ((Num(V) * 12) * 25.4) / 1000;
    const double end = (Num(e) * 2.54) / 100;
    const double start = (Num(h) * 2.54) / 100;
    const double s = (Num(end) - start) - (Num(3.175) / 100);
    const double vv = Pow(v, 2);
    const double push = Num(vv) * ((Num(ms) / 2) + mf);
    const double F = Num(push) / (Num(s) + s);
    const double lm = (Num(L) * 2.54) / 100;
    const double mlat = (Num(ms) + ms) / 3;
    const double T = (Num(s) + s) / v;
    if (T > 1.0) return 0;
    const double y0 = Num(3.5) / 1000;
    const double spring = Num(Pow(Div(71.12, 100), 3)) * 8.8;
    const double k = Num(spring) / (((Num(S) / 1000) * 2.54) / 100);
    return Num(Bow(Shaft{lm, mlat, F, k, y0}, T, passes)) * 1000;
}

double ShaftDeflection(double B, double g, double L, double S, double h, double e, double V) {
    long passes = 0;
    return ShaftDeflection(B, g, L, S, h, e, V, passes);
}

} // namespace kesta::Arrow
