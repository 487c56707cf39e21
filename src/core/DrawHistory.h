// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/DrawCheck.h"
#include "core/Play.h"
#include "core/StoredDraw.h"
#include "core/TicketFileReader.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include <atomic>
#include <optional>

// A history of draws: the results file a player downloads from his lottery, read line by line
// and checked against the lottery's facts, and tickets checked against all the draws at once.

// "5 17 3 41 9 12"; "5 17 3 41 9 12 + 7" with bonus numbers; " + 7 / 8" with supplementary too.
QString drawNumbersText(const StoredDraw &draw);

// What one column of a results file holds.
enum class ColumnRole { Ignore, Date, Main, Bonus, Supplementary };
QString columnRoleName(ColumnRole role);

// How a results file is laid out: what each column is, and whether the first line names the
// columns rather than holding a draw.
struct ResultsLayout {
    QList<ColumnRole> columns;
    bool header = false;
    bool isValid() const; // exactly one date column and at least one of main numbers
    // "D,M,M,M,M,M,M,B" and back, as the settings keep a layout; a text that is no layout
    // reads as an empty one.
    QString toText() const;
    static ResultsLayout fromText(const QString &text);
    bool operator==(const ResultsLayout &o) const { return columns == o.columns && header == o.header; }
};

// The cells of one line: split on the first of tab, semicolon or comma the line holds, else on
// blanks; quotes around a cell are taken off.
QStringList splitResultsLine(const QString &line);

// A date as results files write it: 2026-12-05, 2026/12/05, 20261205, 05.12.2026, 05/12/2026
// (day first) or 5 Dec 2026 style names are not taken. Null when the text is none of these.
QDate parseDrawDate(const QString &text);

// The layout the first lines suggest for these rules: the column that reads as a date, then as
// many number columns as the lottery draws main numbers, then its bonus and supplementary
// numbers; every other column ignored. A first line without a date is a header.
ResultsLayout guessLayout(const QList<QStringList> &firstLines, const DrawRules &rules);

// A line that could not be taken, and why ("12 is drawn twice", "\"2026-13-01\" is not a date").
struct BadLine {
    qint64 line = 0; // 1-based
    QString reason;
};

// Files larger than this are refused before a line is read; lines longer than this are bad.
inline constexpr qint64 maxResultsFileBytes = qint64{100} * 1024 * 1024;
inline constexpr int maxResultsLineChars = 4096;
// Bad lines past this many are counted, not listed.
inline constexpr int maxBadLinesListed = 1000;

struct ResultsRead {
    QString error;             // why the file as a whole cannot be read; empty when it was
    QList<StoredDraw> draws;   // the sound lines, in the file's order
    QList<BadLine> bad;        // the first maxBadLinesListed bad lines
    qint64 badCount = 0;       // all bad lines
    QList<QStringList> sample; // the cells of the first lines, for a preview
    ResultsLayout layout;      // the layout used
    bool ok() const { return error.isEmpty(); }
};

// Reads a results file line by line, never the whole at once: empty lines are skipped, every
// other line is a draw checked against `rules` (a date, the main numbers; bonus and
// supplementary numbers where the layout has columns for them and the line fills them) or a
// bad line with its reason. A second draw of a date already read is bad. A file over
// maxResultsFileBytes, one with a NUL byte near its start or one that is not text is refused.
// With no layout the layout is guessed from the first lines.
ResultsRead readResultsFile(const QString &path, const DrawRules &rules,
                            const std::optional<ResultsLayout> &layout = std::nullopt);
// The same over bytes already in memory (tests, standard input, a file read once), which the
// messages call `name` ("The results" when empty).
ResultsRead readResultsBytes(const QByteArray &bytes, const DrawRules &rules,
                             const std::optional<ResultsLayout> &layout = std::nullopt, const QString &name = {});

// "Line 4: 50 is outside the numbers 1 to 49", one a line, with "... and 12 more" past the list.
QString badLinesText(const ResultsRead &read, int most = maxBadLinesListed);

// The layout the player chose for a lottery's results files, kept in the settings under
// "ResultsLayout/<country>/<lottery>"; nothing when none was chosen.
std::optional<ResultsLayout> rememberedLayout(const QString &country, const QString &lottery);
void rememberLayout(const QString &country, const QString &lottery, const ResultsLayout &layout);

// "12 draws added, 3 already stored; 2 dates already hold other numbers, kept as stored:
// 2026-12-05, 2026-12-09".
QString drawsStoredText(const DrawsStored &stored);

// One draw checked against every ticket.
struct DrawOutcome {
    StoredDraw draw;
    int bestMain = 0;                 // the most main numbers any ticket matched
    int bestBonus = 0;                // the most bonus matches among the tickets with bestMain
    QMap<int, int> ticketsPerTier;    // tier index -> tickets, where the tiers are known
    QMap<int, int> ticketsPerMatches; // main matches -> tickets
    int unjudged = 0;                 // tickets whose tier hangs on numbers the line did not give
    QMap<QString, qint64> fixedWon;   // currency -> hundredths won in fixed-prize tiers
    bool sharedWon = false;
    bool unknownPrizeWon = false;
};

struct HistoryCheck {
    QList<DrawOutcome> draws; // in date order
    QList<TierRule> tiers;    // best first; empty when not known: rows count matches instead
    int tickets = 0;
    qint64 ticketsBought = 0; // tickets x draws
    std::optional<double> cost;
    QString currency;
    QMap<int, int> ticketsPerTier;    // over every draw
    QMap<int, int> ticketsPerMatches; // over every draw
    qint64 unjudged = 0;
    QMap<QString, qint64> fixedWon;
    bool sharedWon = false;
    bool unknownPrizeWon = false;
    int mostMain = 0; // the best match of any draw, for a chart's scale
};

// Checks every ticket against every draw, as checkDraw() checks one: each ticket's main
// matches and its tier where the tiers are known. The price, when known, gives the cost.
// `cancelled`, when given, is polled between draws: a check cancelled returns what it has.
HistoryCheck checkHistory(const QList<TicketNumbers> &tickets, const QList<StoredDraw> &draws,
                          const LotteryFacts &facts, std::optional<double> price = std::nullopt,
                          const QString &currency = QString(), const std::atomic_bool *cancelled = nullptr);

// The draws within [from, to] (either end may be null: open), in date order.
QList<StoredDraw> drawsBetween(const QList<StoredDraw> &draws, const QDate &from, const QDate &to);

// The tickets won in a row: "1 x 5 + bonus, 3 x 3 matches" where the tiers are known, else
// "2 x 4, 11 x 3" down to 2 matches; "none".
QString outcomeWinsText(const HistoryCheck &check, const DrawOutcome &row);
// The totals as lines: "Draws: 104", "Tickets bought: 2,080", "Cost: 4,160.00 CAD",
// "Fixed prizes won: 150.00 CAD", and the tickets per tier over all draws.
QStringList historyTotalsText(const HistoryCheck &check);
// The plain sentence shown beside a wheel's history.
QString pastDrawsSentence();

// One row of the history beside the odds: a prize tier, or where the tiers are not known "b or
// more matches" (tickets matching at least b main numbers).
struct OddsBesideRow {
    QString name;
    int drawsWon = 0;    // past: draws in which at least one ticket was in the row
    qint64 tickets = 0;  // past: tickets in the row over every draw
    double chance = 0;   // exact: P(at least one ticket is in the row) in a draw
    double expected = 0; // exact: tickets in the row per draw, on average
};

struct HistoryBesideOdds {
    qsizetype draws = 0;
    bool byMatches = false;    // rows count matches: the tiers are not known
    QList<OddsBesideRow> rows; // best first
    std::optional<OddsBesideRow> anyPrize;
    std::optional<FixedReturn> fixedExpected; // per draw, from the tiers with a fixed amount
    qint64 fixedWon = 0;                      // hundredths won over every draw, in its currency
    qint64 unjudged = 0;                      // tickets of the history in no row: not judged
};
// The history's figures and the exact odds of the same tickets, row by row.
HistoryBesideOdds historyBesideOdds(const HistoryCheck &check, const OddsQuestion &question, const ExactOdds &exact);
