// The first 24 lines of the full report of the worked example (300 fps, 400 grains, 28 inches,
// 9 gpi, spine 400, 100 grain broadhead, 60 lbs, two blades of 0.5 by 1 inch, edge 25, tip 60,
// no cut-on-contact tip, shaft smaller than the ferrule), typed from the documented example.
// Every layer's tests check their report against these same lines.
#pragma once

#include <string>
#include <vector>

namespace kesta::test {

inline const std::vector<std::string>& WorkedExampleOpening() {
    static const std::vector<std::string> lines = {
        "Arrow",
        "   Speed:  300 fps",
        "   Mass :  400 grains",
        "   (calculated: 417 gr)",
        "   Momentum        : 0.53 slug-foot seconds",
        "   Kinetic Energy  : 80 foot-pounds",
        "",
        "Broadhead",
        "   Blade count      : 2",
        "   Cutting diameter : 1.3 inches",
        "   Ro               : 11.5 lbs",
        " Potential Soft Tissue Penetration: 10.1 inch",
        "Dynamic Spine",
        "   Critical load(Fc): 26 lbs",
        "   Dynamic Buckling Spine: 490",
        "   Fc% : 43%",
        "   Frequency : 77 Hz",
        "   Deflection: 0.33 inch",
        "   FOC : 9%",
        "Shaft Factor : x1",
        "Blade Count factor: x0.63",
        "Average Cutting Diameter(aveCD):0.819 inch",
        "Potential Damage Area: 8.3 sqr.inches",
        "",
    };
    return lines;
}

} // namespace kesta::test
