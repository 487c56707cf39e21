// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TicketPage.h"

#include "ui/TicketTable.h"
#include "ui_TicketPage.h"

TicketPage::TicketPage(QWidget *parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TicketPage>()), model_(new TicketTableModel(this))
{
    ui_->setupUi(this);
    showListIn(ui_->ticketTable, model_);
    ui_->ticketTable->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 11));
    ui_->ticketTable->setItemDelegate(new TicketMatchDelegate(ui_->ticketTable));
    ui_->ticketLotteryLabel->setMinimumWidth(320);
    // Until tickets are made the table shows one blank row.
    model_->setRows({QString()});
    connect(ui_->saveButton, &QAbstractButton::clicked, this, &TicketPage::saveRequested);
    connect(ui_->textViewButton, &QAbstractButton::clicked, this, &TicketPage::textViewRequested);
    connect(ui_->checkButton, &QAbstractButton::clicked, this, &TicketPage::checkDrawRequested);
    connect(ui_->checkDrawsButton, &QAbstractButton::clicked, this, &TicketPage::checkDrawsRequested);
}

TicketPage::~TicketPage() = default;

void TicketPage::showSheet(const TicketSheet &sheet)
{
    sheet_ = sheet;
    model_->clearMatches();
    model_->setRows(sheet.lines());
    ui_->ticketLotteryLabel->setText(sheet.lottery);
    ui_->ticketCountLabel->setText(tr("Total Tickets:%1").arg(sheet.tickets.size()));
    emit ticketsShown();
}

void TicketPage::setActive(bool active)
{
    for (QWidget *w : {static_cast<QWidget *>(ui_->saveButton), static_cast<QWidget *>(ui_->textViewButton),
                       static_cast<QWidget *>(ui_->checkButton), static_cast<QWidget *>(ui_->checkDrawsButton),
                       static_cast<QWidget *>(ui_->saveHint)})
        w->setEnabled(active);
}

void TicketPage::showMatches(const QList<TicketCheck> &checks, bool bonusFromMainPool)
{
    model_->showMatches(checks, bonusFromMainPool);
}

void TicketPage::clearMatches()
{
    model_->clearMatches();
}
