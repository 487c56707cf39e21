// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Catalogue.h"
#include "core/Odds.h"
#include "core/TicketFileReader.h"
#include "core/WheelOffer.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <optional>
#include <vector>

class WheelShelf;

// The rules of play, written once for the window and the command line: a lottery's facts, the
// player's numbers (the first the key) and bonus numbers, and a wheel give the tickets; the
// same give the odds question and the ticket file.

// A lottery as it is played.
struct PlayedLottery {
    QString country;
    QString name;
    LotteryDetails details;
};

// Why the database's facts of a lottery cannot be played (a pool the grid cannot show, a
// ticket of no numbers or of the whole pool, more bonus numbers marked than its bonus pool
// holds), or an empty text when they can. The fault is the database's, never the player's.
QString lotteryFault(const PlayedLottery &lottery);

// The tickets made or opened, with what the saved file says about them.
struct TicketSheet {
    QString country;
    QString lottery;
    int key = 0;    // the key number; 0 when none
    int format = 0; // ticket format 0..7
    QList<TicketNumbers> tickets;
    QString wheel; // "Key wheel for 10 numbers, guarantee 3 if 4"; empty for an opened file

    bool isEmpty() const { return tickets.isEmpty(); }
    // One text a ticket in the sheet's format, as the ticket table and the file show them.
    QStringList lines() const;
    // The text of the ticket file, and its bytes on disk (UTF-16, byte-order mark first).
    QString fileText() const;
    QByteArray fileBytes() const;
};

// The tickets of a wheel's lines over the numbers: place p + 1 of each line is numbers[p], in
// the order of the places; every ticket then carries `bonusPerTicket` of the bonus numbers,
// dealt round the tickets in turn. Lines must name places within the numbers (see
// readWheelLines()).
QList<TicketNumbers> ticketsOfWheel(const std::vector<wheel::Line> &lines, const QList<int> &numbers,
                                    const QList<int> &bonus, int bonusPerTicket);

struct PlayRequest {
    PlayedLottery lottery;
    QList<int> numbers; // in the order chosen; the first is the key
    QList<int> bonus;   // from the separate bonus pool, in the order chosen
    WheelOffer wheel;
    int format = 0;
};

struct PlayOutcome {
    TicketSheet sheet;
    QString problem; // why the wheel cannot be played ("its line ... is empty"); empty when it was
    bool ok() const { return problem.isEmpty(); }
};

// Reads the wheel's lines from the shelf and makes the tickets. A damaged wheel makes none.
// Throws QueryError when the database cannot be read.
PlayOutcome play(const PlayRequest &request, const WheelShelf &shelf);

// What the odds of a wheel are counted from: the draw, the lines, the guarantee, the lowest
// prize and the prize tiers.
struct OddsQuestion {
    odds::Lottery lottery; // with its supplementary numbers and bonus pool
    odds::Wheel wheel;
    bool keyWheel = false;
    std::optional<Guarantee> guarantee;
    QString label; // the guarantee as the list names it
    std::optional<PrizeTier> lowestPrize;
    QList<TierRule> tiers; // best first; empty when the lottery's tiers are not known
    QList<int> bonus;      // the player's bonus numbers, dealt over the tickets as play() deals them
    int bonusPerTicket = 0;
    std::optional<double> price; // one ticket's, when known
    QString currency;            // of the price
    // Main matches of the lowest prize, counted where the tier needs main numbers the draw can
    // give; 0 when none is counted.
    int lowestPrizeMain() const;
    // The tickets with the bonus numbers each carries, and the tiers, as the tier count takes them.
    odds::TierQuestion tierQuestion() const;
};

// `bonus`: the player's bonus numbers, when the lottery has a bonus pool.
OddsQuestion oddsQuestion(const LotteryDetails &lottery, const WheelOffer &wheel, const std::vector<wheel::Line> &lines,
                          const QList<int> &bonus = {});
// The same for a lottery known by name: where its bonus number is a digit the ticket comes with
// (bonusIsDigit()) and the player gave none, every ticket is counted with one digit, the same on
// all, which the draw's digit matches one time in the pool's size.
OddsQuestion oddsQuestion(const PlayedLottery &lottery, const WheelOffer &wheel, const std::vector<wheel::Line> &lines,
                          const QList<int> &bonus = {});

// The exact odds of a wheel's tickets: per prize tier where the lottery's tiers are known, else
// the match table.
struct ExactOdds {
    std::optional<odds::TierOdds> tiers;
    std::optional<odds::Table> matches;
    int lowestPrizeMain = 0; // main matches of the lowest prize, for the match table's any prize
    QString problem;         // why they could not be counted; empty when they were
    bool cancelled = false;
    bool ok() const { return problem.isEmpty() && !cancelled && (tiers || matches); }
};
// Counts the question's odds, the tiers or else the match table; `cancelled`, when given, stops the count.
ExactOdds countExactOdds(const OddsQuestion &question, const std::atomic_bool *cancelled = nullptr);

// What the fixed prizes of the tiers return per draw, on average: the sum over the tiers with a
// fixed amount of the tickets expected in them times the amount. Tiers that share a pool (or a
// jackpot) are not in it. Nothing when no tier has a fixed amount.
struct FixedReturn {
    double amount = 0; // in the currency's units
    QString currency;
};
std::optional<FixedReturn> expectedFixedReturn(const QList<TierRule> &tiers, const odds::TierOdds &odds);

// Checks the tickets of a file against the lottery it names: main and bonus numbers within
// their pools (a lottery without a bonus pool takes none), the key number, and as many main
// numbers on every ticket as the lottery's ticket holds. The first fault, naming its line.
TicketFileError ticketsFitLottery(const TicketFileContents &file, const PlayedLottery &lottery);

// The sheet of tickets a file holds, shown as the file wrote them.
TicketSheet sheetOfFile(const TicketFileContents &file);
