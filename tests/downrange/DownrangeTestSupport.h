// Helpers of the downrange tests: the worked example, and random downrange inputs.
#pragma once

#include "downrange/Downrange.h"
#include "form/Examples.h"

#include <map>
#include <optional>
#include <random>
#include <string>

namespace kesta::test {

inline FormState WorkedExample() {
    return ExampleForm(*FindExample("worked-example"));
}

// Downrange inputs a hunter might give: any fletching and head, shafts of 0.2 to 0.4 inch,
// the air from the coast to high mountains, summer and winter, 10 to 200 yards shown.
inline downrange::Inputs RandomInputs(std::mt19937& rng) {
    auto uniform = [&rng](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(rng);
    };
    downrange::Inputs in;
    in.shaftOdInches = uniform(0.2, 0.4);
    in.fletching = uniform(0, 1) < 0.5 ? downrange::Fletching::Small : downrange::Fletching::Large;
    const int head = std::uniform_int_distribution<int>(0, 2)(rng);
    in.head = head == 0 ? downrange::Head::Field
                        : head == 1 ? downrange::Head::Fixed : downrange::Head::Mechanical;
    in.altitudeM = uniform(-100, 4000);
    in.temperatureC = uniform(-25, 40);
    in.zeroYards = std::uniform_int_distribution<int>(10, 60)(rng);
    in.maxDistance = std::uniform_int_distribution<int>(10, 200)(rng);
    return in;
}

} // namespace kesta::test
