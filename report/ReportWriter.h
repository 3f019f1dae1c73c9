// What a report section writes with: the form and the input record it reads, the penetration
// runs this report shares, and the report box it appends finished lines to. Figures that one
// section hands to a later one (Ro, the soft-tissue depth) are not kept here: they travel as
// the sections' results and arguments (Sections.h), so their order is plain to see.
#pragma once

#include "ballistics/GameList.h"
#include "ballistics/PenetrationCache.h"
#include "form/FormState.h"
#include "report/InputRecord.h"
#include "report/ReportFigures.h"
#include "tools/NumberText.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kesta {

class ReportWriter {
  public:
    ReportWriter(const FormState& form, const InputRecord& record,
                 Arrow::PenetrationCache& penetrations, std::string& box)
        : form_(form), record_(record), penetrations_(penetrations), box_(box) {}

    const FormState& Form() const { return form_; }
    const InputRecord& Record() const { return record_; }
    // The animals the game lists judge; the default table unless the report chose another.
    const game::GameTable& Game() const { return *game_; }
    void UseGame(const game::GameTable& table) { game_ = &table; }
    // Ask here instead of Arrow::Penetration: repeated runs of this report are stepped once.
    Arrow::PenetrationCache& Penetrations() { return penetrations_; }

    // Appends one line and CR LF to the report box.
    void AddLine(const std::string& line) {
        box_ += line;
        box_ += "\r\n";
    }

    // Where the figures of this report are noted; none are noted without it.
    void NoteFiguresIn(ReportFigures* figures) { figures_ = figures; }

    // The text of a figure rounded to `decimals` decimals, as its line prints it; the same
    // rounded value is noted as that figure, so a summary can never disagree with the line.
    std::string Shown(FigureId figure, double value, int decimals) {
        Note(figure, value, decimals);
        return Rounded(value, decimals);
    }
    void Note(FigureId figure, double value, int decimals) {
        if (figures_ != nullptr) figures_->Note(figure, {RoundHalfEven(value, decimals), decimals});
    }
    void NoteVerdicts(std::vector<game::Verdict> verdicts) {
        if (figures_ != nullptr) figures_->NoteVerdicts(std::move(verdicts));
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
    ReportFigures* figures_ = nullptr;
    const game::GameTable* game_ = &game::DefaultTable();
};

} // namespace kesta
