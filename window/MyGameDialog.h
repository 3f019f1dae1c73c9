// "My game...": the hunter's own list of animals, one row each with a name and a mass, the
// masses in kg or lb. OK takes the list only when every row passes the same checks a game
// file does; otherwise the dialog stays open and says which row is wrong and why.
#pragma once

#include "ballistics/GameList.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QTableWidget;

namespace kesta {

class MyGameDialog : public QDialog {
    Q_OBJECT

  public:
    MyGameDialog(const game::GameTable& list, QWidget* parent = nullptr);

    QTableWidget& Rows() const { return *rows_; }
    QComboBox& Unit() const { return *unit_; }
    QLabel& Problem() const { return *problem_; }

    // The list the rows hold, or nullopt with the problem shown. Empty rows are skipped.
    std::optional<game::GameTable> List();

  public slots:
    void AddRow();
    void RemoveRow();
    void accept() override;

  private:
    QTableWidget* rows_ = nullptr;
    QComboBox* unit_ = nullptr;
    QLabel* problem_ = nullptr;
};

} // namespace kesta
