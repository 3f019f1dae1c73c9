// Tools > Compare set-ups: two set-ups, each the window's current inputs, an example or a
// set-up file. Above, the figures of both reports with their differences and the verdicts
// that differ; below, the two reports side by side, lines aligned, differing lines marked.
#pragma once

#include "compare/Comparison.h"
#include "form/Examples.h"
#include "form/FormState.h"

#include <QMessageBox>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QSplitter;
class QTableWidget;
class QTimer;

namespace kesta {

class CompareWindow : public QWidget {
    Q_OBJECT

  public:
    using InputsSource = std::function<FormState()>;  // the window's inputs now
    using FileAsker = std::function<QString()>;       // a set-up file, empty when cancelled
    using Notifier = std::function<void(QMessageBox::Icon, const QString&)>;

    CompareWindow(InputsSource inputs, FileAsker askFile, Notifier notify, QWidget* parent);

    // A: the current inputs; B: the file, or the first example when there is none or it
    // cannot be read.
    void StartWith(const QString& fileB);

    // Chooses what a side (0 for A, 1 for B) shows and compares again. A file that is no
    // set-up is reported and leaves the side as it was (false).
    void SetInputs(int side);
    void SetExample(int side, const ExampleSetup& example);
    bool SetFile(int side, const QString& path);

    // Compares the two sides again, reading the current inputs anew.
    void Refresh();
    // The window's inputs changed: compares again shortly after typing stops, when a side
    // shows them.
    void InputsChanged();
    // "Keep as B": side B becomes a copy of the current inputs as they are now, so the next
    // change in the window compares against them.
    void KeepAsB();

    const Comparison& Shown() const { return comparison_; }
    // What the side's header names: "Current inputs", "elk.kesta", "light-deer (example)".
    QString SideName(int side) const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    struct Side {
        std::optional<FormState> form; // an example's or a file's, as loaded
        QString name;
        QString sourceData; // the source list's entry for it
        QComboBox* source = nullptr;
        QLabel* header = nullptr;
        QPlainTextEdit* report = nullptr;
    };

    void BuildWidgets();
    QWidget* BuildSourceRow();
    QWidget* BuildSummary();
    QWidget* BuildReports();
    void FillSourceList(Side& side);
    void SourceActivated(int side, int index);
    void SelectSource(Side& side);
    void ShowSummary();
    void ShowReports();
    void FitSummary();
    FormState FormOf(const Side& side) const;

    InputsSource inputs_;
    FileAsker askFile_;
    Notifier notify_;
    std::array<Side, 2> sides_;
    QSplitter* splitter_ = nullptr;
    QTimer* refreshSoon_ = nullptr; // typing in the window: one comparison once it pauses
    bool sized_ = false;
    QTableWidget* summary_ = nullptr;
    QLabel* verdictTitle_ = nullptr;
    QListWidget* verdicts_ = nullptr;
    Comparison comparison_;
    std::optional<FormState> kept_; // the inputs "Keep as B" took
    QString keptName_;
};

} // namespace kesta
