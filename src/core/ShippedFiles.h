// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A file shipped beside the program (the wheel database, the help page): resources/ next
// to the executable in the build tree, ../share/wheelwright once installed. Empty when it
// is in neither place.
QString shippedFile(const QString &name);

// Whether `path` is the wheel database shipped beside the program (proven when it was built).
bool isShippedDatabase(const QString &path);

// The player's own wheel library in the user's data folder; the window and the subcommands
// keep it in the same place (the application's name must be set first).
QString ownWheelsFile();

// The player's own lotteries, a text file beside his wheel library.
QString playerLotteriesFile();
