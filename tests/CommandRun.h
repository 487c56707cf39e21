// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Runs the program's command line in the test's own process and keeps what it printed.
#pragma once

#include "cli/CommandLine.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

struct CommandRun {
    int status = -1;
    QString out;
    QString err;
};

inline CommandRun runCommand(const QStringList &arguments)
{
    CommandRun r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    WindowOptions window;
    r.status = answerCommandLine(arguments, out, err, window).value_or(-1);
    out.flush();
    err.flush();
    return r;
}
