// The arrow-calculation module: the two step-by-step simulations of the report.
#pragma once

namespace kesta::Arrow {

// Sideways deflection (mm) of the shaft during the power stroke, stepped 0.01 ms at a time.
// B broadhead weight (grains), g shaft weight per inch (grains/inch), L arrow length (inches),
// S static spine, h and e stroke start and end (inches), V arrow speed (fps).
double ShaftDeflection(double B, double g, double L, double S, double h, double e, double V);

// Penetration depth (inches) of an arrow stepped dx metres at a time through a slab of
// `thickness` inches; 0 when it does not penetrate, 999 when it passes through or travels
// 10 m. Losses are in foot-pounds, Ro in pounds.
double Penetration(double Ro, double mass, double speed, double shaftDiameter, double bladeArea,
                   double dx, double entryLoss, double thickness, double exitLoss);

// Whether Penetration of this arrow raises whatever the slab (its thickness and exit loss) and
// whatever its entry loss, given only whether that loss is above 0: the arrow's own figures
// overflow before the slab's are of any use. Never raises itself.
bool RaisesForEverySlab(double Ro, double mass, double speed, double shaftDiameter,
                        double bladeArea, double dx, bool entryLoss);

} // namespace kesta::Arrow
