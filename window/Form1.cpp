#include "window/Form1.h"

#include "settings/SettingsStore.h"
#include "tools/Errors.h"
#include "window/Form1Layout.h"
#include "window/FormBinding.h"
#include "window/ReportPrinter.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>

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
    setWindowTitle(QStringLiteral("KESTA Minimum Bowhunting Recommendations"));
    // The layout was drawn for a narrow 8 pt bitmap face. The desktop default (9 pt) would clip
    // captions such as "Imperial" or "Static Spine" in their fixed boxes; Liberation Sans at
    // 7.5 pt (10 px) has about that face's widths.
    QFont font;
    font.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(7.5);
    setFont(font);

    BuildControls();
    QScreen* shown = screen();
    resize(OpeningSize(shown != nullptr ? shown->availableGeometry().size()
                                        : QSize(TwipsToPixels(kReportBoxRightTwips),
                                                TwipsToPixels(kReportBoxBottomTwips)),
                       QSize(0, 0)));
    PlaceReportBox();
    Form_Load();

    // A session that ends, or an application that quits, without closing the window still
    // saves the inputs.
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { SaveInputs(); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, &Form1::Form_Unload);
}

void Form1::BuildControls() {
    QHash<QString, QWidget*> byName;
    QHash<QWidget*, QButtonGroup*> groups; // one option group per container
    std::vector<std::pair<int, QWidget*>> focusable;

    for (const ControlSpec& c : Form1Controls()) {
        QWidget* container = *c.container == '\0' ? this : byName.value(c.container);
        Q_ASSERT(container != nullptr);
        const QString caption = QString::fromUtf8(c.caption);
        QWidget* w = nullptr;
        switch (c.kind) {
        case ControlKind::Frame:
            w = new CaptionedFrame(caption, container);
            break;
        case ControlKind::BorderlessFrame:
            w = new QWidget(container);
            break;
        case ControlKind::Label: {
            auto* label = new QLabel(caption, container);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
            w = label;
            break;
        }
        case ControlKind::TextBox:
            w = new QLineEdit(caption, container);
            break;
        case ControlKind::ReportBox: {
            auto* box = new QPlainTextEdit(container);
            QFont mono(QStringLiteral("Courier New"));
            mono.setStyleHint(QFont::TypeWriter);
            mono.setPointSizeF(8.25);
            box->setFont(mono);
            box->setLineWrapMode(QPlainTextEdit::NoWrap);
            box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            box->setTabChangesFocus(true);
            txtReport_ = box;
            w = box;
            break;
        }
        case ControlKind::Option: {
            auto* option = new QRadioButton(caption, container);
            QButtonGroup*& group = groups[container];
            if (group == nullptr) group = new QButtonGroup(container);
            group->addButton(option);
            option->setChecked(c.selected);
            w = option;
            break;
        }
        case ControlKind::CheckBox:
            w = new QCheckBox(caption, container);
            break;
        case ControlKind::List: {
            auto* list = new QComboBox(container);
            list->setEditable(false);
            for (const auto& entry : FormState::ShaftDiameterEntries())
                list->addItem(QString::fromStdString(entry));
            list->setCurrentIndex(-1);
            w = list;
            break;
        }
        case ControlKind::Button:
            w = new QPushButton(caption, container);
            break;
        }
        w->setObjectName(QString::fromUtf8(c.name));
        w->setGeometry(Pixels(c));
        byName.insert(w->objectName(), w);
        if (w->focusPolicy() & Qt::TabFocus) focusable.emplace_back(c.tab, w);
    }

    std::sort(focusable.begin(), focusable.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t k = 1; k < focusable.size(); ++k)
        setTabOrder(focusable[k - 1].second, focusable[k].second);

    connect(static_cast<QPushButton*>(byName.value("doReport")), &QPushButton::clicked, this,
            &Form1::doReport_Click);
    connect(static_cast<QPushButton*>(byName.value("doPrint")), &QPushButton::clicked, this,
            &Form1::doPrint_Click);
}

QSize Form1::OpeningSize(const QSize& available, const QSize& frame) {
    const QSize design(TwipsToPixels(kReportBoxRightTwips), TwipsToPixels(kReportBoxBottomTwips));
    return design.boundedTo(available - frame).expandedTo(QSize(1, 1));
}

void Form1::Form_Load() {
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

void Form1::SaveInputs() {
    FormState now;
    CopyWidgetsToForm(*this, now);
    try {
        store_.Save(now);
    } catch (const RuntimeError& e) {
        Notify(QMessageBox::Critical, tr("The inputs could not be saved: %1.\nSettings file: %2")
                                          .arg(QString::fromUtf8(e.what()), store_.FileName()));
    }
}

void Form1::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    SaveInputs();
}

void Form1::doReport_Click() {
    CopyWidgetsToForm(*this, form_);
    // The user may have edited the box; the report starts from what it shows now.
    const std::string before = BoxTextToCrLf(txtReport_->toPlainText());
    calculator_.SetBoxText(before);
    QString failure;
    try {
        calculator_.WriteReport();
    } catch (const RuntimeError& e) {
        failure = QString::fromUtf8(e.what());
    }
    // One update of the box per report: rewriting a Qt text widget line by line is slow, and
    // the user sees the same result (after a failure, the lines written before it).
    if (calculator_.BoxText() != before)
        txtReport_->setPlainText(CrLfToBoxText(calculator_.BoxText()));
    if (!failure.isEmpty()) {
        QString text = tr("The report stopped: %1.").arg(failure);
        if (!calculator_.FailurePlace().empty())
            text += tr("\nWhere: %1").arg(QString::fromStdString(calculator_.FailurePlace()));
        Notify(QMessageBox::Critical, text);
    }
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
    PlaceReportBox();
}

void Form1::PlaceReportBox() {
    // The box keeps its top-left corner; its right and bottom edges are the window's, so its
    // scroll bars stay reachable on any window size. At the opening size on a large enough
    // screen this is its design size.
    const int left = TwipsToPixels(kReportBoxLeftTwips);
    txtReport_->setGeometry(left, 0, std::max(width() - left, 0), height());
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
        resize(OpeningSize(available, frame));
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
