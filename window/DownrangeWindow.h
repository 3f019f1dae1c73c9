// The Downrange window (Tools > Downrange...): the set-up in the form flown through the drag
// model of the downrange inputs. Its distance table (every 5 yards, imperial and metric), a
// chart of energy and momentum and one of the path against the sight line, the reaction
// distances with and without drag, and each animal's ethical range. Non-modal: it stays open
// beside the calculator and works again when "Recalculate" is pressed or one of its inputs
// changes.
#pragma once

#include "ballistics/GameTable.h"
#include "downrange/DownrangeInputs.h"
#include "form/FormState.h"

#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace kesta {

class DownrangeWindow : public QWidget {
    Q_OBJECT

  public:
    // The form's inputs as they are now.
    using FormReader = std::function<FormState()>;
    // The game table the calculator judges against.
    using AnimalsReader = std::function<const std::vector<game::Animal>&()>;
    // Tells the user that the figures cannot be worked out: the error and where it arose.
    using StopNotifier = std::function<void(const QString& error, const std::string& place)>;
    // Called with the inputs after each recalculation that used them, to remember them.
    using InputsKeeper = std::function<void(const downrange::Inputs&)>;

    DownrangeWindow(FormReader readForm, StopNotifier notifyStop, QWidget* parent = nullptr);

    void SetAnimalsReader(AnimalsReader read) { readAnimals_ = std::move(read); }
    void SetInputsKeeper(InputsKeeper keep) { keepInputs_ = std::move(keep); }

    // Shows these inputs in the window's own units (inches, metres, °C); no recalculation.
    void ShowInputs(const downrange::Inputs& inputs);
    // The inputs of the last recalculation that succeeded.
    const downrange::Inputs& Inputs() const { return inputs_; }

    QTableWidget& DistanceTable() const { return *distances_; }
    QTableWidget& ReactionTable() const { return *reaction_; }
    QTableWidget& AnimalTable() const { return *animals_; }
    QChartView& EnergyChart() const { return *energyChart_; }
    QChartView& PathChart() const { return *pathChart_; }
    QTabWidget& Tabs() const { return *tabs_; }

  public slots:
    // Works everything out for the form's inputs and the window's own. Inputs that cannot be
    // used leave the window as it was and notify, naming the input.
    void Recalculate();

  private:
    QWidget* BuildInputs();
    // The texts the engine reads, converted from the units chosen in the window.
    std::map<std::string, std::string> InputTexts() const;

    FormReader readForm_;
    StopNotifier notifyStop_;
    AnimalsReader readAnimals_;
    InputsKeeper keepInputs_;
    downrange::Inputs inputs_;
    bool showing_ = false; // inputs are being filled in: no recalculation for each of them

    QLineEdit* shaftOd_ = nullptr;
    QComboBox* shaftOdUnit_ = nullptr;
    QComboBox* fletching_ = nullptr;
    QComboBox* head_ = nullptr;
    QLineEdit* altitude_ = nullptr;
    QComboBox* altitudeUnit_ = nullptr;
    QLineEdit* temperature_ = nullptr;
    QComboBox* temperatureUnit_ = nullptr;
    QLineEdit* zero_ = nullptr;
    QLineEdit* maxDistance_ = nullptr;
    QLineEdit* chronoNear_ = nullptr;
    QLineEdit* chronoNearYards_ = nullptr;
    QLineEdit* chronoFar_ = nullptr;
    QLineEdit* chronoFarYards_ = nullptr;
    QPushButton* recalculate_ = nullptr;
    QLabel* model_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* distances_ = nullptr;
    QTableWidget* reaction_ = nullptr;
    QTableWidget* animals_ = nullptr;
    QChartView* energyChart_ = nullptr;
    QChartView* pathChart_ = nullptr;
};

} // namespace kesta
