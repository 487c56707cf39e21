// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LotteryPage.h"

#include "ui/ListTableModel.h"
#include "ui_LotteryPage.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>

LotteryPage::LotteryPage(QWidget *parent)
    : QWidget(parent), ui_(std::make_unique<Ui::LotteryPage>()), model_(new ListTableModel(tr("Lottery"), this)),
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

void LotteryPage::showLotteries(const QStringList &names)
{
    model_->setRows(names);
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
