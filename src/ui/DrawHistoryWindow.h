// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/DrawHistory.h"
#include "core/Play.h"

#include <QWidget>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class BestMatchChart;

// Tickets against a lottery's stored draws: one row a draw, the totals, and a chart of the
// best match per draw. The count runs on a thread of its own and is posted back, so a long
// history never stops the window. For a wheel's tickets the window says in plain words that
// past draws do not change the odds of any draw to come, and sets the exact odds of the same
// tickets beside what the draws gave: counted once on the same thread, after the history.
class DrawHistoryWindow : public QWidget {
    Q_OBJECT
public:
    explicit DrawHistoryWindow(QWidget *parent = nullptr);
    ~DrawHistoryWindow() override;

    // The lottery, its tickets, and the library the draws are kept in; `wheelOdds`, the question
    // a wheel's tickets were made from, shows the sentence on past draws and the exact odds.
    // Counts at once over every stored draw.
    void setTickets(const PlayedLottery &lottery, const QList<TicketNumbers> &tickets, const QString &libraryPath,
                    const std::optional<OddsQuestion> &wheelOdds = std::nullopt);
    // The last count shown; empty until one is done.
    const HistoryCheck &result() const { return result_; }
    // The history beside the exact odds, once both are counted; nothing for tickets of no wheel.
    const std::optional<HistoryBesideOdds> &besideOdds() const { return beside_; }
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
    // The exact odds were shown beside it (or why they could not be counted).
    void oddsShown();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void stopWorker();
    void showResult(const HistoryCheck &check, quint64 generation);
    void showOdds(const ExactOdds &exact, quint64 generation);
    void showBeside();

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
    QWidget *oddsBox_;
    QLabel *oddsStatus_;
    QTableWidget *oddsTable_;
    QLabel *oddsNote_;
    std::optional<OddsQuestion> question_;
    std::optional<ExactOdds> exact_; // of the tickets shown, kept over counts of other dates
    std::optional<HistoryBesideOdds> beside_;
    std::thread worker_;
    std::shared_ptr<std::atomic_bool> cancelled_;
    std::atomic_bool done_{true};
    quint64 generation_ = 0;
};
