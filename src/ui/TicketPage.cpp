// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TicketPage.h"

#include "ListTableModel.h"
#include "ui_TicketPage.h"

TicketPage::TicketPage(QWidget *parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TicketPage>()),
      model_(new ListTableModel(QStringLiteral("Ticket"), this))
{
    ui_->setupUi(this);
    showListIn(ui_->ticketTable, model_);
    ui_->ticketTable->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 11));
    ui_->ticketLotteryLabel->setMinimumWidth(320);
    // Until tickets are made the table shows one blank row.
    model_->setRows({QString()});
    connect(ui_->saveButton, &QAbstractButton::clicked, this, &TicketPage::saveRequested);
    connect(ui_->textViewButton, &QAbstractButton::clicked, this, &TicketPage::textViewRequested);
}

TicketPage::~TicketPage() = default;

void TicketPage::showTickets(const QString &lotteryName, const QStringList &tickets)
{
    model_->setRows(tickets);
    ui_->ticketLotteryLabel->setText(lotteryName);
    ui_->ticketCountLabel->setText(QStringLiteral("Total Tickets:%1").arg(tickets.size()));
}

const QStringList &TicketPage::tickets() const
{
    return model_->rows();
}

void TicketPage::setActive(bool active)
{
    for (QWidget *w : {static_cast<QWidget *>(ui_->saveButton), static_cast<QWidget *>(ui_->textViewButton),
                       static_cast<QWidget *>(ui_->saveHint)})
        w->setEnabled(active);
}
