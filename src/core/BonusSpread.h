// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// The bonus numbers ticket `index` carries when the player chose `bonus` from a separate bonus
// pool and every ticket takes `perTicket` of them. The chosen numbers are dealt round the
// tickets in turn, `perTicket` at a time, so each is played about equally often: with one per
// ticket ticket i gets bonus[i mod count]; with two of 7, 12, 20 the tickets carry 7 12, 20 7,
// 12 20, ... A ticket never holds a number twice. Fewer chosen than `perTicket`: every ticket
// carries all of them. Empty when nothing was chosen or `perTicket` is below 1.
QList<int> bonusForTicket(const QList<int> &bonus, int perTicket, qsizetype index);
