// The plain penetration run of one shot; the stepping itself is in PenetrationSteps.h.
#include "ballistics/Arrow.h"
#include "ballistics/ArrowPasses.h"
#include "ballistics/PenetrationSteps.h"

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

} // namespace kesta::Arrow
