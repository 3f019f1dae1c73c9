// The two set-ups the comparison tests share: the worked example, and the same with the arrow
// pinned at 500 grains.
#pragma once

#include "form/FormState.h"
#include "tests/common/WorkedExampleForm.h"

#include <string>

namespace kesta::test {

inline FormState WorkedExampleWith(const char* control, const std::string& text) {
    FormState form = WorkedExampleForm();
    form.SetText(control, text);
    return form;
}

inline FormState Mass500() {
    return WorkedExampleWith("InArrowMass", "500");
}

} // namespace kesta::test
