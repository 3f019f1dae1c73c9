// The plain penetration run of one shot; the stepping itself is in PenetrationSteps.h.
#include "ballistics/Arrow.h"
#include "ballistics/ArrowPasses.h"
#include "ballistics/PenetrationSteps.h"
#include "tools/Errors.h"

namespace kesta::Arrow {

double Penetration(double Ro, double mass, double speed, double shaftDiameter, double bladeArea,
                   double dx, double entryLoss, double thickness, double exitLoss, long& passes) {
    passes = 0;
    Steps::Run r;
    if (!Steps::Prepare(Ro, mass, speed, shaftDiameter, bladeArea, dx, entryLoss, thickness,
                        exitLoss, r))
        return 0;
    return Steps::Finish(r, passes);
}

double Penetration(double Ro, double mass, double speed, double shaftDiameter, double bladeArea,
                   double dx, double entryLoss, double thickness, double exitLoss) {
    long passes = 0;
    return Penetration(Ro, mass, speed, shaftDiameter, bladeArea, dx, entryLoss, thickness,
                       exitLoss, passes);
}

bool RaisesForEverySlab(double Ro, double mass, double speed, double shaftDiameter,
                        double bladeArea, double dx, bool entryLoss) {
    // A run converts the arrow's figures, then the slab's (finite figures whose conversion
    // either passes or raises itself), then squares the speed; with an entry loss it next
    // takes the kinetic energy, whose first step (squared speed times mass) reads the arrow
    // alone too. With a slab of zeros only those steps of the arrow's can raise here, on the
    // very values every run of this arrow computes first: one that raises here raises in each.
    Steps::Run r;
    try {
        if (!Steps::Prepare(Ro, mass, speed, shaftDiameter, bladeArea, dx, 0, 0, 0, r))
            return false;
        if (entryLoss) {
            const double energy = Num(r.q) * r.m;
            (void)energy;
        }
    } catch (const RuntimeError&) {
        return true;
    }
    return false;
}

} // namespace kesta::Arrow
