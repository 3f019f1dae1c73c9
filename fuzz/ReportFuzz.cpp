// libFuzzer target for the whole report: the input decodes into a form (each text box keeps
// the worked example's text or takes an interesting number, an odd text or raw bytes; every
// option group any selection or none; the list and the check box any state), then one or two
// reports run on the same calculator. Checks: only RuntimeError escapes; a failure names its
// place and a success does not; a failed Setup leaves the box as it was; otherwise the box is
// empty or ends with CR LF. Run with -timeout=1: no report may take a second.
#include "fuzz/FuzzForm.h"
#include "report/Calculator.h"
#include "tools/Errors.h"

#include <exception>
#include <string>

using namespace kesta;
using fuzz::Check;
using fuzz::FormFrom;
using fuzz::FuzzInput;
using fuzz::TextFrom;

namespace {

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
