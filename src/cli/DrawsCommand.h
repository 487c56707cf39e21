// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/DrawHistory.h"
#include "core/Play.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTextStream>

// wheelwright draws import|list|check: a lottery's history of draws in the player's library.
// `arguments` are those after "draws". Exit statuses as the other subcommands: 0 done, 1 a
// file, the database or the library could not be used (or a results file held bad lines and
// --skip-bad was not given), 2 the command line is wrong.
int runDrawsCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);
QString drawsCommandUsage();

// The per-draw table and the totals, as plain text.
void printHistoryCheck(QTextStream &out, const HistoryCheck &check);

// Checks a ticket file against the draws of a results file (not the library) within [from, to]:
// what `check --draws RESULTS FILE` prints. The results file is read with the layout remembered
// for the lottery, else the one its first lines suggest; its bad lines are told on `err` and
// left out. Returns the exit status.
// wheelwright check --draws RESULTS [--from DATE] [--to DATE] [--country C --lottery L] FILE:
// `arguments` are those after "check". The lottery is the one the ticket file names, or the one
// given where the file names none (printed lines, CSV).
int runCheckDrawsCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);

int checkTicketsAgainstResults(const PlayedLottery &lottery, const QString &resultsPath, const QDate &from,
                               const QDate &to, const QString &ticketPath, QTextStream &out, QTextStream &err,
                               const QString &command = QStringLiteral("check"));
