// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QBoxLayout;

#include "core/DrawCheck.h"
#include "core/Odds.h"
#include "core/Play.h"

#include <QFuture>
#include <QGroupBox>

#include <atomic>
#include <memory>
#include <optional>

class QLabel;
class QTableWidget;
class OddsChart;

// The exact odds of the chosen wheel: for each count j of drawn numbers among the player's, its
// chance and the chance that the best ticket matches at least b; the chance of a prize; the
// tickets expected at each match count; a bar chart of the chances over all draws. Counting
// runs on a worker thread; a fresh wheel drops the one still being counted, so the page never
// waits and never shows the odds of a wheel no longer chosen.
class WheelOddsPanel : public QGroupBox {
    Q_OBJECT
public:
    // The wheel, its lottery and its guarantee, as the play model asks the question.
    using Request = OddsQuestion;

    explicit WheelOddsPanel(QWidget *parent = nullptr);
    ~WheelOddsPanel() override;

    // Starts counting the odds of this wheel, dropping any count still running.
    void showOdds(const Request &request);
    // No odds to show: `why` stands in their place; a count still running is dropped.
    void showNothing(const QString &why);

    // The table shown, or nothing while counting or when there is none (tests compare it).
    const std::optional<odds::Table> &shownTable() const { return shown_; }
    // Counts dropped unfinished because a fresh choice came first.
    int cancelledCount() const { return cancelled_; }

signals:
    // A table was shown for the wheel now chosen.
    void oddsShown();

private:
    struct Result {
        odds::Status status = odds::Status::Invalid;
        odds::Table table;
        QString error;
    };
    void dropRunning();
    void present(const Request &request, const odds::Table &table);

    QBoxLayout *row_ = nullptr; // the table beside the chart, or above it when too wide
    QLabel *status_;
    QLabel *keyNote_;
    QTableWidget *table_;
    OddsChart *chart_;
    QLabel *prize_;
    QLabel *expected_;
    QLabel *guaranteeNote_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    QList<QFuture<Result>> running_;
    quint64 generation_ = 0;
    std::optional<odds::Table> shown_;
    int cancelled_ = 0;
};
