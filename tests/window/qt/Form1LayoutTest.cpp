// The window's controls against the layout tables, typed independently: kind, caption,
// container, place and size in twips, focus order, the report box and the opening size.
#include "WindowTestSupport.h"

#include <QComboBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionButton>

using namespace kesta;

namespace {

// container ("-": the window) | control | class | caption or text | left | top | width |
// height | tab. A QWidget is a plain, undecorated container.
const char* const kTable = R"(
- | txtReport | QPlainTextEdit | | 6240 | 0 | 12495 | 14535 | 56
- | Frame1 | QGroupBox | Arrow Speed | 480 | 150 | 3495 | 1305 | 0
- | doReport | QPushButton | Report | 4560 | 720 | 855 | 375 | 57
- | ChosenImperic | QRadioButton | Imperial | 4680 | 1200 | 855 | 375 | 58
- | Frame2 | QGroupBox | Total Arrow Mass | 480 | 1560 | 3495 | 855 | 4
- | ChosenMetric | QRadioButton | Metric | 4680 | 1560 | 855 | 375 | 59
- | Frame4 | QGroupBox | Arrow Shaft | 480 | 2520 | 3495 | 2655 | 25
- | doPrint | QPushButton | Print | 4560 | 2880 | 855 | 375 | 60
- | Frame3 | QGroupBox | Broadhead | 480 | 5280 | 5535 | 3735 | 8
- | Frame6 | QGroupBox | Accuracy | 480 | 9120 | 4695 | 1695 | 39
Frame1 | InArrowSpeed | QLineEdit | | 240 | 360 | 1335 | 375 | 3
Frame1 | ArrowSpeedFPS | QRadioButton | fps | 1680 | 360 | 615 | 375 | 2
Frame1 | ArrowSpeedM | QRadioButton | m/s | 2520 | 360 | 615 | 375 | 1
Frame1 | DrawWeigth | QLineEdit | | 1635 | 855 | 615 | 315 | 70
Frame1 | Label15 | QLabel | Draw weight | 360 | 900 | 960 | 270 | 72
Frame1 | Label14 | QLabel | lbs | 2415 | 915 | 510 | 225 | 71
Frame2 | InArrowMass | QLineEdit | | 240 | 360 | 1335 | 375 | 5
Frame2 | ArrowMassGr | QRadioButton | grain | 1680 | 480 | 855 | 255 | 6
Frame2 | ArrowMassGram | QRadioButton | gram | 2520 | 480 | 855 | 255 | 7
Frame4 | InArrowLength | QLineEdit | | 240 | 360 | 1335 | 375 | 28
Frame4 | ArrowLengthInInches | QRadioButton | inch | 1680 | 480 | 855 | 255 | 27
Frame4 | ArrowLengthInMM | QRadioButton | mm | 2520 | 480 | 855 | 255 | 26
Frame4 | StaticSpine | QLineEdit | | 1560 | 840 | 855 | 405 | 36
Frame4 | Label7 | QLabel | Static Spine | 570 | 885 | 855 | 195 | 34
Frame4 | GPI | QLineEdit | | 1560 | 1200 | 855 | 375 | 37
Frame4 | Label8 | QLabel | Shaft Weight | 510 | 1260 | 930 | 195 | 35
Frame4 | Label9 | QLabel | gpi | 2520 | 1320 | 615 | 255 | 38
Frame4 | ShaftDiameter | QComboBox | | 1080 | 1800 | 1815 | 315 | 62
Frame4 | Label3 | QLabel | Diameter | 285 | 1860 | 1215 | 255 | 61
Frame3 | Label6 | QLabel | Weight | 360 | 240 | 615 | 255 | 29
Frame3 | BroadheadWeight | QLineEdit | | 240 | 480 | 1215 | 375 | 30
Frame3 | Frame5 | QWidget | | 1800 | 480 | 1575 | 255 | 31
Frame3 | Label1 | QLabel | Blade height | 240 | 960 | 1335 | 375 | 10
Frame3 | Label2 | QLabel | Blade length | 1680 | 960 | 1215 | 255 | 22
Frame3 | InBroadhead_0 | QLineEdit | | 240 | 1320 | 1335 | 375 | 9
Frame3 | InBroadhead_1 | QLineEdit | | 1560 | 1320 | 1335 | 375 | 11
Frame3 | BroadheadInch | QRadioButton | inch | 3000 | 1320 | 735 | 375 | 24
Frame3 | InBroadhead_2 | QLineEdit | | 240 | 1680 | 1335 | 375 | 12
Frame3 | InBroadhead_3 | QLineEdit | | 1560 | 1680 | 1335 | 375 | 13
Frame3 | BroadheadMM | QRadioButton | mm | 3000 | 1800 | 735 | 255 | 23
Frame3 | InBroadhead_4 | QLineEdit | | 240 | 2040 | 1335 | 375 | 14
Frame3 | InBroadhead_5 | QLineEdit | | 1560 | 2040 | 1335 | 375 | 15
Frame3 | InBroadhead_6 | QLineEdit | | 240 | 2400 | 1335 | 375 | 16
Frame3 | InBroadhead_7 | QLineEdit | | 1560 | 2400 | 1335 | 375 | 17
Frame3 | Label4 | QLabel | Cutting Edge | 3000 | 2400 | 1215 | 255 | 64
Frame3 | inEdge | QLineEdit | 25 | 4080 | 2400 | 495 | 285 | 63
Frame3 | Label5_0 | QLabel | degrees | 4680 | 2400 | 615 | 255 | 65
Frame3 | InBroadhead_8 | QLineEdit | | 240 | 2760 | 1335 | 375 | 18
Frame3 | InBroadhead_9 | QLineEdit | | 1560 | 2760 | 1335 | 375 | 19
Frame3 | Label13 | QLabel | Tip Angle | 3240 | 2760 | 735 | 255 | 67
Frame3 | inTip | QLineEdit | 60 | 4080 | 2760 | 495 | 285 | 68
Frame3 | Label5_1 | QLabel | degrees | 4680 | 2760 | 615 | 255 | 69
Frame3 | InBroadhead_10 | QLineEdit | | 240 | 3120 | 1335 | 375 | 20
Frame3 | InBroadhead_11 | QLineEdit | | 1560 | 3120 | 1335 | 375 | 21
Frame3 | inCOC | QCheckBox | cut - on - contact tip | 3120 | 3120 | 1935 | 255 | 66
Frame5 | BroadheadweightGr | QRadioButton | grain | 0 | 0 | 855 | 255 | 33
Frame5 | BroadheadweightInG | QRadioButton | gram | 840 | 0 | 855 | 255 | 32
Frame6 | Frame7 | QWidget | | 2400 | 240 | 1815 | 495 | 43
Frame6 | Label10 | QLabel | Distance | 360 | 360 | 630 | 195 | 40
Frame6 | Distance | QLineEdit | | 1320 | 360 | 855 | 285 | 45
Frame6 | Label11 | QLabel | Grouping cumference | 360 | 720 | 930 | 435 | 41
Frame6 | Frame8 | QWidget | | 2400 | 720 | 1815 | 495 | 44
Frame6 | GroupingCirc | QLineEdit | | 1320 | 840 | 975 | 285 | 46
Frame6 | Safety_0 | QRadioButton | 0% | 1440 | 1200 | 615 | 375 | 51
Frame6 | Safety_1 | QRadioButton | 25% | 2040 | 1200 | 735 | 375 | 52
Frame6 | Safety_2 | QRadioButton | 50% | 2640 | 1200 | 615 | 375 | 53
Frame6 | Safety_3 | QRadioButton | 75% | 3240 | 1200 | 615 | 375 | 54
Frame6 | Safety_4 | QRadioButton | 100% | 3840 | 1200 | 735 | 375 | 55
Frame6 | Label12 | QLabel | Safety Factor | 360 | 1320 | 945 | 195 | 42
Frame7 | DistanceInyards | QRadioButton | Yards | 120 | 120 | 735 | 255 | 47
Frame7 | DistanceInM | QRadioButton | m | 1080 | 120 | 495 | 255 | 48
Frame8 | GroupingCircInI | QRadioButton | inch | 120 | 120 | 735 | 255 | 49
Frame8 | GroupingCircInMM | QRadioButton | mm | 1080 | 120 | 615 | 255 | 50
)";

struct Row {
    QString container, name, kind, caption;
    int left, top, width, height, tab;
};

std::vector<Row> Rows() {
    std::vector<Row> rows;
    for (const QString& line : QString::fromUtf8(kTable).split('\n', Qt::SkipEmptyParts)) {
        QStringList f = line.split('|');
        for (QString& field : f)
            field = field.trimmed();
        rows.push_back({f[0], f[1], f[2], f[3], f[4].toInt(), f[5].toInt(), f[6].toInt(),
                        f[7].toInt(), f[8].toInt()});
    }
    return rows;
}

// Labels and frames never take the focus; every other control does.
bool TakesFocus(const QString& cls) {
    return cls != "QLabel" && cls != "QGroupBox" && cls != "QWidget";
}

} // namespace

class Form1LayoutTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<test::Session> run_;

  private slots:
    void init() {
        QVERIFY(dir_.isValid());
        run_ = std::make_unique<test::Session>(dir_.filePath("layout.ini"));
        // It opens showing the whole report box, below the menu bar, where the screen allows.
        const QSize bar(0, run_->window().MenuBar().sizeHint().height());
        QVERIFY(bar.height() > 0);
        QCOMPARE(
            run_->window().size(),
            QSize(1249, 969).boundedTo(run_->window().screen()->availableGeometry().size() - bar) +
                bar);
    }
    void cleanup() { run_.reset(); }

    void everyControlInItsPlace() {
        Form1& window = run_->window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int bar = window.MenuBar().sizeHint().height();
        window.resize(1249, 969 + bar);
        // The form's controls hold their design places in the area below the menu bar.
        QCOMPARE(window.ClientArea().geometry(), QRect(0, bar, 1249, 969));
        QCOMPARE(window.windowTitle(), QString("KESTA Minimum Bowhunting Recommendations"));
        const auto rows = Rows();
        QCOMPARE(rows.size(), std::size_t(73));
        QStringList listed;
        for (const Row& row : rows) {
            auto* w = window.findChild<QWidget*>(row.name);
            QVERIFY2(w != nullptr, qPrintable(row.name));
            QCOMPARE(w->parentWidget() == &window.ClientArea() ? "-"
                                                               : w->parentWidget()->objectName(),
                     row.container);
            QVERIFY2(w->inherits(qPrintable(row.kind)) &&
                         (row.kind != "QWidget" || w->metaObject() == &QWidget::staticMetaObject),
                     qPrintable(row.name + " is not a " + row.kind));
            // Number boxes hold their loaded text; the others show the table's caption.
            const QString caption =
                w->property(w->inherits("QGroupBox") ? "title" : "text").toString();
            if (row.kind != "QLineEdit" || !row.caption.isEmpty()) QCOMPARE(caption, row.caption);
            QCOMPARE(w->geometry(),
                     QRect(row.left / 15, row.top / 15, row.width / 15, row.height / 15));
            listed << row.name;
            // Captions are not clipped, radio and check captions being drawn right of the
            // indicator; a push button's size hint has a style minimum, so only its text counts.
            QStyleOptionButton opt;
            opt.initFrom(w);
            opt.text = caption;
            const QStyle::SubElement contents = row.kind == "QCheckBox"
                                                    ? QStyle::SE_CheckBoxContents
                                                    : QStyle::SE_RadioButtonContents;
            const int room = row.kind == "QPushButton"
                                 ? w->width() - 8
                                 : w->style()->subElementRect(contents, &opt, w).width();
            if (w->inherits("QAbstractButton"))
                QVERIFY2(w->fontMetrics().horizontalAdvance(caption) <= room, qPrintable(row.name));
            if (row.kind == "QLabel") {
                // One pixel of descender may fall outside the smallest labels, as it did in
                // the original design.
                const QRect needed = w->fontMetrics().boundingRect(QRect(0, 0, w->width(), 1000),
                                                                   Qt::TextWordWrap, caption);
                QVERIFY2(needed.width() <= w->width() && needed.height() <= w->height() + 2,
                         qPrintable(row.name));
            }
        }
        // Nothing else takes input: every named control of the window is in the table, but
        // for the message area above the form and the form's scroll area on small screens.
        for (auto* w : window.findChildren<QWidget*>())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_") &&
                w != &window.MessageArea() && w != window.FormScroller())
                QVERIFY2(listed.contains(w->objectName()), qPrintable(w->objectName()));
    }

    void focusFollowsTheTabColumn() {
        auto rows = Rows();
        std::stable_sort(rows.begin(), rows.end(),
                         [](const Row& a, const Row& b) { return a.tab < b.tab; });
        // Read before the window is shown: once an option has the focus, Qt takes the Tab
        // focus from the other options of its group.
        QStringList expected;
        for (const Row& row : rows) {
            const bool takes = run_->control(qPrintable(row.name))->focusPolicy() & Qt::TabFocus;
            QVERIFY2(takes == TakesFocus(row.kind), qPrintable(row.name));
            if (takes) expected << row.name;
        }
        QStringList chain;
        QWidget* w = run_->control(qPrintable(expected.front()));
        for (int guard = 0; guard < 500 && chain.size() < expected.size(); ++guard) {
            if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty() &&
                !w->objectName().startsWith("qt_") && w->parentWidget() && w->isEnabled())
                chain << w->objectName();
            w = w->nextInFocusChain();
        }
        QCOMPARE(chain, expected);

        // The report box passes Tab on instead of typing it.
        run_->window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&run_->window()));
        run_->window().activateWindow();
        auto* report = run_->control<QPlainTextEdit>("txtReport");
        report->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), report);
        QTest::keyClick(report, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("doReport"));
        QCOMPARE(report->toPlainText(), QString());
    }

    void reportBoxListAndSizes() {
        auto* box = run_->control<QPlainTextEdit>("txtReport");
        QCOMPARE(box->font().family(), QString("Courier New"));
        QCOMPARE(box->font().pointSizeF(), 8.25);
        QVERIFY2(QFontInfo(box->font()).fixedPitch(), qPrintable(QFontInfo(box->font()).family()));
        QCOMPARE(box->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(!box->isReadOnly());

        auto* list = run_->control<QComboBox>("ShaftDiameter");
        QVERIFY(!list->isEditable());
        QStringList entries;
        for (int k = 0; k < list->count(); ++k)
            entries << list->itemText(k);
        QCOMPARE(entries, QStringList({"smaller than BH ferrule", "same sise as ferrule",
                                       "larger than ferrule"}));

        // The report box follows the window's edges; every other control keeps its place.
        run_->window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&run_->window()));
        const int bar = run_->window().MenuBar().sizeHint().height();
        run_->window().resize(1000, 740 + bar);
        QVERIFY(run_->window().FormScroller() == nullptr);
        QCOMPARE(box->geometry(), QRect(416, 0, 584, 740));
        // Lower than the form: the form scrolls at its design size instead of losing its
        // bottom, and the report box fills what the form's area leaves.
        run_->window().resize(900, 600);
        QScrollArea* scroller = run_->window().FormScroller();
        QVERIFY(scroller != nullptr);
        QCOMPARE(scroller->geometry(), QRect(0, bar, 900, 600 - bar));
        QCOMPARE(run_->window().ClientArea().height(), 733);
        QCOMPARE(box->geometry().bottom(), 732);
        QCOMPARE(box->geometry().right(), run_->window().ClientArea().width() - 1);
        QVERIFY(scroller->verticalScrollBar()->maximum() > 0);
        QCOMPARE(run_->control("doReport")->geometry(), QRect(304, 48, 57, 25));
        QCOMPARE(run_->control("Frame6")->geometry(), QRect(32, 608, 313, 113));
        // Large enough again, the form is back on the window as designed.
        run_->window().resize(1249, 969 + bar);
        QVERIFY(run_->window().FormScroller() == nullptr);
        QCOMPARE(run_->window().ClientArea().geometry(), QRect(0, bar, 1249, 969));
        QCOMPARE(Form1::OpeningSize(QSize(1280, 984), QSize(8, 30)), QSize(1249, 954));
        QCOMPARE(Form1::OpeningSize(QSize(800, 600), QSize(0, 0)), QSize(800, 600));
    }
};

QTEST_MAIN(Form1LayoutTest)
#include "Form1LayoutTest.moc"
