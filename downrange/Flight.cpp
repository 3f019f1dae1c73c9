#include "downrange/Flight.h"

#include "tools/Checked.h"

#include <cmath>

namespace kesta::downrange {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kMetresPerYard = 0.9144;
constexpr double kGravity = 9.80665; // m/s²

double Exp(double x) {
    return CheckFinite(std::exp(x));
}

double Metres(double yards) {
    return Num(yards) * kMetresPerYard;
}

} // namespace

double AirDensity(double altitudeM, double temperatureC) {
    const Num pressure = Num(101325) * Pow(Num(1 - (2.25577e-5 * Num(altitudeM))), Num(5.25588));
    return pressure / (Num(287.05) * (Num(temperatureC) + 273.15));
}

double DragCoefficient(Fletching fletching, Head head) {
    // Wind-tunnel drag of arrows with small and with large vanes (feathers drag like large
    // vanes), scaled by the head's form factor.
    const double base = fletching == Fletching::Small ? 1.56 : 2.05;
    double factor = 1.30;
    if (head == Head::Field) factor = 1.00;
    if (head == Head::Mechanical) factor = 1.10;
    return Num(base) * factor;
}

double DragConstant(double rho, double cd, double shaftOdInches, double grains) {
    const Num dm = (Num(shaftOdInches) * 2.54) / 100;
    const Num area = Num(kPi) * Pow(dm / 2, Num(2));
    const Num m = (Num(grains) * 0.065) / 1000;
    return ((Num(rho) * cd) * area) / (2 * m);
}

double CalibratedDragConstant(const Chronograph& c) {
    const double ratio = Num(c.nearFps) / c.farFps;
    return Num(CheckFinite(std::log(ratio))) / ((Num(c.farYards) - c.nearYards) * kMetresPerYard);
}

DragModel DragModelOf(const Inputs& inputs, double grains) {
    DragModel model{};
    model.rho = AirDensity(inputs.altitudeM, inputs.temperatureC);
    model.cd = DragCoefficient(inputs.fletching, inputs.head);
    model.calibrated = inputs.chronograph.has_value();
    model.k = model.calibrated ? CalibratedDragConstant(*inputs.chronograph)
                               : DragConstant(model.rho, model.cd, inputs.shaftOdInches, grains);
    return model;
}

Flight::Flight(double grains, double fps, double k)
    : grains_(grains), fps_(fps), k_(k), v0_(((Num(fps) * 12) * 2.54) / 100) {}

double Flight::Speed(double yards) const {
    return Num(fps_) * Exp(-k_ * Metres(yards));
}

double Flight::Time(double yards) const {
    const double s = Metres(yards);
    if (k_ == 0) return Num(s) / v0_;
    return (Exp(Num(k_) * s) - 1) / (Num(k_) * v0_);
}

double Flight::Energy(double yards) const {
    return (Num(Pow(Speed(yards), 2)) * grains_) / 450240;
}

double Flight::Momentum(double yards) const {
    return ((Num(grains_) + grains_) * Speed(yards)) / 450240;
}

double Flight::Drop(double yards) const {
    return (((Num(0.5) * kGravity) * Pow(Time(yards), 2)) * 100) / 2.54;
}

double Flight::Path(double yards, double zeroYards) const {
    const Num atZero = Drop(zeroYards);
    return ((atZero * yards) / zeroYards) - Drop(yards);
}

} // namespace kesta::downrange
