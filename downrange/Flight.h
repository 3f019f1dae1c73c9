// The arrow in flat fire with no wind: its drag constant from the air, the fletching, the head
// and the shaft (or from two chronograph readings), and at any distance its speed, time of
// flight and drop. Every figure is formed in the order the model is written down, in doubles,
// with the C library's exp, log and pow, so that another implementation of the same model
// gives the same digits.
#pragma once

#include "downrange/DownrangeInputs.h"

namespace kesta::downrange {

// Air density (kg/m³) of the standard atmosphere at `altitudeM` metres and `temperatureC` °C.
double AirDensity(double altitudeM, double temperatureC);

// Fletching base times head factor.
double DragCoefficient(Fletching fletching, Head head);

// k (per metre) = (rho * Cd * A) / (2 * m), A the shaft's cross-section.
double DragConstant(double rho, double cd, double shaftOdInches, double grains);

// k (per metre) that slows the arrow from the near to the far chronograph speed.
double CalibratedDragConstant(const Chronograph& chronograph);

// The drag figures the table is computed with. rho and cd are those of the inputs even when
// the chronograph gave k.
struct DragModel {
    double rho; // kg/m³
    double cd;
    double k; // per metre
    bool calibrated;
};

DragModel DragModelOf(const Inputs& inputs, double grains);

// One arrow of `grains` leaving the bow at `fps`, slowed by `k`.
class Flight {
  public:
    Flight(double grains, double fps, double k);

    double Grains() const { return grains_; }
    double Fps() const { return fps_; }
    double K() const { return k_; }

    // At `yards` from the bow (the model asks for whole yards; any distance works):
    double Speed(double yards) const;    // fps
    double Time(double yards) const;     // seconds
    double Energy(double yards) const;   // foot-pounds
    double Momentum(double yards) const; // slug-foot seconds
    double Drop(double yards) const;     // inches below the bore line
    // Inches above (positive) or below the line of sight of a bow sighted in at `zeroYards`.
    double Path(double yards, double zeroYards) const;

  private:
    double grains_;
    double fps_;
    double k_;
    double v0_; // m/s
};

} // namespace kesta::downrange
