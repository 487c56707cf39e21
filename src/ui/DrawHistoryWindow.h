// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/DrawHistory.h"
#include "core/Play.h"

#include <QWidget>

#include <atomic>
#include <memory>
#include <thread>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class BestMatchChart;

// Tickets against a lottery's stored draws: one row a draw, the totals, and a chart of the
// best match per draw. The count runs on a thread of its own and is posted back, so a long
// history never stops the window. For a wheel's tickets the window says in plain words that
// past draws do not change the odds of any draw to come.
class DrawHistoryWindow : public QWidget {
    Q_OBJECT
public:
    explicit DrawHistoryWindow(QWidget *parent = nullptr);
    ~DrawHistoryWindow() override;

    // The lottery, its tickets, and the library the draws are kept in; `forWheel` shows the
    // sentence on past draws. Counts at once over every stored draw.
    void setTickets(const PlayedLottery &lottery, const QList<TicketNumbers> &tickets, const QString &libraryPath,
                    bool forWheel = false);
    // The last count shown; empty until one is done.
    const HistoryCheck &result() const { return result_; }
    bool counting() const { return worker_.joinable() && !done_; }

public slots:
    // Reads the dates, the stored draws between them, and counts again.
    void recount();
    // Asks for a results file and opens the import dialog for it.
    void importResults();

signals:
    // A row was double-clicked: the draw, to be shown in the single-draw check.
    void drawChosen(const StoredDraw &draw);
    // A count was shown.
    void counted();

private:
    void stopWorker();
    void showResult(const HistoryCheck &check, quint64 generation);

    PlayedLottery lottery_;
    QList<TicketNumbers> tickets_;
    QString libraryPath_;
    HistoryCheck result_;
    QLabel *title_;
    QLabel *sentence_;
    QLineEdit *from_;
    QLineEdit *to_;
    QPushButton *countButton_;
    QPushButton *importButton_;
    QTableWidget *table_;
    BestMatchChart *chart_;
    QLabel *totals_;
    QLabel *status_;
    std::thread worker_;
    std::shared_ptr<std::atomic_bool> cancelled_;
    std::atomic_bool done_{true};
    quint64 generation_ = 0;
};
