// Internal to the report: the two simulations and the balance search, each also telling how
// many passes it made. Tests and benchmarks use the counts to pin the stepping itself.
#pragma once

namespace kesta::Arrow {

double ShaftDeflection(double B, double g, double L, double S, double h, double e, double V,
                       long& passes);

double Penetration(double Ro, double mass, double speed, double shaftDiameter, double bladeArea,
                   double dx, double entryLoss, double thickness, double exitLoss, long& passes);

} // namespace kesta::Arrow
