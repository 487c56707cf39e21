// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LotteryPage.h"

#include "ui/ListTableModel.h"
#include "ui_LotteryPage.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>

// The lottery names, and beside each of the player's own a second column that says so. The
// mark is text, so a screen reader reads it with the row.
class LotteryListModel : public ListTableModel {
public:
    using ListTableModel::ListTableModel;

    void setRows(const QStringList &names, QList<bool> players)
    {
        players_ = std::move(players);
        ListTableModel::setRows(names);
    }
    bool isPlayers(int row) const { return players_.value(row); }
    bool anyPlayers() const { return players_.contains(true); }

    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 2; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (index.column() != 1)
            return ListTableModel::data(index, role);
        if (!isPlayers(index.row()))
            return {};
        if (role == Qt::DisplayRole)
            return QCoreApplication::translate("LotteryPage", "(yours)");
        if (role == Qt::AccessibleTextRole)
            return QCoreApplication::translate("LotteryPage", "your lottery");
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && section == 1)
            return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
        return ListTableModel::headerData(section, orientation, role);
    }

private:
    QList<bool> players_;
};

LotteryPage::LotteryPage(QWidget *parent)
    : QWidget(parent), ui_(std::make_unique<Ui::LotteryPage>()), model_(new LotteryListModel(tr("Lottery"), this)),
      factsNote_(new QLabel(this))
{
    ui_->setupUi(this);
    // When the chosen lottery's facts were read, and the way to set up lotteries of one's own.
    auto *factsRow = new QHBoxLayout;
    factsNote_->setAccessibleName(tr("When the lottery's facts were read"));
    auto *lotteriesButton = new QPushButton(tr("L&otteries..."), this);
    lotteriesButton->setAccessibleName(tr("Lotteries: add, copy or edit your own"));
    factsRow->addWidget(factsNote_, 1);
    factsRow->addWidget(lotteriesButton);
    ui_->lotteryLayout->addLayout(factsRow);
    connect(lotteriesButton, &QPushButton::clicked, this, &LotteryPage::lotteriesRequested);
    showListIn(ui_->lotteryTable, model_);
    // The names take the room; the mark column, when shown, only what "(yours)" needs.
    QHeaderView *columns = ui_->lotteryTable->horizontalHeader();
    columns->setStretchLastSection(false);
    columns->setSectionResizeMode(0, QHeaderView::Stretch);
    columns->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    ui_->lotteryTable->setColumnHidden(1, true);
    ui_->countryBox->setEditable(false);

    connect(ui_->countryBox, &QComboBox::activated, this, [this] {
        ui_->countryBox->clearFocus();
        emit countryChosen(ui_->countryBox->currentText());
    });
    // A row chosen by the player: selected by a click, the arrow keys, the space bar or a screen
    // reader. Rows the program selects do not count, nor does the current row the table takes
    // for itself when Tab brings the focus in (that row is only framed, not selected).
    connect(ui_->lotteryTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                if (!programSelects_ && !selected.isEmpty())
                    emit lotteryChosen(selected.indexes().constFirst().row());
            });
    connect(ui_->lotteryTable, &QAbstractItemView::pressed, this, [this](const QModelIndex &index) {
        if (index.isValid())
            emit lotteryChosen(index.row());
    });
}

LotteryPage::~LotteryPage() = default;

void LotteryPage::setCountries(const QStringList &countries)
{
    ui_->countryBox->clear();
    ui_->countryBox->addItems(countries);
}

QString LotteryPage::country() const
{
    return ui_->countryBox->currentText();
}

bool LotteryPage::showCountry(const QString &country)
{
    const int at = ui_->countryBox->findText(country);
    if (at < 0)
        return false;
    ui_->countryBox->setCurrentIndex(at);
    return true;
}

void LotteryPage::setPlayersLotteries(std::function<bool(const QString &, const QString &)> isPlayers)
{
    isPlayers_ = std::move(isPlayers);
}

void LotteryPage::showLotteries(const QStringList &names)
{
    QList<bool> players;
    if (isPlayers_) {
        const QString shown = country();
        players.reserve(names.size());
        for (const QString &name : names)
            players << isPlayers_(shown, name);
    }
    model_->setRows(names, players);
    ui_->lotteryTable->setColumnHidden(1, !model_->anyPlayers());
}

bool LotteryPage::isMarkedPlayers(int row) const
{
    return model_->isPlayers(row) && !ui_->lotteryTable->isColumnHidden(1);
}

const QStringList &LotteryPage::lotteries() const
{
    return model_->rows();
}

void LotteryPage::selectLottery(int row)
{
    programSelects_ = true;
    if (row < 0)
        ui_->lotteryTable->clearSelection();
    else
        ui_->lotteryTable->selectRow(row);
    programSelects_ = false;
}

void LotteryPage::showFactsNote(const QString &note)
{
    factsNote_->setText(note);
}

QString LotteryPage::factsNote() const
{
    return factsNote_->text();
}
