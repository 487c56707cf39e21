// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A file shipped beside the program (the wheel database, the help page): resources/ next
// to the executable in the build tree, ../share/wheelwright once installed. Empty when it
// is in neither place.
QString shippedFile(const QString &name);
