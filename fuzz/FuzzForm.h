// A form decoded from a fuzz input, shared by the targets that run reports: each text box keeps
// the worked example's text or takes an interesting number, an odd text or raw bytes; every
// option group any selection or none; the list and the check box any state.
#pragma once

#include "form/Examples.h"
#include "form/FormState.h"
#include "fuzz/FuzzInput.h"

#include <cstdio>
#include <string>
#include <vector>

namespace kesta::fuzz {

// Texts that reach the corners: the limits of a double and of 16 bits, lengths at which the
// pivot of the balance search stops moving, speeds at the deflection's one-second stroke,
// zeros and signs, and texts that hold no number or hold one only almost.
inline const std::vector<std::string>& Interesting() {
    static const std::vector<std::string> texts = {"0",
                                                   "-0",
                                                   "1",
                                                   "-1",
                                                   "2",
                                                   "9",
                                                   "25",
                                                   "28",
                                                   "60",
                                                   "100",
                                                   "300",
                                                   "400",
                                                   "0.5",
                                                   "-9",
                                                   "3.58",
                                                   "3.59",
                                                   "3.6",
                                                   "7874",
                                                   "7875",
                                                   "1e6",
                                                   "1e9",
                                                   "1e13",
                                                   "1e14",
                                                   "3.3e14",
                                                   "1e17",
                                                   "1e19",
                                                   "1e20",
                                                   "1e154",
                                                   "1e155",
                                                   "1e300",
                                                   "1e308",
                                                   "1.7976931348623157e308",
                                                   "1e309",
                                                   "4.9e-324",
                                                   "1e-320",
                                                   "2.2250738585072014e-308",
                                                   "1e-7",
                                                   "0.01",
                                                   "100000000",
                                                   "32767",
                                                   "32768",
                                                   "-32768",
                                                   "65536",
                                                   "2147483648",
                                                   "99999999999999999999",
                                                   "",
                                                   " ",
                                                   "abc",
                                                   "1,5",
                                                   "1.5.5",
                                                   "+5",
                                                   "-",
                                                   ".",
                                                   "1e",
                                                   "1e+",
                                                   "0x10",
                                                   "&H10",
                                                   "inf",
                                                   "nan",
                                                   "Infinity",
                                                   "NaN",
                                                   "  7",
                                                   "7  ",
                                                   "\t3",
                                                   "1d3",
                                                   "1_000",
                                                   "\xd9\xa1",
                                                   "3e-5",
                                                   "-1e308",
                                                   "0.0000001"};
    return texts;
}

inline std::string TextFrom(FuzzInput& in, const std::string& example) {
    switch (in.Below(4)) {
    case 0:
        return example;
    case 1:
        return Interesting()[in.Below(Interesting().size())];
    case 2:
        return in.Bytes(24);
    default: {
        char text[40];
        std::snprintf(text, sizeof text, "%.17g", in.Double());
        return text;
    }
    }
}

inline FormState FormFrom(FuzzInput& in) {
    FormState form = ExampleForm(Examples().front());
    for (const std::string& box : FormState::TextBoxes())
        form.SetText(box, TextFrom(in, form.Text(box)));
    for (const auto& group : FormState::OptionGroups()) {
        const std::size_t choice = in.Below(group.size() + 2);
        if (choice == 1) {
            for (const std::string& option : group)
                form.SetSelected(option, false); // none selected
        } else if (choice >= 2) {
            form.SetSelected(group[choice - 2], true);
        }
    }
    form.SetShaftDiameter(static_cast<int>(in.Below(4)) - 1);
    form.SetCutOnContact(static_cast<int>(in.Below(2)));
    return form;
}

} // namespace kesta::fuzz
