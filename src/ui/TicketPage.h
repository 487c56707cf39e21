// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/DrawCheck.h"
#include "core/Play.h"

#include <QWidget>

#include <memory>

class TicketTableModel;
namespace Ui {
class TicketPage;
}

// The last page: the tickets made or opened, their count, Save, Text view and the check of a
// draw, whose matches the table then shows.
class TicketPage : public QWidget {
    Q_OBJECT
public:
    explicit TicketPage(QWidget *parent = nullptr);
    ~TicketPage() override;

    // Shows the tickets of the sheet, numbers kept as numbers; the table shows them as text.
    void showSheet(const TicketSheet &sheet);
    // The tickets shown, with their lottery and key; empty until tickets are made or opened.
    const TicketSheet &sheet() const { return sheet_; }
    // Save, Text view and the check of a draw work only while the tickets are shown.
    void setActive(bool active);
    // Marks each ticket's matches, one check a row; new tickets clear them.
    void showMatches(const QList<TicketCheck> &checks, bool bonusFromMainPool);
    void clearMatches();

signals:
    void saveRequested();
    void textViewRequested();
    void checkDrawRequested();
    // "Check draws...": the tickets shown against the lottery's stored draws.
    void checkDrawsRequested();
    // Other tickets replaced the ones shown.
    void ticketsShown();

private:
    std::unique_ptr<Ui::TicketPage> ui_;
    TicketTableModel *model_;
    TicketSheet sheet_;
};
