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
                        double bladeArea, double dx) {
    // A run converts the arrow's figures, then the slab's (finite figures whose conversion
    // either passes or raises itself), then squares the speed, the first step to read both.
    // With a slab of zeros only the arrow's steps can raise; one that raises here raises in
    // every run of this arrow.
    Steps::Run r;
    try {
        Steps::Prepare(Ro, mass, speed, shaftDiameter, bladeArea, dx, 0, 0, 0, r);
    } catch (const RuntimeError&) {
        return true;
    }
    return false;
}

} // namespace kesta::Arrow
