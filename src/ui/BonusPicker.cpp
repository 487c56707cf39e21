// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BonusPicker.h"

#include "ui/NumberButton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

namespace {
// Two rows hold the largest bonus pools (26) without pushing the main grid out of sight.
constexpr int kColumns = 13;
} // namespace

BonusPicker::BonusPicker(QWidget *parent)
    : QGroupBox(parent), random_([] { return QRandomGenerator::global()->generate(); }), grid_(new QWidget(this)),
      gridLayout_(new QGridLayout(grid_)), hint_(new QLabel(this)), chosenLabel_(new QLabel(this)),
      randomButton_(new QPushButton(tr("Random bonus"), this)), clearButton_(new QPushButton(tr("Clear bonus"), this))
{
    setObjectName(QStringLiteral("bonusGroup"));
    grid_->setObjectName(QStringLiteral("bonusGrid"));
    grid_->setAccessibleName(tr("Bonus number grid"));
    hint_->setObjectName(QStringLiteral("bonusHint"));
    hint_->setWordWrap(true);
    hint_->setStyleSheet(QStringLiteral("color: #555;"));
    chosenLabel_->setObjectName(QStringLiteral("bonusNumbersLabel"));
    chosenLabel_->setMinimumWidth(150);
    randomButton_->setObjectName(QStringLiteral("bonusRandomButton"));
    randomButton_->setToolTip(tr("Let the program pick a bonus number for you"));
    clearButton_->setObjectName(QStringLiteral("bonusClearButton"));
    clearButton_->setToolTip(tr("Give back every chosen bonus number"));
    gridLayout_->setContentsMargins(0, 0, 0, 0);
    gridLayout_->setHorizontalSpacing(8);
    gridLayout_->setVerticalSpacing(5);

    auto *side = new QVBoxLayout;
    side->addWidget(chosenLabel_);
    side->addWidget(randomButton_);
    side->addWidget(clearButton_);
    side->addStretch();
    auto *row = new QHBoxLayout;
    row->addWidget(grid_);
    row->addStretch();
    row->addLayout(side);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(10, 6, 10, 8);
    column->setSpacing(6);
    column->addWidget(hint_);
    column->addLayout(row);

    // As tall as its rows, so the main grid keeps the rest of the page.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    connect(randomButton_, &QAbstractButton::clicked, this, &BonusPicker::pickAtRandom);
    connect(clearButton_, &QAbstractButton::clicked, this, [this] {
        selection_.clear();
        showSelection();
    });
    hide();
}

void BonusPicker::showPool(int poolSize, int perTicket, bool digitsOnly)
{
    qDeleteAll(buttons_);
    buttons_.clear();
    perTicket_ = perTicket;
    selection_.reset(digitsOnly ? 0 : poolSize);
    setVisible(poolSize > 0);
    grid_->setVisible(!digitsOnly);
    randomButton_->setVisible(!digitsOnly);
    clearButton_->setVisible(!digitsOnly);
    chosenLabel_->setVisible(!digitsOnly);
    if (digitsOnly) {
        setTitle(tr("Bonus digit"));
        hint_->setText(tr("This lottery's bonus is a digit 0 to 9 that the ticket gives or that you mark "
                          "on the playslip; it is not chosen here, and the tickets hold the main numbers "
                          "only."));
        return;
    }
    setTitle(tr("Bonus numbers: choose from 1 to %1").arg(poolSize));
    hint_->setText(perTicket == 1 ? tr("Every ticket carries 1 bonus number. Choose one, or several to share them "
                                       "evenly over the tickets.")
                                  : tr("Every ticket carries %1 bonus numbers. Choose at least %1; more are shared "
                                       "evenly over the tickets.")
                                        .arg(perTicket));
    for (int n = 1; n <= poolSize; ++n) {
        auto *b = new NumberButton(n, grid_);
        b->setFixedSize(45, 35);
        b->setAccessibleName(tr("Bonus %1").arg(n));
        connect(b, &QAbstractButton::clicked, this, [this, n] { tap(n); });
        gridLayout_->addWidget(b, (n - 1) / kColumns, (n - 1) % kColumns);
        buttons_ << b;
    }
    const int rows = (poolSize + kColumns - 1) / kColumns;
    if (rows > 0)
        grid_->setFixedHeight(35 * rows + gridLayout_->verticalSpacing() * (rows - 1));
    showSelection();
}

NumberButton *BonusPicker::button(int number) const
{
    return number >= 1 && number <= buttons_.size() ? buttons_[number - 1] : nullptr;
}

void BonusPicker::tap(int number)
{
    selection_.tap(number);
    showSelection();
}

void BonusPicker::pickAtRandom()
{
    // Up to what a ticket needs, then one more each time: several are spread over the tickets.
    const int missing = perTicket_ - selection_.count();
    selection_.drawRandom(missing > 0 ? missing : 1, random_);
    showSelection();
}

void BonusPicker::showSelection()
{
    for (NumberButton *b : std::as_const(buttons_))
        b->setLook(selection_.isChosen(b->number()) ? NumberButton::Look::Chosen : NumberButton::Look::Free);
    QStringList numbers;
    for (int n : selection_.chosen())
        numbers << QString::number(n);
    chosenLabel_->setText(numbers.isEmpty() ? tr("Bonus: none chosen")
                                            : tr("Bonus: %1").arg(numbers.join(QLatin1Char(' '))));
    clearButton_->setEnabled(selection_.count() > 0);
    randomButton_->setEnabled(selection_.count() < selection_.poolSize());
}
