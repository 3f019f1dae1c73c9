#include "window/Form1.h"

#include "form/InputLabels.h"
#include "form/Examples.h"
#include "settings/FileError.h"
#include "settings/SettingsStore.h"
#include "settings/StaleFiles.h"
#include "tools/Errors.h"
#include "window/AccessibleNames.h"
#include "window/Form1Layout.h"
#include "window/FormBinding.h"
#include "window/GameMenu.h"
#include "window/ReportFont.h"
#include "window/ReportPrinter.h"
#include "window/SetupMenus.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

// The icon and help page are compiled into the window's static library; a static library's
// resources must be registered by hand, and outside any namespace.
static void LoadResources() {
    Q_INIT_RESOURCE(kesta_data);
}

namespace kesta {

namespace {

QRect Pixels(const ControlSpec& c) {
    return QRect(TwipsToPixels(c.left), TwipsToPixels(c.top), TwipsToPixels(c.width),
                 TwipsToPixels(c.height));
}

// The report box's left edge; its right and bottom edges follow the window.
constexpr int kReportBoxLeftTwips = 6240;

// A labelled frame drawn with its caption on the border line. The style's own group box puts
// the caption above a lowered border, where it collides with controls placed near the top of
// the frame (the broadhead's "Weight" label).
class CaptionedFrame : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        const int line = metrics.height() / 2;
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(0, line, width() - 1, height() - line - 1);
        const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
        painter.fillRect(caption, palette().window());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(caption, Qt::AlignCenter, title());
    }
};

} // namespace

Form1::Form1(SettingsStore& store, Notifier notifier, QWidget* parent)
    : QWidget(parent), store_(store), notify_(std::move(notifier)) {
    LoadResources();
    setWindowTitle(QStringLiteral("KESTA Minimum Bowhunting Recommendations"));
    setWindowIcon(QIcon(QStringLiteral(":/kesta/icons/org.kesta.Kesta.svg")));
    // The layout was drawn for a narrow 8 pt bitmap face. The desktop default (9 pt) would clip
    // captions such as "Imperial" or "Static Spine" in their fixed boxes; Liberation Sans at
    // 7.5 pt (10 px) has about that face's widths.
    QFont font;
    font.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(7.5);
    setFont(font);

    // The menu bar sits above the form; the controls keep their design places in the area
    // below it.
    menuBar_ = new QMenuBar(this);
    messages_ = new QLabel(this);
    messages_->setObjectName(QStringLiteral("InputMessages"));
    messages_->setAccessibleName(tr("Messages about the inputs"));
    messages_->setWordWrap(true);
    messages_->setTextFormat(Qt::PlainText);
    messages_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    messages_->setFocusPolicy(Qt::NoFocus);
    messages_->setMargin(4);
    messages_->setStyleSheet(QStringLiteral(
        "QLabel#InputMessages { background: #fff4c2; color: #3a2e00; border-bottom: 1px solid #c9a800; }"));
    messages_->hide();
    client_ = new QWidget(this);
    BuildControls();
    NameControlsForScreenReaders(*this);
    BuildMenus();
    BuildGameMenu();
    setups_ = new SetupMenus(*this, store_.FileName());
    QScreen* shown = screen();
    const QSize design(TwipsToPixels(kReportBoxRightTwips), TwipsToPixels(kReportBoxBottomTwips));
    const QSize available =
        shown != nullptr ? shown->availableGeometry().size() : design + MenuBarSize();
    resize(OpeningSize(available, MenuBarSize()) + MenuBarSize());
    PlaceClientArea();
    Form_Load();

    // A session that ends, or an application that quits, without closing the window still
    // saves the inputs.
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { SaveInputs(); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, &Form1::Form_Unload);
}

QSize Form1::MenuBarSize() const {
    return QSize(0, menuBar_->sizeHint().height());
}

QWidget* Form1::CreateControl(const ControlSpec& c, QWidget* container) {
    const QString caption = QString::fromUtf8(c.caption);
    switch (c.kind) {
    case ControlKind::Frame:
        return new CaptionedFrame(caption, container);
    case ControlKind::BorderlessFrame:
        return new QWidget(container);
    case ControlKind::Label: {
        auto* label = new QLabel(caption, container);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    }
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(caption, container);
        // Enter in any input box runs the report, as the button does.
        connect(box, &QLineEdit::returnPressed, this, &Form1::doReport_Click);
        return box;
    }
    case ControlKind::ReportBox: {
        auto* box = new QPlainTextEdit(container);
        box->setFont(ReportFont());
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setTabChangesFocus(true);
        txtReport_ = box;
        return box;
    }
    case ControlKind::Option:
        return new QRadioButton(caption, container);
    case ControlKind::CheckBox:
        return new QCheckBox(caption, container);
    case ControlKind::List: {
        auto* list = new QComboBox(container);
        list->setEditable(false);
        for (const auto& entry : FormState::ShaftDiameterEntries())
            list->addItem(QString::fromStdString(entry));
        list->setCurrentIndex(-1);
        return list;
    }
    case ControlKind::Button:
        return new QPushButton(caption, container);
    }
    return nullptr;
}

void Form1::SignalChanges(QWidget* control) {
    if (auto* box = qobject_cast<QLineEdit*>(control))
        connect(box, &QLineEdit::textChanged, this, &Form1::InputsChanged);
    else if (auto* option = qobject_cast<QRadioButton*>(control))
        connect(option, &QRadioButton::toggled, this, &Form1::InputsChanged);
    else if (auto* list = qobject_cast<QComboBox*>(control))
        connect(list, &QComboBox::currentIndexChanged, this, &Form1::InputsChanged);
    else if (auto* check = qobject_cast<QCheckBox*>(control))
        connect(check, &QCheckBox::stateChanged, this, &Form1::InputsChanged);
}

void Form1::BuildControls() {
    QHash<QString, QWidget*> byName;
    QHash<QWidget*, QButtonGroup*> groups; // one option group per container
    std::vector<std::pair<int, QWidget*>> focusable;

    for (const ControlSpec& c : Form1Controls()) {
        QWidget* container = *c.container == '\0' ? client_ : byName.value(c.container);
        Q_ASSERT(container != nullptr);
        QWidget* w = CreateControl(c, container);
        if (auto* option = qobject_cast<QRadioButton*>(w)) {
            QButtonGroup*& group = groups[container];
            if (group == nullptr) group = new QButtonGroup(container);
            group->addButton(option);
            option->setChecked(c.selected);
        }
        w->setObjectName(QString::fromUtf8(c.name));
        w->setGeometry(Pixels(c));
        SignalChanges(w);
        byName.insert(w->objectName(), w);
        if (w->focusPolicy() & Qt::TabFocus) focusable.emplace_back(c.tab, w);
    }

    std::sort(focusable.begin(), focusable.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t k = 1; k < focusable.size(); ++k)
        setTabOrder(focusable[k - 1].second, focusable[k].second);

    auto* report = static_cast<QPushButton*>(byName.value("doReport"));
    auto* print = static_cast<QPushButton*>(byName.value("doPrint"));
    connect(report, &QPushButton::clicked, this, &Form1::doReport_Click);
    connect(print, &QPushButton::clicked, this, &Form1::doPrint_Click);
    // Alt+R and Alt+P press the buttons wherever the focus is; the captions stay as drawn.
    for (auto [button, key] : {std::pair{report, Qt::Key_R}, std::pair{print, Qt::Key_P}}) {
        auto* press = new QAction(button->text(), this);
        press->setShortcut(QKeySequence(Qt::ALT | key));
        press->setShortcutContext(Qt::WindowShortcut);
        connect(press, &QAction::triggered, button, &QPushButton::click);
        addAction(press);
    }
}

QSize Form1::OpeningSize(const QSize& available, const QSize& frame) {
    const QSize design(TwipsToPixels(kReportBoxRightTwips), TwipsToPixels(kReportBoxBottomTwips));
    return design.boundedTo(available - frame).expandedTo(QSize(1, 1));
}

void Form1::Form_Load() {
    // What an earlier session killed in the middle of a save left beside the store.
    RemoveStaleWriterFiles(store_.FileName());
    FormState loaded;
    CopyWidgetsToForm(*this, loaded); // the design state supplies inEdge, inCOC and inTip
    try {
        store_.Load(loaded);
    } catch (const RuntimeError& e) {
        Notify(QMessageBox::Warning,
               tr("The saved inputs could not be read: %1.\nSettings file: %2")
                   .arg(QString::fromUtf8(e.what()), store_.FileName()));
    }
    CopyFormToWidgets(loaded, *this);
    if (EveryInputZero(loaded)) ShowFirstRunHint();
    if (!store_.Unreadable().isEmpty()) {
        const QString text =
            tr("The saved inputs could not be read: %1 (%2). The window starts with the "
               "defaults and will not save over this file.\nSettings file: %3")
                .arg(ErrorMessage(ErrorKind::PathFileAccess), store_.Unreadable(),
                     store_.FileName());
        // Told once the event loop runs: a dialog now would hold up the start until answered.
        QTimer::singleShot(0, this, [this, text] { Notify(QMessageBox::Warning, text); });
    }
}

FormState Form1::CurrentInputs() const {
    FormState now;
    CopyWidgetsToForm(*this, now);
    return now;
}

void Form1::SaveInputs() {
    try {
        store_.Save(CurrentInputs());
    } catch (const FileError& e) {
        Notify(QMessageBox::Critical, FileMessage(tr("The inputs were not saved"), e,
                                                  tr("Settings file")));
    }
}

void Form1::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    SaveInputs();
    if (!game_->Save())
        Notify(QMessageBox::Critical,
               tr("The chosen game could not be saved: %1.\nSettings file: %2")
                   .arg(ErrorMessage(ErrorKind::PathFileAccess), store_.FileName()));
}

void Form1::doReport_Click() {
    CopyWidgetsToForm(*this, form_);
    // Said before the report runs, from the record the report starts from; the report itself
    // is as it always was.
    ShowInputWarnings(InputWarnings(form_, calculator_.Record()));
    // The user may have edited the box; the report starts from what it shows now.
    const std::string before = BoxTextToCrLf(txtReport_->toPlainText());
    calculator_.SetBoxText(before);
    QString failure;
    std::string place;
    try {
        calculator_.WriteReport();
    } catch (const RuntimeError& e) {
        failure = QString::fromUtf8(e.what());
        place = e.place();
    }
    // One update of the box per report: rewriting a Qt text widget line by line is slow, and
    // the user sees the same result (after a failure, the lines written before it).
    if (calculator_.BoxText() != before)
        txtReport_->setPlainText(CrLfToBoxText(calculator_.BoxText()));
    if (!failure.isEmpty()) NotifyStopped(failure, place, form_);
}

void Form1::NotifyStopped(const QString& error, const std::string& place, const FormState& form) {
    QString text = tr("The report stopped: %1.").arg(error);
    if (!place.empty()) text += tr("\nWhere: %1").arg(QString::fromStdString(PlaceForUser(place)));
    if (EveryInputZero(form))
        text += tr("\n\nEvery box still holds 0, as on a first run: type the figures of your "
                   "set-up, or choose File > Open example to start from one.");
    Notify(QMessageBox::Critical, text);
}

void Form1::ShowInputWarnings(const std::vector<InputWarning>& warnings) {
    QStringList lines;
    for (const InputWarning& warning : warnings)
        lines << QString::fromStdString(warning.text) + QLatin1Char('.');
    const QString text = lines.join(QLatin1Char('\n'));
    if (text == messages_->text() && messages_->isHidden() == lines.isEmpty()) return;
    messages_->setText(text);
    messages_->setVisible(!lines.isEmpty());
    PlaceClientArea();
    if (!lines.isEmpty()) {
        // A screen reader announces the new messages without the focus moving to them.
        QAccessibleEvent changed(messages_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
        QAccessibleEvent alert(messages_, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void Form1::ShowFirstRunHint() {
    QString hint = tr("To begin, type the figures of your set-up into the boxes on the left "
                      "(hold the mouse over a box to see what it wants) and press Report.\n\n"
                      "Or start from an example: File > Open example:");
    for (const ExampleSetup& example : Examples())
        hint += QStringLiteral("\n  %1: %2").arg(QString::fromStdString(example.name),
                                                QString::fromStdString(example.description));
    hint += tr("\n\nLeave unused blade rows empty: a row holding 0 counts as a blade.");
    txtReport_->setPlaceholderText(hint);
}

void Form1::doPrint_Click() {
    const std::string text = BoxTextToCrLf(txtReport_->toPlainText());
    try {
        const QString pdf = PrintReport(text, pdfFolder_);
        if (!pdf.isEmpty())
            Notify(QMessageBox::Information,
                   tr("No printer is set up, so the report was saved as a PDF file:\n%1").arg(pdf));
    } catch (const RuntimeError& e) {
        Notify(QMessageBox::Critical,
               tr("The report could not be printed: %1.").arg(QString::fromUtf8(e.what())));
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void Form1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceClientArea();
}

void Form1::PlaceClientArea() {
    const int bar = MenuBarSize().height();
    menuBar_->setGeometry(0, 0, width(), bar);
    int top = bar;
    if (!messages_->isHidden()) {
        const int shown = messages_->heightForWidth(width());
        messages_->setGeometry(0, top, width(), shown);
        top += shown;
    }
    const QSize below(width(), std::max(height() - top, 0));
    ScrollFormIfNeeded(below);
    if (scroller_ != nullptr) {
        scroller_->setGeometry(QRect(QPoint(0, top), below));
        // The form keeps at least its design size and scrolls; the report box still follows
        // the room there is beyond that.
        const QSize view = scroller_->maximumViewportSize();
        const QSize design(TwipsToPixels(kFormRightTwips), TwipsToPixels(kFormBottomTwips));
        QSize size = view.expandedTo(design);
        if (size.height() > view.height())
            size.setWidth(std::max(design.width(), view.width() - scroller_->verticalScrollBar()->sizeHint().width()));
        if (size.width() > view.width())
            size.setHeight(std::max(design.height(), view.height() - scroller_->horizontalScrollBar()->sizeHint().height()));
        client_->resize(size);
    } else {
        client_->setGeometry(QRect(QPoint(0, top), below));
    }
    // The box keeps its top-left corner; its right and bottom edges are the window's, so its
    // scroll bars stay reachable on any window size. At the opening size on a large enough
    // screen this is its design size.
    const int left = TwipsToPixels(kReportBoxLeftTwips);
    txtReport_->setGeometry(left, 0, std::max(client_->width() - left, 0), client_->height());
}

void Form1::ScrollFormIfNeeded(const QSize& clientSize) {
    const QSize design(TwipsToPixels(kFormRightTwips), TwipsToPixels(kFormBottomTwips));
    const bool fits = clientSize.width() >= design.width() && clientSize.height() >= design.height();
    if (fits && scroller_ != nullptr) {
        // Room enough again: the form goes back to the window itself, exactly as designed.
        scroller_->takeWidget();
        client_->setParent(this);
        client_->show();
        delete scroller_; // called from the window's own events, never the scroll area's
        scroller_ = nullptr;
    } else if (!fits && scroller_ == nullptr) {
        scroller_ = new QScrollArea(this);
        scroller_->setObjectName(QStringLiteral("FormScroller"));
        scroller_->setAccessibleName(tr("Set-up and report"));
        scroller_->setFocusPolicy(Qt::NoFocus); // the focus goes to the controls, which it follows
        scroller_->setFrameShape(QFrame::NoFrame);
        scroller_->setWidgetResizable(false);
        scroller_->setWidget(client_); // the controls keep their design places inside it
        scroller_->show();
    }
}

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!fitted_) {
        fitted_ = true;
        // The frame's size is known only once the window is on screen.
        QTimer::singleShot(0, this, &Form1::FitToScreen);
    }
}

void Form1::FitToScreen() {
    QScreen* shown = screen();
    if (shown == nullptr) return;
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize available = shown->availableGeometry().size();
    if (frameGeometry().width() > available.width() ||
        frameGeometry().height() > available.height())
        resize(OpeningSize(available, frame + MenuBarSize()) + MenuBarSize());
}

void Form1::Notify(QMessageBox::Icon icon, const QString& text) {
    if (notify_) {
        notify_(icon, text);
        return;
    }
    QMessageBox box(icon, windowTitle(), text, QMessageBox::Ok, this);
    box.exec();
}

} // namespace kesta
