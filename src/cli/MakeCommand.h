// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// Exit statuses of the make command.
enum MakeStatus : int {
    MakeOk = 0,         // a proven wheel was printed
    MakeNotFound = 1,   // no wheel within the ticket limit and the time (or the proof failed)
    MakeNotWritten = 1, // the wheel (or the help) could not be written to the output
    MakeBadCommand = 2, // the command line asks for something that cannot be made
};

// wheelwright make --pick K --numbers Z --wheel "x if y" [--key] [--seconds S] [--threads N]
//                  [--most T] [--seed N]
// arguments are those after "make". Progress goes to err about once a second; the proven
// wheel goes to out in the wheel file format. On failure writes one line to err.
int runMakeCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);

// The command's help text, for "wheelwright make --help" and the program's own help.
QString makeCommandUsage();
