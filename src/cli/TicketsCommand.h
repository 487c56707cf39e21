// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// wheelwright tickets --country C --lottery L --numbers 3,17,40,... [--bonus 7[,9]]
//                     --wheel "x if y" [--key] [--format "05-17-03-41"] [--database PATH]
// arguments are those after "tickets". Prints the tickets of the stored wheel over the given
// numbers, one per line, exactly as the saved ticket file's lines (without its header), with
// LF line ends. Exit statuses as WheelCommandStatus; on failure one line goes to err.
int runTicketsCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);

// The ticket format 0..7 whose example text this is ("5 17 3 41" ... "05, 17, 03, 41"); -1
// for any other text.
int ticketFormatOfExample(const QString &example);

// The command's help text, for "wheelwright tickets --help" and the program's own help.
QString ticketsCommandUsage();
