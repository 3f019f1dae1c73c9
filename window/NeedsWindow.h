// The "What would it take?" window: for the set-up in the form, every animal's verdict and the
// least arrow mass or speed that would make the set-up sufficient for it, and a chart of the
// selected animal's penetration against arrow mass. Non-modal: it stays open beside the
// calculator and follows the form's inputs: it works them out again shortly after they change,
// and says so plainly when the new ones cannot be worked out and it still shows older ones.
#pragma once

#include "form/FormState.h"
#include "whatif/Needs.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>

class QChartView;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

namespace kesta {

class NeedsWindow : public QWidget {
    Q_OBJECT

  public:
    // The form's inputs as they are now.
    using FormReader = std::function<FormState()>;
    // Tells the user that the inputs cannot be worked with: the error and where it arose.
    using StopNotifier = std::function<void(const QString& error, const std::string& place)>;

    NeedsWindow(FormReader readForm, StopNotifier notifyStop, QWidget* parent = nullptr);

    // The game table the answers are for, read at each recalculation; the default without one.
    using GameReader = std::function<game::GameTable()>;
    void SetGameReader(GameReader readGame) { readGame_ = std::move(readGame); }

    QTableWidget& Table() const { return *table_; }
    QChartView& ChartView() const { return *chartView_; }

  public slots:
    // Works the table out for the form's inputs and charts the selected animal (the first
    // when none is). Inputs that cannot be read leave the window as it was and notify.
    void Recalculate();
    // The form's inputs changed: recalculates once typing pauses. Inputs that cannot be
    // worked out then leave the figures as they were, marked as older, without a dialog.
    void InputsChanged();

  public:
    // The note above the table while the figures are for older inputs; hidden otherwise.
    QLabel& StaleNote() const { return *stale_; }

  private:
    // False when the inputs cannot be worked out; `quietly` says it in the window instead of
    // notifying.
    bool Calculate(bool quietly);
    void ShowChart(int row);
    std::optional<std::size_t> SelectedPosition() const;
    void Select(std::size_t position);

    FormReader readForm_;
    StopNotifier notifyStop_;
    GameReader readGame_;
    FormState form_;       // the inputs of the last recalculation
    game::GameTable game_; // and the game table it judged
    QLabel* setUp_ = nullptr;
    QPushButton* recalculate_ = nullptr;
    QLabel* stale_ = nullptr;
    QTimer* recalculateSoon_ = nullptr;
    QTableWidget* table_ = nullptr;
    QChartView* chartView_ = nullptr;
};

} // namespace kesta
