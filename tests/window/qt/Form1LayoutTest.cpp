// The window's controls against the layout tables: kind, caption, container, place and size,
// focus order, the report box's font and behaviour, and the opening size.
#include "WindowTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

using namespace kesta;

namespace {

// Typed from the layout tables: container | control | kind | caption or text | left | top |
// width | height | tab. "-" is the window itself.
const char* const kTable = R"(
- | txtReport | report | | 6240 | 0 | 12495 | 14535 | 56
- | Frame1 | frame | Arrow Speed | 480 | 150 | 3495 | 1305 | 0
- | doReport | button | Report | 4560 | 720 | 855 | 375 | 57
- | ChosenImperic | option | Imperial | 4680 | 1200 | 855 | 375 | 58
- | Frame2 | frame | Total Arrow Mass | 480 | 1560 | 3495 | 855 | 4
- | ChosenMetric | option | Metric | 4680 | 1560 | 855 | 375 | 59
- | Frame4 | frame | Arrow Shaft | 480 | 2520 | 3495 | 2655 | 25
- | doPrint | button | Print | 4560 | 2880 | 855 | 375 | 60
- | Frame3 | frame | Broadhead | 480 | 5280 | 5535 | 3735 | 8
- | Frame6 | frame | Accuracy | 480 | 9120 | 4695 | 1695 | 39
Frame1 | InArrowSpeed | text | | 240 | 360 | 1335 | 375 | 3
Frame1 | ArrowSpeedFPS | option | fps | 1680 | 360 | 615 | 375 | 2
Frame1 | ArrowSpeedM | option | m/s | 2520 | 360 | 615 | 375 | 1
Frame1 | DrawWeigth | text | | 1635 | 855 | 615 | 315 | 70
Frame1 | Label15 | label | Draw weight | 360 | 900 | 960 | 270 | 72
Frame1 | Label14 | label | lbs | 2415 | 915 | 510 | 225 | 71
Frame2 | InArrowMass | text | | 240 | 360 | 1335 | 375 | 5
Frame2 | ArrowMassGr | option | grain | 1680 | 480 | 855 | 255 | 6
Frame2 | ArrowMassGram | option | gram | 2520 | 480 | 855 | 255 | 7
Frame4 | InArrowLength | text | | 240 | 360 | 1335 | 375 | 28
Frame4 | ArrowLengthInInches | option | inch | 1680 | 480 | 855 | 255 | 27
Frame4 | ArrowLengthInMM | option | mm | 2520 | 480 | 855 | 255 | 26
Frame4 | StaticSpine | text | | 1560 | 840 | 855 | 405 | 36
Frame4 | Label7 | label | Static Spine | 570 | 885 | 855 | 195 | 34
Frame4 | GPI | text | | 1560 | 1200 | 855 | 375 | 37
Frame4 | Label8 | label | Shaft Weight | 510 | 1260 | 930 | 195 | 35
Frame4 | Label9 | label | gpi | 2520 | 1320 | 615 | 255 | 38
Frame4 | ShaftDiameter | list | | 1080 | 1800 | 1815 | 315 | 62
Frame4 | Label3 | label | Diameter | 285 | 1860 | 1215 | 255 | 61
Frame3 | Label6 | label | Weight | 360 | 240 | 615 | 255 | 29
Frame3 | BroadheadWeight | text | | 240 | 480 | 1215 | 375 | 30
Frame3 | Frame5 | borderless | | 1800 | 480 | 1575 | 255 | 31
Frame3 | Label1 | label | Blade height | 240 | 960 | 1335 | 375 | 10
Frame3 | Label2 | label | Blade length | 1680 | 960 | 1215 | 255 | 22
Frame3 | InBroadhead_0 | text | | 240 | 1320 | 1335 | 375 | 9
Frame3 | InBroadhead_1 | text | | 1560 | 1320 | 1335 | 375 | 11
Frame3 | BroadheadInch | option | inch | 3000 | 1320 | 735 | 375 | 24
Frame3 | InBroadhead_2 | text | | 240 | 1680 | 1335 | 375 | 12
Frame3 | InBroadhead_3 | text | | 1560 | 1680 | 1335 | 375 | 13
Frame3 | BroadheadMM | option | mm | 3000 | 1800 | 735 | 255 | 23
Frame3 | InBroadhead_4 | text | | 240 | 2040 | 1335 | 375 | 14
Frame3 | InBroadhead_5 | text | | 1560 | 2040 | 1335 | 375 | 15
Frame3 | InBroadhead_6 | text | | 240 | 2400 | 1335 | 375 | 16
Frame3 | InBroadhead_7 | text | | 1560 | 2400 | 1335 | 375 | 17
Frame3 | Label4 | label | Cutting Edge | 3000 | 2400 | 1215 | 255 | 64
Frame3 | inEdge | text | 25 | 4080 | 2400 | 495 | 285 | 63
Frame3 | Label5_0 | label | degrees | 4680 | 2400 | 615 | 255 | 65
Frame3 | InBroadhead_8 | text | | 240 | 2760 | 1335 | 375 | 18
Frame3 | InBroadhead_9 | text | | 1560 | 2760 | 1335 | 375 | 19
Frame3 | Label13 | label | Tip Angle | 3240 | 2760 | 735 | 255 | 67
Frame3 | inTip | text | 60 | 4080 | 2760 | 495 | 285 | 68
Frame3 | Label5_1 | label | degrees | 4680 | 2760 | 615 | 255 | 69
Frame3 | InBroadhead_10 | text | | 240 | 3120 | 1335 | 375 | 20
Frame3 | InBroadhead_11 | text | | 1560 | 3120 | 1335 | 375 | 21
Frame3 | inCOC | check | cut - on - contact tip | 3120 | 3120 | 1935 | 255 | 66
Frame5 | BroadheadweightGr | option | grain | 0 | 0 | 855 | 255 | 33
Frame5 | BroadheadweightInG | option | gram | 840 | 0 | 855 | 255 | 32
Frame6 | Frame7 | borderless | | 2400 | 240 | 1815 | 495 | 43
Frame6 | Label10 | label | Distance | 360 | 360 | 630 | 195 | 40
Frame6 | Distance | text | | 1320 | 360 | 855 | 285 | 45
Frame6 | Label11 | label | Grouping cumference | 360 | 720 | 930 | 435 | 41
Frame6 | Frame8 | borderless | | 2400 | 720 | 1815 | 495 | 44
Frame6 | GroupingCirc | text | | 1320 | 840 | 975 | 285 | 46
Frame6 | Safety_0 | option | 0% | 1440 | 1200 | 615 | 375 | 51
Frame6 | Safety_1 | option | 25% | 2040 | 1200 | 735 | 375 | 52
Frame6 | Safety_2 | option | 50% | 2640 | 1200 | 615 | 375 | 53
Frame6 | Safety_3 | option | 75% | 3240 | 1200 | 615 | 375 | 54
Frame6 | Safety_4 | option | 100% | 3840 | 1200 | 735 | 375 | 55
Frame6 | Label12 | label | Safety Factor | 360 | 1320 | 945 | 195 | 42
Frame7 | DistanceInyards | option | Yards | 120 | 120 | 735 | 255 | 47
Frame7 | DistanceInM | option | m | 1080 | 120 | 495 | 255 | 48
Frame8 | GroupingCircInI | option | inch | 120 | 120 | 735 | 255 | 49
Frame8 | GroupingCircInMM | option | mm | 1080 | 120 | 615 | 255 | 50
)";

struct Row {
    QString container, name, kind, caption;
    int left, top, width, height, tab;
};

std::vector<Row> Rows() {
    std::vector<Row> rows;
    for (const QString& line : QString::fromUtf8(kTable).split('\n', Qt::SkipEmptyParts)) {
        const QStringList f = line.split('|');
        rows.push_back({f[0].trimmed(), f[1].trimmed(), f[2].trimmed(), f[3].trimmed(),
                        f[4].trimmed().toInt(), f[5].trimmed().toInt(), f[6].trimmed().toInt(),
                        f[7].trimmed().toInt(), f[8].trimmed().toInt()});
    }
    return rows;
}

bool TakesFocus(const QString& kind) {
    return kind != "label" && kind != "frame" && kind != "borderless";
}

QString CaptionOf(QWidget* w) {
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    return QString();
}

bool IsKind(QWidget* w, const QString& kind) {
    if (kind == "report") return qobject_cast<QPlainTextEdit*>(w) != nullptr;
    if (kind == "frame") return qobject_cast<QGroupBox*>(w) != nullptr;
    if (kind == "borderless")
        return w->metaObject() == &QWidget::staticMetaObject; // a plain, undecorated container
    if (kind == "label") return qobject_cast<QLabel*>(w) != nullptr;
    if (kind == "text") return qobject_cast<QLineEdit*>(w) != nullptr;
    if (kind == "option") return qobject_cast<QRadioButton*>(w) != nullptr;
    if (kind == "check") return qobject_cast<QCheckBox*>(w) != nullptr;
    if (kind == "list") return qobject_cast<QComboBox*>(w) != nullptr;
    if (kind == "button") return qobject_cast<QPushButton*>(w) != nullptr;
    return false;
}

} // namespace

class Form1LayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QVERIFY(dir_.isValid());
        session_ = std::make_unique<test::Session>(dir_.filePath("layout.ini"));
    }
    void cleanup() { session_.reset(); }

    void captionAndEveryControlInItsPlace() {
        Form1& window = session_->window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(18735 / 15, 14535 / 15);
        QCOMPARE(window.windowTitle(), QString("KESTA Minimum Bowhunting Recommendations"));
        const auto rows = Rows();
        QCOMPARE(rows.size(), std::size_t(73));
        for (const Row& row : rows) {
            auto* w = window.findChild<QWidget*>(row.name);
            QVERIFY2(w != nullptr, qPrintable(row.name));
            const QString container =
                w->parentWidget() == &window ? QString("-") : w->parentWidget()->objectName();
            QCOMPARE(container, row.container);
            QVERIFY2(IsKind(w, row.kind), qPrintable(row.name + " is not a " + row.kind));
            // Number boxes hold their loaded text; the others show the table's caption.
            if (row.kind != "text" || !row.caption.isEmpty()) QCOMPARE(CaptionOf(w), row.caption);
            QCOMPARE(w->geometry(),
                     QRect(row.left / 15, row.top / 15, row.width / 15, row.height / 15));
        }
        // Nothing else takes input: every named control of the window is in the table.
        for (auto* w : window.findChildren<QWidget*>()) {
            if (w->objectName().isEmpty() || w->objectName().startsWith("qt_")) continue;
            const bool listed = std::any_of(
                rows.begin(), rows.end(), [&](const Row& r) { return r.name == w->objectName(); });
            QVERIFY2(listed, qPrintable(w->objectName()));
        }
    }

    void focusFollowsTheTabColumn() {
        auto rows = Rows();
        std::stable_sort(rows.begin(), rows.end(),
                         [](const Row& a, const Row& b) { return a.tab < b.tab; });
        QStringList expected;
        for (const Row& row : rows)
            if (TakesFocus(row.kind)) expected << row.name;

        Form1& window = session_->window();
        QStringList chain;
        QWidget* w = window.findChild<QWidget*>(expected.front());
        for (int guard = 0; guard < 500 && chain.size() < expected.size(); ++guard) {
            if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty() &&
                !w->objectName().startsWith("qt_") && w->parentWidget() != nullptr &&
                w->isEnabled())
                chain << w->objectName();
            w = w->nextInFocusChain();
        }
        QCOMPARE(chain, expected);
        // Labels and frames never take the focus.
        for (const Row& row : rows)
            if (!TakesFocus(row.kind))
                QVERIFY2(!(window.findChild<QWidget*>(row.name)->focusPolicy() & Qt::TabFocus),
                         qPrintable(row.name));
    }

    void tabKeyWalksTheControls() {
        Form1& window = session_->window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        auto* speed = session_->control<QLineEdit>("InArrowSpeed");
        speed->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), speed);
        QTest::keyClick(speed, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("InArrowMass"));
        // The report box passes Tab on instead of typing it.
        auto* report = session_->control<QPlainTextEdit>("txtReport");
        report->setFocus();
        QTest::keyClick(report, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("doReport"));
        QCOMPARE(report->toPlainText(), QString());
    }

    void reportBoxIsAnUnwrappedFixedPitchEditor() {
        auto* box = session_->control<QPlainTextEdit>("txtReport");
        QCOMPARE(box->font().family(), QString("Courier New"));
        QCOMPARE(box->font().pointSizeF(), 8.25);
        QVERIFY(!box->font().bold() && !box->font().italic() && !box->font().underline() &&
                !box->font().strikeOut());
        const QFontInfo resolved(box->font());
        QVERIFY2(resolved.fixedPitch(), qPrintable(resolved.family()));
        QCOMPARE(box->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(!box->isReadOnly());
        QCOMPARE(box->toPlainText(), QString());

        // A long line stays one line, reachable with the horizontal scroll bar.
        Form1& window = session_->window();
        window.resize(1249, 969);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        box->setPlainText(QString(400, 'x') + "\nend");
        QCOMPARE(box->document()->lineCount(), 2);
        QVERIFY(box->horizontalScrollBar()->maximum() > 0);
    }

    void listOffersExactlyItsThreeEntries() {
        auto* list = session_->control<QComboBox>("ShaftDiameter");
        QVERIFY(!list->isEditable());
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->itemText(0), QString("smaller than BH ferrule"));
        QCOMPARE(list->itemText(1), QString("same sise as ferrule"));
        QCOMPARE(list->itemText(2), QString("larger than ferrule"));
        list->setFocus();
        QTest::keyClicks(list, "zz");
        QCOMPARE(list->count(), 3);
    }

    void captionsFitTheirBoxes() {
        // The captions must not be clipped by the fixed control sizes.
        for (const Row& row : Rows()) {
            QWidget* w = session_->window().findChild<QWidget*>(row.name);
            if (auto* label = qobject_cast<QLabel*>(w)) {
                const QFontMetrics fm(label->font());
                const QRect needed =
                    fm.boundingRect(QRect(0, 0, label->width(), 1000),
                                    Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, label->text());
                QVERIFY2(needed.width() <= label->width(), qPrintable(row.name));
                // One pixel of descender may fall outside the smallest labels, as it did in
                // the original design.
                QVERIFY2(needed.height() <= label->height() + 2,
                         qPrintable(row.name + QString(" needs %1 px").arg(needed.height())));
            } else if (auto* button = qobject_cast<QPushButton*>(w)) {
                // A push button's size hint has a style minimum; the caption is what matters.
                const int needed = button->fontMetrics().horizontalAdvance(button->text()) + 8;
                QVERIFY2(needed <= button->width(), qPrintable(row.name));
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                // The caption is drawn right of the indicator, in the style's contents rect.
                QStyleOptionButton opt;
                opt.initFrom(button);
                opt.text = button->text();
                const bool isCheck = qobject_cast<QCheckBox*>(w) != nullptr;
                const QRect contents = button->style()->subElementRect(
                    isCheck ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &opt,
                    button);
                const int needed = button->fontMetrics().horizontalAdvance(button->text());
                QVERIFY2(
                    needed <= contents.width(),
                    qPrintable(row.name +
                               QString(" needs %1 px of %2").arg(needed).arg(contents.width())));
            }
        }
    }

    void reportBoxFollowsTheWindowEdges() {
        Form1& window = session_->window();
        auto* box = session_->control<QPlainTextEdit>("txtReport");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(1249, 969);
        QCOMPARE(box->geometry(), QRect(416, 0, 833, 969));
        window.resize(900, 600);
        QCOMPARE(box->geometry(), QRect(416, 0, 484, 600));
        // Every other control keeps its place.
        QCOMPARE(session_->control<QPushButton>("doReport")->geometry(), QRect(304, 48, 57, 25));
        QCOMPARE(session_->control<QWidget>("Frame6")->geometry(), QRect(32, 608, 313, 113));
    }

    void opensShowingTheWholeReportBoxWhereTheScreenAllows() {
        QCOMPARE(Form1::OpeningSize(QSize(1920, 1040), QSize(0, 0)), QSize(1249, 969));
        QCOMPARE(Form1::OpeningSize(QSize(1920, 1040), QSize(8, 30)), QSize(1249, 969));
        QCOMPARE(Form1::OpeningSize(QSize(1280, 984), QSize(8, 30)), QSize(1249, 954));
        QCOMPARE(Form1::OpeningSize(QSize(800, 600), QSize(0, 0)), QSize(800, 600));
        // The window built on this screen opens at the size the screen allows.
        Form1& window = session_->window();
        const QSize available = window.screen()->availableGeometry().size();
        QCOMPARE(window.size(), QSize(1249, 969).boundedTo(available));
    }

  private:
    QTemporaryDir dir_;
    std::unique_ptr<test::Session> session_;
};

QTEST_MAIN(Form1LayoutTest)
#include "Form1LayoutTest.moc"
