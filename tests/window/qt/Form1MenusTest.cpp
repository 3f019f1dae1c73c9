// The menus, shortcuts and screen-reader names of the window: the keys a user presses reach
// the same actions as the buttons, and every control a screen reader lands on has a name of
// its own.
#include "WindowTestSupport.h"

#include "window/FormBinding.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBrowser>

#include <map>

using namespace kesta;

namespace {

QString ReportText(test::Session& run) {
    return run.control<QPlainTextEdit>("txtReport")->toPlainText();
}

// The window on screen, active, with the worked example in its inputs.
void ShowWithExample(test::Session& run) {
    CopyFormToWidgets(test::ExampleForm(), run.window());
    run.window().show();
    run.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&run.window()));
}

} // namespace

class Form1MenusTest : public QObject {
    Q_OBJECT

    kesta::test::TempFolder dir_;
    std::unique_ptr<test::Session> run_;

  private slots:
    void init() {
        run_ = std::make_unique<test::Session>(dir_.Path("menus.ini"));
    }
    void cleanup() { run_.reset(); }

    // What AT-SPI reads is the accessible interface's name, not the widget property alone.
    void everyFocusableControlHasItsOwnName() {
        std::map<QString, QString> owner; // name -> control
        int focusable = 0;
        for (QWidget* w : run_->window().findChildren<QWidget*>()) {
            if (!(w->focusPolicy() & Qt::TabFocus) || w->objectName().isEmpty()) continue;
            if (w->objectName().startsWith("qt_")) continue; // the widgets' own inner parts
            ++focusable;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(a != nullptr, qPrintable(w->objectName()));
            const QString name = a->text(QAccessible::Name);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(w->objectName() + " has no name"));
            const auto [it, fresh] = owner.emplace(name, w->objectName());
            QVERIFY2(fresh, qPrintable(w->objectName() + " and " + it->second + " are both \"" +
                                       name + "\""));
        }
        QCOMPARE(focusable, 49); // 23 text boxes, 21 options, list, check box, 2 buttons, box
        QCOMPARE(owner.count("Blade height, row 2"), std::size_t(1));
        QCOMPARE(owner.at("Blade height, row 2"), QString("InBroadhead_2"));
        QCOMPARE(owner.at("Safety factor 50%"), QString("Safety_2"));
        QCOMPARE(owner.at("Report text"), QString("txtReport"));
        // A label that stands beside a box names it for the screen reader too.
        QCOMPARE(run_->control<QLabel>("Label7")->buddy(), run_->control("StaticSpine"));
    }

    void altRAndEnterWriteTheReport() {
        ShowWithExample(*run_);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
        QVERIFY2(ReportText(*run_).startsWith("Arrow\n   Speed:  300 fps\n"),
                 qPrintable(ReportText(*run_).left(200)));

        run_->control<QPlainTextEdit>("txtReport")->clear();
        auto* mass = run_->control<QLineEdit>("InArrowMass");
        mass->setFocus();
        mass->setText("500");
        QTest::keyClick(mass, Qt::Key_Return);
        QVERIFY(ReportText(*run_).contains("   Mass :  500 grains\n"));
    }

    void ctrlPPrintsToThePdfFallback() {
        // The test environment points CUPS at no server: printing writes a PDF.
        QDir pdfs(dir_.Path("pdf"));
        run_->window().SetPdfFolder(pdfs.path());
        ShowWithExample(*run_);
        QTest::keyClick(&run_->window(), Qt::Key_R, Qt::AltModifier);
        QTest::keyClick(&run_->window(), Qt::Key_P, Qt::ControlModifier);
        const QStringList written = pdfs.entryList({"kesta-report-*.pdf"});
        QCOMPARE(written.size(), 1);
        QFile pdf(pdfs.filePath(written.front()));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QCOMPARE(run_->messages.size(), std::size_t(1)); // where the PDF went
        QVERIFY(run_->messages.front().text.contains(written.front()));
    }

    void exportPdfWritesTheChosenFileAndCancelWritesNothing() {
        ShowWithExample(*run_);
        QTest::keyClick(&run_->window(), Qt::Key_R, Qt::AltModifier);
        const QString target = dir_.Path("export.pdf");
        QString suggested;
        run_->window().SetPdfExportChooser([&](const QString& s) {
            suggested = s;
            return target;
        });
        run_->window().ExportPdf();
        QVERIFY(suggested.endsWith(".pdf"));
        QVERIFY(QFileInfo(target).size() > 1000);
        QVERIFY(run_->messages.empty());

        run_->window().SetPdfExportChooser([](const QString&) { return QString(); });
        QFile::remove(target);
        run_->window().ExportPdf();
        QVERIFY(!QFileInfo::exists(target));

        // A folder that does not exist: the user hears of it.
        run_->window().SetPdfExportChooser(
            [&](const QString&) { return dir_.Path("missing/folder/export.pdf"); });
        run_->window().ExportPdf();
        QCOMPARE(run_->messages.size(), std::size_t(1));
        QVERIFY(run_->messages.front().text.contains("could not be exported"));
    }

    void f1OpensTheHelpPage() {
        ShowWithExample(*run_);
        QTest::keyClick(&run_->window(), Qt::Key_F1);
        auto* help = run_->window().findChild<QWidget*>("HelpWindow");
        QVERIFY(help != nullptr);
        QVERIFY(help->isVisible());
        auto* browser = help->findChild<QTextBrowser*>("HelpBrowser");
        QVERIFY(browser != nullptr);
        // The page is the one built into the program, not an empty browser.
        QVERIFY(browser->toPlainText().contains("Critical load(Fc)"));
        QVERIFY(browser->toPlainText().contains("NOT Recomended for:"));
    }

    void menusHoldTheirActionsWithShortcuts() {
        std::map<QString, QKeySequence> shortcuts;
        for (QMenu* menu : {&run_->window().FileMenu(), &run_->window().HelpMenu()})
            for (QAction* a : menu->actions())
                if (!a->isSeparator()) shortcuts[a->text()] = a->shortcut();
        QCOMPARE(shortcuts.at("&Print"), QKeySequence("Ctrl+P"));
        QCOMPARE(shortcuts.at("&Quit"), QKeySequence("Ctrl+Q"));
        QCOMPARE(shortcuts.at("&What the report means"), QKeySequence(Qt::Key_F1));
        QVERIFY(shortcuts.count("&Export report as PDF..."));
        QVERIFY(shortcuts.count("&About KESTA"));
    }

    void ctrlQSavesLikeClosing() {
        ShowWithExample(*run_);
        QTest::keyClick(&run_->window(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!run_->window().isVisible());
        QSettings saved(dir_.Path("menus.ini"), QSettings::IniFormat);
        QCOMPARE(saved.value("values/speed").toString(), QString("300"));
        QCOMPARE(saved.value("values/Safety1").toString(), QString("True"));
    }
};

QTEST_MAIN(Form1MenusTest)
#include "Form1MenusTest.moc"
