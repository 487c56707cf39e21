// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/DrawCheck.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <optional>

// What the check command may know beyond the ticket file.
struct CheckContext {
    // The facts of the lottery a ticket file names, or std::nullopt when it is not known.
    // May be left empty: every file is then checked with what the file itself gives.
    std::function<std::optional<LotteryFacts>(const QString &country, const QString &lottery)> lotteryFacts;
};

// Exit statuses of the check command.
enum CheckStatus : int {
    CheckOk = 0,         // the file was read and checked (whether or not anything won)
    CheckBadFile = 1,    // the file cannot be read, is not a ticket file, or does not fit its lottery
    CheckBadCommand = 2, // the command line or the drawn numbers are wrong
};

// wheelwright check --draw "5 17 3 41 9 12" [--bonus 7] [--supplementary 8] [--digit 4] FILE
// arguments are those after "check". Prints the tickets that reach the lottery's lowest prize
// when it is known (else every ticket with at least 2 matches), best first, each with its
// matches, then the count of tickets per match count; then, where the lottery's prize tiers are
// known, each winning ticket's tier and prize, the tickets per tier and the fixed prizes won.
// On failure writes one line to err.
int runCheckCommand(const QStringList &arguments, QTextStream &out, QTextStream &err, const CheckContext &ctx);

// The command's help text, for "wheelwright check --help" and the program's own help.
QString checkCommandUsage();
