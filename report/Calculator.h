// The report engine behind the "Report" button: it owns the input record and Ro (lbs), keeps
// them from one report to the next as the window does, and builds the report box text.
// Everything here is standard C++; the window only copies widgets into the FormState it
// reads and shows BoxText() afterwards.
#pragma once

#include "ballistics/GameList.h"
#include "ballistics/PenetrationCache.h"
#include "form/FormState.h"
#include "report/InputRecord.h"
#include "report/ReportFigures.h"

#include <string>
#include <utility>

namespace kesta {

class Calculator {
  public:
    // The form is read at each report; it must outlive the calculator.
    explicit Calculator(const FormState& form, game::GameTable game = game::DefaultTable())
        : form_(&form), game_(std::move(game)) {}

    // The game table the report's game lists judge against, from the next report on.
    const game::GameTable& Game() const { return game_; }
    void SetGame(game::GameTable game) { game_ = std::move(game); }

    // Writes the report of the form into the box. Setup, then the box is emptied and refilled
    // line by line. A failure raises RuntimeError: when Setup fails the box keeps the previous
    // report; otherwise the box holds the lines appended before the failure.
    void WriteReport();

    // Reads and converts the inputs into the record. Raises Type mismatch or Overflow.
    void Setup();

    // Formula functions over the current record (Formulas.h).
    double Mom() const;  // N*s
    double KE() const;   // J
    double Mom_() const; // slug-foot seconds
    double KE_() const;  // foot-pounds
    static double min(double& a, double& b);

    // The report box text: each appended line followed by CR LF.
    const std::string& BoxText() const { return box_; }
    // The user may edit the box between reports; the window hands the edited text back here.
    void SetBoxText(std::string text) { box_ = std::move(text); }

    const InputRecord& Record() const { return record_; }
    // The figures the last report printed, noted as it printed them (ReportFigures.h).
    const ReportFigures& Figures() const { return figures_; }
    double RoLbs() const { return roLbs_; }

  private:
    const FormState* form_;
    game::GameTable game_;
    InputRecord record_;
    double roLbs_ = 0;
    Arrow::PenetrationCache penetrations_; // the penetration runs of the report being written
    std::string box_;
    ReportFigures figures_;
    std::string settingUp_; // the input being converted by Setup, for the error's place
};

} // namespace kesta
