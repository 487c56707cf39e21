// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

class ListTableModel;
namespace Ui {
class TicketPage;
}

// The last page: the tickets made, their count, Save and Text view.
class TicketPage : public QWidget {
    Q_OBJECT
public:
    explicit TicketPage(QWidget *parent = nullptr);
    ~TicketPage() override;

    void showTickets(const QString &lotteryName, const QStringList &tickets);
    const QStringList &tickets() const;
    // Save and Text view work only while the tickets are shown.
    void setActive(bool active);

signals:
    void saveRequested();
    void textViewRequested();

private:
    std::unique_ptr<Ui::TicketPage> ui_;
    ListTableModel *model_;
};
