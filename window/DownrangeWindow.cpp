#include "window/DownrangeWindow.h"

#include "downrange/Downrange.h"
#include "downrange/DownrangeFormats.h"
#include "downrange/StoredInputs.h"
#include "tools/Errors.h"
#include "tools/NumberText.h"
#include "window/DownrangeParts.h"

#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <memory>
#include <tuple>

namespace kesta {

namespace {

// A unit of an input: how a number in it becomes one in the engine's unit and back.
struct Unit {
    const char* name;
    double (*toBase)(double);
    double (*fromBase)(double);
};

double Same(double x) {
    return x;
}

const Unit kInches{"in", Same, Same};
const Unit kMillimetres{"mm", [](double mm) { return mm / 25.4; },
                        [](double in) { return in * 25.4; }};
const Unit kMetres{"m", Same, Same};
const Unit kFeet{"ft", [](double ft) { return ft * 0.3048; }, [](double m) { return m / 0.3048; }};
const Unit kCelsius{"\u00B0C", Same, Same};
const Unit kFahrenheit{"\u00B0F", [](double f) { return ((f - 32) * 5) / 9; },
                       [](double c) { return ((c * 9) / 5) + 32; }};

QLineEdit* Edit(QWidget* parent, const char* name, const QString& accessible) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(accessible);
    edit->setMaximumWidth(90);
    return edit;
}

QComboBox* Choice(QWidget* parent, const char* name, const QString& accessible,
                  const std::vector<std::pair<QString, QString>>& entries) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessible);
    for (const auto& [shown, stored] : entries)
        box->addItem(shown, stored);
    return box;
}

QComboBox* UnitChoice(QWidget* parent, const char* name, const QString& accessible,
                      const std::vector<const Unit*>& units) {
    std::vector<std::pair<QString, QString>> entries;
    for (const Unit* unit : units)
        entries.emplace_back(QString::fromUtf8(unit->name), QString::fromUtf8(unit->name));
    return Choice(parent, name, accessible, entries);
}

QString Shortest(double x) {
    return QString::fromStdString(ShortestText(x));
}

// The text typed in `edit`, turned into the engine's unit. A text that is not a number is
// handed on as it is, so that the engine refuses it naming the input.
std::string InBase(const QLineEdit* edit, const Unit& unit) {
    const std::string text = edit->text().trimmed().toStdString();
    if (!HoldsNumber(text)) return text;
    try {
        return ShortestText(unit.toBase(ToNumber(text)));
    } catch (const RuntimeError&) {
        return text;
    }
}

QTableWidget* Table(QWidget* parent, const char* name, const QString& accessible) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setAccessibleName(accessible);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return table;
}

QChartView* ChartView(QWidget* parent, const char* name, const QString& accessible) {
    auto* view = new QChartView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setAccessibleName(accessible);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(260);
    return view;
}

void Replace(QChartView& view, QChart* chart) {
    QChart* old = view.chart();
    view.setChart(chart);
    delete old; // the view does not own a chart it is given
}

} // namespace

DownrangeWindow::DownrangeWindow(FormReader readForm, StopNotifier notifyStop, QWidget* parent)
    : QWidget(parent, Qt::Window), readForm_(std::move(readForm)),
      notifyStop_(std::move(notifyStop)) {
    setObjectName(QStringLiteral("DownrangeWindow"));
    setWindowTitle(tr("Downrange - KESTA"));

    model_ = new QLabel(this);
    model_->setObjectName(QStringLiteral("DownrangeModel"));
    model_->setWordWrap(true);
    recalculate_ = new QPushButton(tr("&Recalculate"), this);
    recalculate_->setObjectName(QStringLiteral("DownrangeRecalculate"));
    recalculate_->setToolTip(tr("Work everything out again for the inputs here and in the "
                                "calculator"));
    connect(recalculate_, &QPushButton::clicked, this, &DownrangeWindow::Recalculate);

    distances_ = Table(this, "DownrangeDistances", tr("Speed, energy, momentum, time and path "
                                                      "every 5 yards"));
    reaction_ = Table(this, "DownrangeReaction", tr("Reaction distances with and without drag"));
    animals_ = Table(this, "DownrangeAnimals", tr("Each animal's ethical range"));
    energyChart_ = ChartView(this, "DownrangeEnergyChart", tr("Energy and momentum downrange"));
    pathChart_ = ChartView(this, "DownrangePathChart", tr("Path against the line of sight"));

    auto* charts = new QSplitter(Qt::Vertical, this);
    charts->addWidget(energyChart_);
    charts->addWidget(pathChart_);
    auto* distancePage = new QSplitter(Qt::Horizontal, this);
    distancePage->addWidget(distances_);
    distancePage->addWidget(charts);
    distancePage->setStretchFactor(0, 0); // the table as wide as its columns
    distancePage->setStretchFactor(1, 1);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("DownrangeTabs"));
    tabs_->addTab(distancePage, tr("&Distances"));
    tabs_->addTab(reaction_, tr("Reaction &time"));
    tabs_->addTab(animals_, tr("&Ethical range per animal"));

    auto* top = new QHBoxLayout;
    top->addWidget(BuildInputs(), 1);
    top->addWidget(recalculate_, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(model_);
    layout->addWidget(tabs_, 1);
    ShowInputs(inputs_);
    resize(1240, 900);
}

QWidget* DownrangeWindow::BuildInputs() {
    auto* box = new QGroupBox(tr("Arrow, air and sight"), this);
    shaftOd_ = Edit(box, "DownrangeShaftOD", tr("Shaft outside diameter"));
    shaftOdUnit_ = UnitChoice(box, "DownrangeShaftODUnit", tr("Unit of the shaft diameter"),
                              {&kInches, &kMillimetres});
    fletching_ = Choice(box, "DownrangeFletching", tr("Fletching"),
                        {{tr("large vanes or feathers"), QStringLiteral("large")},
                         {tr("small vanes"), QStringLiteral("small")}});
    head_ = Choice(box, "DownrangeHead", tr("Head"),
                   {{tr("fixed-blade broadhead"), QStringLiteral("fixed")},
                    {tr("mechanical broadhead"), QStringLiteral("mechanical")},
                    {tr("field point"), QStringLiteral("field")}});
    altitude_ = Edit(box, "DownrangeAltitude", tr("Altitude"));
    altitudeUnit_ =
        UnitChoice(box, "DownrangeAltitudeUnit", tr("Unit of the altitude"), {&kMetres, &kFeet});
    temperature_ = Edit(box, "DownrangeTemperature", tr("Air temperature"));
    temperatureUnit_ = UnitChoice(box, "DownrangeTemperatureUnit", tr("Unit of the temperature"),
                                  {&kCelsius, &kFahrenheit});
    zero_ = Edit(box, "DownrangeZero", tr("Sight-in distance (yards)"));
    maxDistance_ = Edit(box, "DownrangeMaxDistance", tr("Last distance shown (yards)"));
    chronoNear_ = Edit(box, "DownrangeChronoNear", tr("Near chronograph speed (fps)"));
    chronoNearYards_ = Edit(box, "DownrangeChronoNearYards", tr("Near chronograph distance"));
    chronoFar_ = Edit(box, "DownrangeChronoFar", tr("Far chronograph speed (fps)"));
    chronoFarYards_ = Edit(box, "DownrangeChronoFarYards", tr("Far chronograph distance"));

    auto* grid = new QGridLayout(box);
    auto label = [&](const QString& text, int row, int column) {
        grid->addWidget(new QLabel(text, box), row, column);
    };
    label(tr("Shaft OD"), 0, 0);
    grid->addWidget(shaftOd_, 0, 1);
    grid->addWidget(shaftOdUnit_, 0, 2);
    label(tr("Fletching"), 0, 3);
    grid->addWidget(fletching_, 0, 4);
    label(tr("Head"), 0, 5);
    grid->addWidget(head_, 0, 6);
    label(tr("Sighted in at (yd)"), 0, 7);
    grid->addWidget(zero_, 0, 8);
    label(tr("Altitude"), 1, 0);
    grid->addWidget(altitude_, 1, 1);
    grid->addWidget(altitudeUnit_, 1, 2);
    label(tr("Temperature"), 1, 3);
    auto* temperature = new QHBoxLayout;
    temperature->addWidget(temperature_);
    temperature->addWidget(temperatureUnit_);
    grid->addLayout(temperature, 1, 4);
    label(tr("Up to (yd)"), 1, 7);
    grid->addWidget(maxDistance_, 1, 8);
    auto* chrono = new QHBoxLayout;
    const std::vector<std::pair<QString, QLineEdit*>> chronoParts = {
        {tr("Chronograph (optional): near"), chronoNear_}, {tr("fps at"), chronoNearYards_},
        {tr("yd, far"), chronoFar_},                       {tr("fps at"), chronoFarYards_}};
    for (const auto& [text, edit] : chronoParts) {
        chrono->addWidget(new QLabel(text, box));
        chrono->addWidget(edit);
    }
    chrono->addWidget(new QLabel(tr("yd"), box));
    chrono->addStretch(1);
    grid->addLayout(chrono, 2, 0, 1, 10);
    grid->setColumnStretch(9, 1); // the inputs keep their width; the room is left at the end

    for (QLineEdit* edit : {shaftOd_, altitude_, temperature_, zero_, maxDistance_, chronoNear_,
                            chronoNearYards_, chronoFar_, chronoFarYards_}) {
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
            if (!edit->isModified()) return; // focus left without a change
            edit->setModified(false);
            Recalculate();
        });
    }
    for (QComboBox* choice : {fletching_, head_})
        connect(choice, &QComboBox::currentIndexChanged, this, [this] {
            if (!showing_) Recalculate();
        });
    // A new unit shows the same value in it: nothing to work out again.
    const std::vector<std::tuple<QLineEdit*, QComboBox*, std::vector<const Unit*>>> units = {
        {shaftOd_, shaftOdUnit_, {&kInches, &kMillimetres}},
        {altitude_, altitudeUnit_, {&kMetres, &kFeet}},
        {temperature_, temperatureUnit_, {&kCelsius, &kFahrenheit}}};
    for (const auto& [edit, unitBox, choices] : units) {
        auto previous = std::make_shared<int>(0);
        connect(unitBox, &QComboBox::currentIndexChanged, this,
                [edit = edit, choices = choices, previous](int now) {
                    const std::string text = edit->text().trimmed().toStdString();
                    const auto from = static_cast<std::size_t>(*previous);
                    *previous = now;
                    if (!HoldsNumber(text) || now < 0) return;
                    const double base = choices[from]->toBase(ToNumber(text));
                    const double shown = choices[static_cast<std::size_t>(now)]->fromBase(base);
                    edit->setText(QString::fromStdString(Rounded(shown, 4)));
                });
    }
    return box;
}

void DownrangeWindow::ShowInputs(const downrange::Inputs& in) {
    showing_ = true;
    shaftOdUnit_->setCurrentIndex(0);
    altitudeUnit_->setCurrentIndex(0);
    temperatureUnit_->setCurrentIndex(0);
    shaftOd_->setText(Shortest(in.shaftOdInches));
    fletching_->setCurrentIndex(
        fletching_->findData(QString::fromUtf8(downrange::FletchingWord(in.fletching))));
    head_->setCurrentIndex(head_->findData(QString::fromUtf8(downrange::HeadWord(in.head))));
    altitude_->setText(Shortest(in.altitudeM));
    temperature_->setText(Shortest(in.temperatureC));
    zero_->setText(Shortest(in.zeroYards));
    maxDistance_->setText(QString::number(in.maxDistance));
    const auto& c = in.chronograph;
    chronoNear_->setText(c ? Shortest(c->nearFps) : QString());
    chronoNearYards_->setText(c ? Shortest(c->nearYards) : QString());
    chronoFar_->setText(c ? Shortest(c->farFps) : QString());
    chronoFarYards_->setText(c ? Shortest(c->farYards) : QString());
    showing_ = false;
}

std::map<std::string, std::string> DownrangeWindow::InputTexts() const {
    namespace key = downrange::key;
    auto unit = [](const QComboBox* box, const Unit& base, const Unit& other) -> const Unit& {
        return box->currentIndex() == 1 ? other : base;
    };
    auto plain = [](const QLineEdit* edit) { return edit->text().trimmed().toStdString(); };
    return {
        {key::kShaftOD, InBase(shaftOd_, unit(shaftOdUnit_, kInches, kMillimetres))},
        {key::kFletching, fletching_->currentData().toString().toStdString()},
        {key::kHead, head_->currentData().toString().toStdString()},
        {key::kAltitude, InBase(altitude_, unit(altitudeUnit_, kMetres, kFeet))},
        {key::kTemperature, InBase(temperature_, unit(temperatureUnit_, kCelsius, kFahrenheit))},
        {key::kZero, plain(zero_)},
        {key::kMaxDistance, plain(maxDistance_)},
        {key::kChronoNear, plain(chronoNear_)},
        {key::kChronoNearYards, plain(chronoNearYards_)},
        {key::kChronoFar, plain(chronoFar_)},
        {key::kChronoFarYards, plain(chronoFarYards_)},
    };
}

void DownrangeWindow::Recalculate() {
    const FormState form = readForm_();
    const std::map<std::string, std::string> texts = InputTexts();
    downrange::Inputs inputs;
    downrange::DistanceTable table;
    downrange::Ranges ranges;
    try {
        inputs = downrange::InputsOfTexts(texts);
        table = downrange::DistanceTableOf(form, inputs);
        ranges = readAnimals_ ? downrange::RangesOf(form, inputs, readAnimals_())
                              : downrange::RangesOf(form, inputs);
    } catch (const RuntimeError& e) {
        notifyStop_(QString::fromUtf8(e.what()), e.place());
        return;
    }
    inputs_ = inputs;
    if (keepInputs_) keepInputs_(inputs_);
    model_->setText(QString::fromStdString(downrange::ModelText(inputs, table.model))
                        .replace(QLatin1Char('\n'), QLatin1Char(' ')));
    FillDistanceTable(*distances_, table);
    // Every column in view: the charts take the rest of the width.
    distances_->setMinimumWidth(distances_->horizontalHeader()->length() +
                                2 * distances_->frameWidth() +
                                distances_->verticalScrollBar()->sizeHint().width());
    FillReactionTable(*reaction_, table);
    FillAnimalTable(*animals_, ranges);
    Replace(*energyChart_, BuildEnergyChart(table));
    Replace(*pathChart_, BuildPathChart(table));
}

} // namespace kesta
