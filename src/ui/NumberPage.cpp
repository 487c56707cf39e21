// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/NumberPage.h"

#include "ui/BonusPicker.h"
#include "ui/Panels.h"
#include "ui_NumberPage.h"

#include <QCoreApplication>
#include <QRandomGenerator>

NumberPage::NumberPage(QWidget *parent)
    : QWidget(parent), ui_(std::make_unique<Ui::NumberPage>()),
      random_([] { return QRandomGenerator::global()->generate(); })
{
    ui_->setupUi(this);
    // Under the main grid, hidden for lotteries without a bonus pool.
    bonusPicker_ = new BonusPicker(this);
    ui_->numbersLayout->addWidget(bonusPicker_);
    // Lottery names are set while the page is hidden; leave them room to show whole.
    ui_->lotteryNameLabel->setMinimumWidth(320);
    ui_->gridCaption->setMinimumWidth(320);
    ui_->numbersField->setReadOnly(true);

    connect(ui_->numberGrid, &NumberGridView::numberClicked, this, &NumberPage::tap);
    connect(ui_->backspaceButton, &QAbstractButton::clicked, this, &NumberPage::backspace);
    connect(ui_->clearButton, &QAbstractButton::clicked, this, &NumberPage::askToClear);
    connect(ui_->sortSwitch, &QAbstractButton::toggled, this, &NumberPage::showSelection);
    connect(ui_->numberWindowButton, &QAbstractButton::clicked, this, &NumberPage::randomPickRequested);
    showSelection();
}

NumberPage::~NumberPage() = default;

void NumberPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Hidden, the grid area kept the small size it was made with, and its scroll bars ranges for a
    // grid larger than it. Brought to full size, it places the bars by those ranges before it
    // measures the grid again, and hides them only on a later turn of the event loop. Measured
    // now, the bars show only where the grid does not fit.
    QEvent measure(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(ui_->gridScroll, &measure);
}

void NumberPage::showLottery(const QString &name, int poolSize)
{
    ui_->lotteryNameLabel->setText(name);
    ui_->gridCaption->setText(name);
    selection_.reset(poolSize);
    ui_->numberGrid->showPool(poolSize);
    showSelection();
}

void NumberPage::showBonusPool(int poolSize, int perTicket, bool digitsOnly)
{
    bonusPicker_->showPool(poolSize, perTicket, digitsOnly);
}

void NumberPage::setRandomSource(std::function<quint32()> source)
{
    random_ = source;
    bonusPicker_->setRandomSource(std::move(source));
}

const BonusSelection &NumberPage::bonus() const
{
    return bonusPicker_->selection();
}

void NumberPage::tap(int number)
{
    if (selection_.tap(number) == SelectionModel::TapResult::KeyKept)
        AlertPanel::run(tr("Notice"), tr("You can not remove the key except clearing all buttons and numbers "
                                         "(Click button 'Clear')"));
    showSelection();
}

void NumberPage::backspace()
{
    if (!selection_.takeBackLatest())
        AlertPanel::run(tr("Alert"), tr("No number to be backspaced"));
    showSelection();
}

void NumberPage::askToClear()
{
    if (!AlertPanel::confirm(tr("Alert"), tr("Are you sure to clear all selected numbers?")))
        return;
    selection_.reset(selection_.poolSize());
    showSelection();
}

void NumberPage::drawRandom(int count)
{
    selection_.drawRandom(count, random_);
    showSelection();
}

void NumberPage::showSelection()
{
    ui_->numberGrid->showSelection(selection_);
    ui_->numbersField->setText(selection_.displayText(ui_->sortSwitch->isChecked()));
    ui_->totalLabel->setText(tr("Total Numbers:%1").arg(selection_.count()));
    ui_->backspaceButton->setEnabled(!selection_.isEmpty());
    ui_->clearButton->setEnabled(!selection_.isEmpty());
    // The key field keeps the last key until another number becomes the key.
    if (selection_.key() != 0 && selection_.key() != shownKey_) {
        shownKey_ = selection_.key();
        emit keyChosen(shownKey_);
    }
}
