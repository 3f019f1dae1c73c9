// libFuzzer target for the whole report: the input decodes into a form (each text box keeps
// the worked example's text or takes an interesting number, an odd text or raw bytes; every
// option group any selection or none; the list and the check box any state), then one or two
// reports run on the same calculator. Checks: only RuntimeError escapes; a failure names its
// place and a success does not; a failed Setup leaves the box as it was; otherwise the box is
// empty or ends with CR LF. Run with -timeout=1: no report may take a second.
#include "form/Examples.h"
#include "fuzz/FuzzInput.h"
#include "report/Calculator.h"
#include "tools/Errors.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

using namespace kesta;
using fuzz::Check;
using fuzz::FuzzInput;

namespace {

// Texts that reach the corners: the limits of a double and of 16 bits, lengths at which the
// pivot of the balance search stops moving, speeds at the deflection's one-second stroke,
// zeros and signs, and texts that hold no number or hold one only almost.
const std::vector<std::string>& Interesting() {
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

std::string TextFrom(FuzzInput& in, const std::string& example) {
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

FormState FormFrom(FuzzInput& in) {
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

void ReportAndCheck(Calculator& calculator) {
    const std::string before = calculator.BoxText();
    bool failed = false;
    std::string place;
    try {
        calculator.WriteReport();
    } catch (const RuntimeError& e) {
        failed = true;
        place = e.place();
    } catch (...) {
        std::terminate(); // nothing else may escape
    }
    Check(failed == !place.empty());
    const std::string& box = calculator.BoxText();
    if (failed && place.rfind("input ", 0) == 0) {
        Check(box == before);
    } else {
        Check(box.empty() || (box.size() >= 2 && box.compare(box.size() - 2, 2, "\r\n") == 0));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    FormState form = FormFrom(in);
    Calculator calculator(form);
    // What the box held before: nothing, an earlier report's lines, or text the user typed.
    calculator.SetBoxText(in.Below(2) == 0 ? std::string() : in.Bytes(32));
    ReportAndCheck(calculator);
    if (in.Below(2) == 1) { // a second report after the user changed a few inputs
        for (std::size_t n = in.Below(4); n > 0; --n) {
            const std::string& box =
                FormState::TextBoxes()[in.Below(FormState::TextBoxes().size())];
            form.SetText(box, TextFrom(in, form.Text(box)));
        }
        ReportAndCheck(calculator);
    }
    return 0;
}
