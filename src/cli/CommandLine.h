// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

// What the window starts with when the command line asks for it.
struct WindowOptions {
    QString databasePath; // empty: the database shipped beside the program
};

// The program's command line, answered without a display: --help, --version and the
// subcommands. `arguments` are those after the program's name. Returns the exit status
// when the command line was answered here, or nothing when the window should open (then
// `window` holds its options).
std::optional<int> answerCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err,
                                     WindowOptions &window);

// True when the arguments ask for something that needs no display.
bool needsNoDisplay(const QStringList &arguments);
