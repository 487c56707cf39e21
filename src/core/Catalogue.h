// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/DrawCheck.h"
#include "core/LotteryRules.h"
#include "core/WheelOffer.h"

#include <QString>
#include <QStringList>

#include <optional>

class Database;
class PlayerLotteries;
struct PlayerLottery;

// What the number page needs of a lottery: the pool to choose from and the numbers a
// ticket holds.
struct LotteryShape {
    int pool = 0;
    int pick = 0;
    // A pool the grid can show, and room to choose more numbers than a ticket holds, as
    // every wheel needs. A damaged row (text, NULL, a negative or huge number) is not.
    bool playable() const { return pool >= 2 && pool <= 99 && pick >= 1 && pick < pool; }
};

// All that is known of a lottery. The facts beyond pool and pick may be missing from a
// database of the player's own; they are then taken as the plainest game: `pick` numbers
// drawn, no bonus, no known prize or price.
struct LotteryDetails {
    LotteryFacts facts; // facts.drawn is the pick; bonusDrawn what the player picks from a bonus pool
    int pick = 0;
    std::optional<double> price; // one ticket's price, when a public source states it
    QString currency;            // ISO code of the price
};

// The facts of a lottery as LotteryDetails holds them (the lowest prize, tiers and price
// included): how a lottery of the player's is played.
LotteryDetails detailsOf(const LotteryRow &row, bool bonusIsTicketDigit);

// The questions the program asks of the wheel database and of the player's own lotteries,
// which are listed with the shipped ones: one of the same country and name stands in the
// shipped one's place and its facts are the ones given. Every value is bound, so a name
// holding a quote is just a name; rows come in the order they are stored, which is the
// order the player sees. A failed query throws QueryError.
class Catalogue {
public:
    explicit Catalogue(const Database &database, const PlayerLotteries *player = nullptr)
        : database_(database), player_(player)
    {
    }
    void setPlayerLotteries(const PlayerLotteries *player) { player_ = player; }
    const PlayerLotteries *playerLotteries() const { return player_; }

    // The shipped lotteries in stored order, then the player's that are not shipped.
    QStringList lotteryNames(const QString &country) const;
    // Whether the lottery is the player's (his own or his facts for a shipped one), and
    // whether the shipped database has one of that name.
    bool isPlayers(const QString &country, const QString &lottery) const;
    bool isShipped(const QString &country, const QString &lottery) const;
    // "Facts as of 2026-12", "Your lottery, changed 2026-12-10"; empty when nothing is known.
    QString factsNote(const QString &country, const QString &lottery) const;
    // The lottery's facts as the player's file would hold them, for a copy to edit; the
    // shipped facts when `shipped`, whatever the player has made of them.
    std::optional<LotteryRow> row(const QString &country, const QString &lottery, bool shipped = false) const;
    // The lottery's pool and pick; nothing when the lottery is not listed. A value that is not
    // a whole number reads as 0.
    std::optional<LotteryShape> shape(const QString &country, const QString &lottery) const;
    // Pool, pick and the facts of the lottery; nothing when the lottery is not listed.
    std::optional<LotteryDetails> details(const QString &country, const QString &lottery) const;
    // The lottery's prize tiers, best first; empty when the database knows none for it (or is
    // from before the tiers) or a row is one no ticket of these facts could match.
    QList<TierRule> tiers(const QString &country, const QString &lottery, const LotteryFacts &facts) const;
    // The shipped wheels for `numbers` chosen numbers, in the order stored. A ticket count that
    // is not a whole number reads as -1.
    QList<WheelOffer> offers(int pick, WheelType type, int numbers) const;
    // The lines of one wheel as stored, "01-02-05-..." (see readWheelLines()).
    QStringList storedLines(const WheelOffer &wheel) const;

private:
    std::optional<LotteryDetails> shippedDetails(const QString &country, const QString &lottery) const;
    QList<TierRule> shippedTiers(const QString &country, const QString &lottery, const LotteryFacts &facts) const;
    const PlayerLottery *players(const QString &country, const QString &lottery) const;

    const Database &database_;
    const PlayerLotteries *player_ = nullptr;
};
