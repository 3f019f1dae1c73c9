// The Downrange window on the worked example: Tools > Downrange... opens it beside the
// calculator, its tables and charts hold the engine's figures, its unit choices convert, its
// inputs recalculate it, and an input that cannot be used gives a dialog naming it and keeps
// the last good figures.
#include "WindowTestSupport.h"

#include "downrange/Downrange.h"
#include "tools/NumberText.h"
#include "window/FormBinding.h"
#include "window/DownrangeWindow.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QValueAxis>

#include <set>

using namespace kesta;

namespace {

QString Cell(QTableWidget& table, int row, int column) {
    return table.item(row, column)->text();
}

int RowOf(QTableWidget& table, const QString& animal) {
    for (int row = 0; row < table.rowCount(); ++row)
        if (Cell(table, row, 0) == animal) return row;
    return -1;
}

} // namespace

class DownrangeWindowTest : public QObject {
    Q_OBJECT

    // A store of its own for each case: the window remembers its inputs there.
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<test::Session> run_;

    DownrangeWindow* Open() {
        for (QAction* a : run_->window().ToolsMenu().actions())
            if (a->text() == "&Downrange...") a->trigger();
        return run_->window().findChild<DownrangeWindow*>("DownrangeWindow");
    }

    template <typename W> W* Child(DownrangeWindow* w, const char* name) {
        W* child = w->findChild<W*>(QString::fromLatin1(name));
        if (child == nullptr) qFatal("no %s", name);
        return child;
    }

    // Types into one of the window's inputs and leaves it, as a user does.
    void Type(DownrangeWindow* w, const char* name, const QString& text) {
        QLineEdit* edit = Child<QLineEdit>(w, name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        run_ = std::make_unique<test::Session>(dir_->filePath("downrange.ini"));
        CopyFormToWidgets(test::ExampleForm(), run_->window());
        run_->window().show();
    }
    void cleanup() {
        run_.reset();
        dir_.reset();
    }

    void itOpensFromTheToolsMenuBesideTheCalculator() {
        DownrangeWindow* w = Open();
        QVERIFY(w != nullptr);
        QVERIFY(w->isVisible());
        QVERIFY(w->isWindow());
        QVERIFY(!w->isModal());
        QCOMPARE(Open(), w);
        QCOMPARE(w->Tabs().count(), 3);
        QVERIFY(run_->messages.empty());
    }

    void theDistanceTableIsTheEnginesEveryFiveYardsInBothUnits() {
        DownrangeWindow* w = Open();
        const downrange::DistanceTable expected =
            downrange::DistanceTableOf(test::ExampleForm(), {});
        QTableWidget& table = w->DistanceTable();
        QCOMPARE(table.rowCount(), 21); // 0, 5, ..., 100
        QCOMPARE(table.horizontalHeaderItem(3)->text(), QString("m/s"));
        QCOMPARE(Cell(table, 0, 0), QString("0"));
        QCOMPARE(Cell(table, 0, 2), QString("300.0"));
        QCOMPARE(Cell(table, 0, 4), QString("80.0"));  // ft·lb, as the report
        QCOMPARE(Cell(table, 0, 5), QString("108.4")); // J
        QCOMPARE(Cell(table, 4, 0), QString("20"));
        QCOMPARE(Cell(table, 4, 1), QString("18.3"));  // metres
        QCOMPARE(Cell(table, 4, 9), QString("0.0"));   // sighted in at 20 yards
        QCOMPARE(Cell(table, 20, 2),
                 QString::number(RoundHalfEven(expected.rows[100].speedFps, 1), 'f', 1));
        QCOMPARE(Cell(table, 20, 9),
                 QString::number(RoundHalfEven(expected.rows[100].pathInches, 1), 'f', 1));
        QVERIFY(w->findChild<QLabel*>("DownrangeModel")->text().startsWith("Flat fire, no wind."));
    }

    void theChartsDrawEveryYard() {
        DownrangeWindow* w = Open();
        const downrange::DistanceTable expected =
            downrange::DistanceTableOf(test::ExampleForm(), {});
        QChart* energy = w->EnergyChart().chart();
        QCOMPARE(energy->series().size(), 2);
        auto* ke = qobject_cast<QLineSeries*>(energy->series().at(0));
        auto* mom = qobject_cast<QLineSeries*>(energy->series().at(1));
        QCOMPARE(ke->count(), 101);
        QCOMPARE(ke->at(30), QPointF(30, expected.rows[30].energyFtLb));
        QCOMPARE(mom->at(30), QPointF(30, expected.rows[30].momentumSlugFtS));
        // Energy and momentum each on an axis of its own.
        QCOMPARE(ke->attachedAxes().at(1)->alignment(), Qt::AlignLeft);
        QCOMPARE(mom->attachedAxes().at(1)->alignment(), Qt::AlignRight);
        QChart* path = w->PathChart().chart();
        auto* sight = qobject_cast<QLineSeries*>(path->series().at(0));
        auto* arrow = qobject_cast<QLineSeries*>(path->series().at(1));
        QCOMPARE(sight->name(), QString("Line of sight, sighted in at 20 yards"));
        QCOMPARE(arrow->at(60), QPointF(60, expected.rows[60].pathInches));
    }

    void theReactionTableSetsTheSlowingArrowBesideTheReport() {
        QTableWidget& table = Open()->ReactionTable();
        QCOMPARE(table.rowCount(), 5);
        QCOMPARE(Cell(table, 3, 0), QString("0.30"));
        QCOMPARE(Cell(table, 3, 1), QString("41"));
        QCOMPARE(Cell(table, 3, 2), QString("38"));
    }

    void theAnimalTableSaysEveryVerdictInWordsAndSorts() {
        DownrangeWindow* w = Open();
        const downrange::Ranges expected = downrange::RangesOf(test::ExampleForm(), {});
        QTableWidget& table = w->AnimalTable();
        QCOMPARE(table.rowCount(), 48);
        std::set<QRgb> colours;
        for (const downrange::AnimalRange& r : expected.rows) {
            const int row = RowOf(table, QString::fromStdString(r.animal));
            QVERIFY(row >= 0);
            QCOMPARE(Cell(table, row, 3), QString(game::VerdictName(r.atBow)));
            colours.insert(table.item(row, 3)->background().color().rgb());
            QCOMPARE(Cell(table, row, 4),
                     r.sufficientTo ? QString::number(*r.sufficientTo) : QString("none"));
            QCOMPARE(Cell(table, row, 7),
                     r.ethical ? QString::number(*r.ethical) : QString("none"));
        }
        QCOMPARE(colours.size(), std::size_t(3));
        QCOMPARE(Cell(table, RowOf(table, "Impala female"), 4), QString("51"));
        QCOMPARE(Cell(table, RowOf(table, "Impala female"), 7), QString("36"));
        // Sorted by ethical range; "none" after every figure.
        table.sortByColumn(7, Qt::AscendingOrder);
        QCOMPARE(Cell(table, 0, 7), QString("36"));
        QCOMPARE(Cell(table, 47, 7), QString("none"));
        table.sortByColumn(5, Qt::AscendingOrder); // marginal to: Kudu male and Zebra first
        QCOMPARE(Cell(table, 0, 5), QString("39"));
        QCOMPARE(Cell(table, 2, 5), QString("64"));
    }

    void itsInputsRecalculateItAndItsUnitsConvert() {
        DownrangeWindow* w = Open();
        Type(w, "DownrangeMaxDistance", "40");
        QCOMPARE(w->DistanceTable().rowCount(), 9);
        QCOMPARE(w->Inputs().maxDistance, 40);
        Child<QComboBox>(w, "DownrangeHead")->setCurrentIndex(2); // field point
        QCOMPARE(w->Inputs().head, downrange::Head::Field);
        // Millimetres: the same shaft shown in them, and the figures unchanged.
        const QString speedAt40 = Cell(w->DistanceTable(), 8, 2);
        Child<QComboBox>(w, "DownrangeShaftODUnit")->setCurrentIndex(1);
        QCOMPARE(Child<QLineEdit>(w, "DownrangeShaftOD")->text(), QString("7.62"));
        QTest::mouseClick(Child<QPushButton>(w, "DownrangeRecalculate"), Qt::LeftButton);
        QCOMPARE(Cell(w->DistanceTable(), 8, 2), speedAt40);
        // 212 °F is 100 °C.
        Type(w, "DownrangeTemperature", "212");
        Child<QComboBox>(w, "DownrangeTemperatureUnit")->setCurrentIndex(1);
        Type(w, "DownrangeTemperature", "212");
        QCOMPARE(w->Inputs().temperatureC, 100);
        // 1000 ft is 304.8 m.
        Child<QComboBox>(w, "DownrangeAltitudeUnit")->setCurrentIndex(1);
        Type(w, "DownrangeAltitude", "1000");
        QCOMPARE(w->Inputs().altitudeM, 304.8);
        // The calculator's inputs are read again on Recalculate.
        run_->control<QLineEdit>("InArrowSpeed")->setText("250");
        QTest::mouseClick(Child<QPushButton>(w, "DownrangeRecalculate"), Qt::LeftButton);
        QCOMPARE(Cell(w->DistanceTable(), 0, 2), QString("250.0"));
        QVERIFY(run_->messages.empty());
    }

    void anInputThatCannotBeUsedIsNamedAndTheLastFiguresStay() {
        DownrangeWindow* w = Open();
        const QString before = Cell(w->DistanceTable(), 20, 2);
        Type(w, "DownrangeShaftOD", "0");
        QCOMPARE(run_->messages.size(), std::size_t(1));
        QCOMPARE(run_->messages[0].icon, QMessageBox::Critical);
        QVERIFY(run_->messages[0].text.startsWith("The downrange figures stopped: "));
        QVERIFY(run_->messages[0].text.endsWith("\nWhere: input ShaftOD"));
        QCOMPARE(Cell(w->DistanceTable(), 20, 2), before);
        QCOMPARE(w->Inputs().shaftOdInches, 0.3); // the last good value is kept
        Type(w, "DownrangeChronoNear", "290"); // the other three are missing
        QCOMPARE(run_->messages.size(), std::size_t(2));
        QVERIFY(run_->messages[1].text.endsWith("\nWhere: input ShaftOD")); // still 0
        Type(w, "DownrangeShaftOD", "0.3");
        QCOMPARE(run_->messages.size(), std::size_t(3));
        QVERIFY(run_->messages[2].text.endsWith("\nWhere: input ChronoNearYards"));
        // The report's own inputs stop it with the report's error and place.
        Child<QLineEdit>(w, "DownrangeChronoNear")->clear();
        run_->control<QLineEdit>("InArrowMass")->setText("1e999");
        QTest::mouseClick(Child<QPushButton>(w, "DownrangeRecalculate"), Qt::LeftButton);
        QCOMPARE(run_->messages.size(), std::size_t(4));
        QCOMPARE(run_->messages[3].text,
                 QString("The downrange figures stopped: Overflow.\nWhere: input InArrowMass"));
    }

    void itsInputsAreRememberedAndARefusedOneNeverReplacesAGoodOne() {
        DownrangeWindow* w = Open();
        Type(w, "DownrangeZero", "30");
        Child<QComboBox>(w, "DownrangeFletching")->setCurrentIndex(1); // small vanes
        Type(w, "DownrangeMaxDistance", "500");                      // refused
        QCOMPARE(run_->messages.size(), std::size_t(1));
        run_->Close();
        QSettings saved(dir_->filePath("downrange.ini"), QSettings::IniFormat);
        QCOMPARE(saved.value("downrange/Zero").toString(), QString("30"));
        QCOMPARE(saved.value("downrange/Fletching").toString(), QString("small"));
        QCOMPARE(saved.value("downrange/MaxDistance").toString(), QString("100"));
        QVERIFY(!saved.contains("values/Zero"));
        // The next run shows them again.
        run_ = std::make_unique<test::Session>(dir_->filePath("downrange.ini"));
        run_->window().show();
        DownrangeWindow* next = Open();
        QCOMPARE(Child<QLineEdit>(next, "DownrangeZero")->text(), QString("30"));
        QCOMPARE(next->Inputs().fletching, downrange::Fletching::Small);
        QCOMPARE(next->DistanceTable().rowCount(), 21);
    }
};

QTEST_MAIN(DownrangeWindowTest)
#include "DownrangeWindowTest.moc"
