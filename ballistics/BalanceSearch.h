// Internal to the report: the front-of-centre balance search of the dynamic spine section.
#pragma once

namespace kesta {

// FOC (%) of an arrow L inches long with a broadhead of B grains and a shaft of g grains per
// inch. A trial pivot starts at the middle and moves 0.01 mm towards the front until the rear
// outweighs the front or the pivot passes the front end. `passes` counts the pivot's moves
// (after a jump, the moves the walk would have made).
double FrontOfCentre(double L, double B, double g, long& passes);

} // namespace kesta
