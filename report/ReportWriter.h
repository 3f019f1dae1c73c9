// What a report section writes with: the form and the input record it reads, the penetration
// runs this report shares, and the report box it appends finished lines to. Figures that one
// section hands to a later one (Ro, the soft-tissue depth) are not kept here: they travel as
// the sections' results and arguments (Sections.h), so their order is plain to see.
#pragma once

#include "ballistics/PenetrationCache.h"
#include "form/FormState.h"
#include "report/InputRecord.h"

#include <string>
#include <string_view>

namespace kesta {

class ReportWriter {
  public:
    ReportWriter(const FormState& form, const InputRecord& record,
                 Arrow::PenetrationCache& penetrations, std::string& box)
        : form_(form), record_(record), penetrations_(penetrations), box_(box) {}

    const FormState& Form() const { return form_; }
    const InputRecord& Record() const { return record_; }
    // Ask here instead of Arrow::Penetration: repeated runs of this report are stepped once.
    Arrow::PenetrationCache& Penetrations() { return penetrations_; }

    // Appends one line and CR LF to the report box.
    void AddLine(const std::string& line) {
        box_ += line;
        box_ += "\r\n";
    }

    // Names the section being written, so that a failure can say where it arose.
    void Enter(std::string_view section) { section_ = section; }
    const std::string& Section() const { return section_; }

  private:
    const FormState& form_;
    const InputRecord& record_;
    Arrow::PenetrationCache& penetrations_;
    std::string& box_;
    std::string section_;
};

} // namespace kesta
