// The set-up's figures that more than one place of the report uses: Ro from the broadhead's
// blades and angles, and momentum and kinetic energy from the input record.
#pragma once

#include "form/FormState.h"
#include "report/InputRecord.h"

namespace kesta {

// The broadhead's cutting resistance Ro (lbs): the blades' share, scaled by the edge angle,
// plus the tip's share, times 44.
double BroadheadRo(const FormState& form, const InputRecord& record);

double Mom(const InputRecord& r);  // N*s
double KE(const InputRecord& r);   // J
double Mom_(const InputRecord& r); // slug-foot seconds
double KE_(const InputRecord& r);  // foot-pounds

} // namespace kesta
