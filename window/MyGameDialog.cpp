#include "window/MyGameDialog.h"

#include "ballistics/GameListText.h"
#include "tools/Errors.h"
#include "tools/NumberText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kesta {

namespace {

QString CellText(const QTableWidget& table, int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    return item != nullptr ? item->text().trimmed() : QString();
}

} // namespace

MyGameDialog::MyGameDialog(const game::GameTable& list, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("MyGameDialog"));
    setWindowTitle(tr("My game - KESTA"));
    auto* intro = new QLabel(tr("The animals you hunt and their live body mass. Every figure of "
                                "the verdict follows from the mass: enter the mass of the "
                                "animals where and when you hunt them."),
                             this);
    intro->setWordWrap(true);
    rows_ = new QTableWidget(0, 2, this);
    rows_->setObjectName(QStringLiteral("MyGameRows"));
    rows_->setHorizontalHeaderLabels({tr("Animal"), tr("Mass")});
    rows_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    rows_->setAccessibleName(tr("My game: animals and masses"));
    unit_ = new QComboBox(this);
    unit_->setObjectName(QStringLiteral("MyGameUnit"));
    unit_->addItems({tr("kg"), tr("lb")});
    unit_->setAccessibleName(tr("Unit of the masses"));
    auto* add = new QPushButton(tr("&Add animal"), this);
    auto* remove = new QPushButton(tr("&Remove animal"), this);
    connect(add, &QPushButton::clicked, this, &MyGameDialog::AddRow);
    connect(remove, &QPushButton::clicked, this, &MyGameDialog::RemoveRow);
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("MyGameProblem"));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #b00000"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &MyGameDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MyGameDialog::reject);

    auto* tools = new QHBoxLayout;
    tools->addWidget(add);
    tools->addWidget(remove);
    tools->addStretch();
    tools->addWidget(new QLabel(tr("Masses in"), this));
    tools->addWidget(unit_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(rows_);
    layout->addLayout(tools);
    layout->addWidget(problem_);
    layout->addWidget(buttons);

    for (const game::Animal& animal : list.animals) {
        AddRow();
        const int row = rows_->rowCount() - 1;
        rows_->item(row, 0)->setText(QString::fromStdString(animal.name));
        rows_->item(row, 1)->setText(QString::fromStdString(ShortestText(animal.massKg)));
    }
    if (list.animals.empty()) AddRow();
    resize(460, 420);
}

void MyGameDialog::AddRow() {
    const int row = rows_->rowCount();
    rows_->insertRow(row);
    rows_->setItem(row, 0, new QTableWidgetItem);
    rows_->setItem(row, 1, new QTableWidgetItem);
    rows_->setCurrentCell(row, 0);
}

void MyGameDialog::RemoveRow() {
    if (rows_->currentRow() >= 0) rows_->removeRow(rows_->currentRow());
}

std::optional<game::GameTable> MyGameDialog::List() {
    // The rows become the text of a game file and go through the same reader, so a list the
    // window takes is one a file could hold, and the reasons are the same words.
    const bool pounds = unit_->currentIndex() == 1;
    std::string csv = pounds ? "animal,mass_lb\n" : "animal,mass_kg\n";
    std::vector<int> rowOfLine{0, 0}; // line 1 is the header
    for (int row = 0; row < rows_->rowCount(); ++row) {
        const QString name = CellText(*rows_, row, 0), mass = CellText(*rows_, row, 1);
        if (name.isEmpty() && mass.isEmpty()) continue;
        QString field = name;
        if (field.contains(QLatin1Char('"')) || field.contains(QLatin1Char(',')))
            field = QLatin1Char('"') + field.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                    QLatin1Char('"');
        if (field.isEmpty()) field = QStringLiteral("\"\""); // an empty name is reported as such
        csv += field.toStdString() + "," + mass.toStdString() + "\n";
        rowOfLine.push_back(row + 1);
    }
    try {
        game::GameTable list = game::ReadGameList(csv, "My game");
        list.name = "My game";
        problem_->clear();
        return list;
    } catch (const RuntimeError& e) {
        // "My game, line 3" names a line of the text made here; the user sees the row.
        const std::string place = e.place();
        const std::size_t at = place.rfind("line ");
        QString where;
        if (at != std::string::npos) {
            const std::size_t line = std::stoul(place.substr(at + 5));
            if (line < rowOfLine.size()) where = tr("Row %1: ").arg(rowOfLine[line]);
        }
        problem_->setText(where + QString::fromUtf8(e.what()));
        return std::nullopt;
    }
}

void MyGameDialog::accept() {
    if (List()) QDialog::accept();
}

} // namespace kesta
