// The window's layout by what must hold of it rather than by a copy of its table: every control
// inside its container, nothing drawn over anything else, captions not clipped, the focus order
// of the layout's tab column, plus a few places pinned in pixels and the report box's font,
// list entries and resizing.
#include "WindowTestSupport.h"

#include "window/Form1Layout.h"

#include <QComboBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionButton>

using namespace kesta;

namespace {

// The window's own controls: named, and not Qt's inner parts, nor the message area above the
// form and the scroll area that holds the form on small screens.
QList<QWidget*> Controls(QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* w : window.findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_") &&
            w->objectName() != "ClientArea" && w->objectName() != "InputMessages" &&
            w->objectName() != "FormScroller" && !w->inherits("QMenuBar") && !w->inherits("QMenu"))
            controls << w;
    return controls;
}

// A plain, undecorated container (it only groups a pair of option buttons).
bool IsPlainContainer(const QWidget* w) {
    return w->metaObject() == &QWidget::staticMetaObject;
}

QString Caption(const QWidget* w) {
    return w->property(w->inherits("QGroupBox") ? "title" : "text").toString();
}

// The part of a control that is drawn and must not be covered: a label's text where its
// alignment puts it, an option's indicator and caption, a text box's line of text, the whole
// of any other control. In the coordinates of `area`.
QRect DrawnPart(QWidget* w, QWidget* area) {
    QRect part = w->rect();
    if (auto* label = qobject_cast<QLabel*>(w)) {
        part = label->fontMetrics().boundingRect(label->contentsRect(),
                                                 int(label->alignment()) |
                                                     (label->wordWrap() ? Qt::TextWordWrap : 0),
                                                 label->text());
    } else if (w->inherits("QRadioButton") || w->inherits("QCheckBox")) {
        QStyleOptionButton opt;
        opt.initFrom(w);
        opt.text = Caption(w);
        const bool check = w->inherits("QCheckBox");
        const QRect indicator = w->style()->subElementRect(
            check ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator, &opt, w);
        const QRect contents = w->style()->subElementRect(
            check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &opt, w);
        const QRect text = QStyle::alignedRect(
            Qt::LeftToRight, Qt::AlignLeft | Qt::AlignVCenter,
            QSize(w->fontMetrics().horizontalAdvance(opt.text), w->fontMetrics().height()),
            contents);
        part = indicator.united(text) & w->rect();
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
        const QRect contents = edit->rect().adjusted(frame, frame, -frame, -frame);
        part = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignVCenter,
                                   QSize(contents.width(), edit->fontMetrics().height()), contents);
    }
    return QRect(w->mapTo(area, part.topLeft()), part.size());
}

// Whether `outer` holds `inner` somewhere among its descendants.
bool Holds(const QWidget* outer, const QWidget* inner) {
    for (const QWidget* p = inner->parentWidget(); p != nullptr; p = p->parentWidget())
        if (p == outer) return true;
    return false;
}

} // namespace

class Form1LayoutTest : public QObject {
    Q_OBJECT

    kesta::test::TempFolder dir_;
    std::unique_ptr<test::Session> run_;

  private slots:
    void init() {
        run_ = std::make_unique<test::Session>(dir_.Path("layout.ini"));
        // It opens showing the whole report box, below the menu bar, where the screen allows.
        const QSize bar(0, run_->window().MenuBar().sizeHint().height());
        QVERIFY(bar.height() > 0);
        QCOMPARE(
            run_->window().size(),
            QSize(1249, 969).boundedTo(run_->window().screen()->availableGeometry().size() - bar) +
                bar);
    }
    void cleanup() { run_.reset(); }

    void everyControlInsideItsContainerAndNothingCovered() {
        Form1& window = run_->window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int bar = window.MenuBar().sizeHint().height();
        window.resize(1249, 969 + bar);
        // The form's controls hold their design places in the area below the menu bar.
        QCOMPARE(window.ClientArea().geometry(), QRect(0, bar, 1249, 969));
        QCOMPARE(window.windowTitle(), QString("KESTA Minimum Bowhunting Recommendations"));

        // Exactly the layout's controls, each drawn inside its container (an option's box may
        // reach past a borderless pair's edge, as in the design, but not its caption).
        const QList<QWidget*> controls = Controls(window);
        QStringList names, listed;
        for (QWidget* w : controls) {
            names << w->objectName();
            QVERIFY2(w->parentWidget()->rect().contains(DrawnPart(w, w->parentWidget())),
                     qPrintable(w->objectName() + " sticks out of its container"));
        }
        for (const ControlSpec& c : Form1Controls())
            listed << QString::fromLatin1(c.name);
        names.sort();
        listed.sort();
        QCOMPARE(names, listed);

        // What is drawn of one control covers nothing drawn of another, but for a control
        // and the frames around it.
        QWidget* area = &window.ClientArea();
        for (int i = 0; i < controls.size(); ++i)
            for (int j = i + 1; j < controls.size(); ++j) {
                QWidget* one = controls[i];
                QWidget* other = controls[j];
                if (IsPlainContainer(one) || IsPlainContainer(other) || Holds(one, other) ||
                    Holds(other, one))
                    continue;
                const QRect shared = DrawnPart(one, area) & DrawnPart(other, area);
                QVERIFY2(shared.isEmpty(), qPrintable(one->objectName() + " and " +
                                                      other->objectName() + " overlap"));
            }

        // A few places in pixels (15 twips each), on the window and inside frames.
        const std::pair<const char*, QRect> pinned[] = {
            {"txtReport", QRect(416, 0, 833, 969)},   {"Frame1", QRect(32, 10, 233, 87)},
            {"InArrowSpeed", QRect(16, 24, 89, 25)},  {"Frame3", QRect(32, 352, 369, 249)},
            {"inCOC", QRect(208, 208, 129, 17)},      {"BroadheadweightInG", QRect(56, 0, 57, 17)},
            {"Safety_4", QRect(256, 80, 49, 25)},     {"GroupingCircInMM", QRect(72, 8, 41, 17)},
        };
        for (const auto& [name, place] : pinned)
            QCOMPARE(run_->control(name)->geometry(), place);
    }

    void captionsAreNotClipped() {
        Form1& window = run_->window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (QWidget* w : Controls(window)) {
            const QString caption = Caption(w);
            // Radio and check captions are drawn right of the indicator; a push button's size
            // hint has a style minimum, so only its text counts.
            if (w->inherits("QAbstractButton")) {
                QStyleOptionButton opt;
                opt.initFrom(w);
                opt.text = caption;
                const QStyle::SubElement contents = w->inherits("QCheckBox")
                                                        ? QStyle::SE_CheckBoxContents
                                                        : QStyle::SE_RadioButtonContents;
                const int room = w->inherits("QPushButton")
                                     ? w->width() - 8
                                     : w->style()->subElementRect(contents, &opt, w).width();
                QVERIFY2(w->fontMetrics().horizontalAdvance(caption) <= room,
                         qPrintable(w->objectName()));
            }
            if (w->inherits("QGroupBox"))
                QVERIFY2(w->fontMetrics().horizontalAdvance(caption) + 16 <= w->width(),
                         qPrintable(w->objectName()));
            if (w->inherits("QLabel")) {
                // One pixel of descender may fall outside the smallest labels, as it did in
                // the original design.
                const QRect needed = w->fontMetrics().boundingRect(QRect(0, 0, w->width(), 1000),
                                                                   Qt::TextWordWrap, caption);
                QVERIFY2(needed.width() <= w->width() && needed.height() <= w->height() + 2,
                         qPrintable(w->objectName()));
            }
        }
    }

    void focusFollowsTheTabColumn() {
        std::vector<ControlSpec> rows = Form1Controls();
        std::stable_sort(rows.begin(), rows.end(),
                         [](const ControlSpec& a, const ControlSpec& b) { return a.tab < b.tab; });
        // Read before the window is shown: once an option has the focus, Qt takes the Tab
        // focus from the other options of its group. Labels and frames never take the focus;
        // every other control does.
        QStringList expected;
        for (const ControlSpec& row : rows) {
            QWidget* w = run_->control(row.name);
            const bool takes = w->focusPolicy() & Qt::TabFocus;
            const bool holder = w->inherits("QLabel") || w->inherits("QGroupBox") ||
                                IsPlainContainer(w);
            QVERIFY2(takes != holder, row.name);
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
        // The order starts with the speed's unit options, then its box, as designed, and ends
        // with the draw weight.
        QCOMPARE(chain.mid(0, 5), QStringList({"ArrowSpeedM", "ArrowSpeedFPS", "InArrowSpeed",
                                               "InArrowMass", "ArrowMassGr"}));
        QCOMPARE(chain.back(), QString("DrawWeigth"));
        QCOMPARE(chain.size(), 49);

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
