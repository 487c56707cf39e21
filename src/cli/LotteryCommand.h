// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// wheelwright lottery list [--country C]
// wheelwright lottery show|export|reset --country C --lottery L [--output FILE]
// wheelwright lottery import FILE
// arguments are those after "lottery". Lists the lotteries (the player's marked), prints or
// writes one in the player's lottery file form, takes the lotteries of a file into the player's
// own, or drops the player's facts of one. Exit statuses as WheelCommandStatus; on failure one
// line goes to err. --lotteries PATH and --database PATH use other files than the window's.
int runLotteryCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);

// The command's help text.
QString lotteryCommandUsage();
