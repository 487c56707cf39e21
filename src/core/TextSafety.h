// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Text read from a file or a database goes back to the player in messages and to a terminal;
// it may hold anything. These make it one harmless line.

// The text with every character that does not print (control characters, escape sequences'
// ESC, NUL, line breaks) shown as "?".
QString withoutControls(const QString &text);

// The text in double quotes, cut to `most` characters with "..." after, controls shown as "?".
QString quotedForMessage(const QString &text, qsizetype most = 40);
