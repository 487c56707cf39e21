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
// tickets expected at each match count; a bar chart of the chances over all draws. Under them the
// prize tiers: per tier the chance that at least one ticket wins it and the tickets expected in
// it, the chance of any prize, and what the fixed prizes return per draw against the cost.
// Counting runs on worker threads, the tiers apart from the table as they may take longer; a
// fresh wheel drops the counts still running, so the page never waits and never shows the odds
// of a wheel no longer chosen.
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
    // The prize tiers shown, or nothing while counting or when the lottery's tiers are not known.
    const std::optional<odds::TierOdds> &shownTiers() const { return shownTiers_; }
    // Counts dropped unfinished because a fresh choice came first.
    int cancelledCount() const { return cancelled_; }

signals:
    // A table was shown for the wheel now chosen.
    void oddsShown();
    // The prize tiers of the wheel now chosen were shown, or said to be unknown or not countable.
    void tiersShown();

private:
    struct Result {
        odds::Status status = odds::Status::Invalid;
        odds::Table table;
        QString error;
    };
    struct TierResult {
        odds::Status status = odds::Status::Invalid;
        odds::TierOdds odds;
        QString error;
    };
    void dropRunning();
    void present(const Request &request, const odds::Table &table);
    void countTiers(const Request &request);
    void presentTiers(const Request &request, const odds::TierOdds &tiers);
    void showTierNote(const QString &text);

    QBoxLayout *row_ = nullptr; // the table beside the chart, or above it when too wide
    QLabel *status_;
    QLabel *keyNote_;
    QTableWidget *table_;
    OddsChart *chart_;
    QLabel *prize_;
    QLabel *expected_;
    QLabel *guaranteeNote_;
    QLabel *tiersTitle_;
    QLabel *tiersStatus_; // counting, not known, cannot be counted
    QTableWidget *tiersTable_;
    QLabel *tiersSummary_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    QList<QFuture<Result>> running_;
    QList<QFuture<TierResult>> runningTiers_;
    quint64 generation_ = 0;
    std::optional<odds::Table> shown_;
    std::optional<odds::TierOdds> shownTiers_;
    int cancelled_ = 0;
};
