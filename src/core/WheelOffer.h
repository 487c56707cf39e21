// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// How a wheel is offered in the wheel list: the guarantee "3 if 4", seven blanks,
// "Tickets:" and its ticket count.
// A wheel of the player's own library carries a mark after its count.
QString wheelListEntry(const QString &guarantee, const QString &tickets, bool own = false);
bool isOwnEntry(const QString &entry);

// The guarantee in front of "Tickets:" less the seven blanks; nothing when the text holds
// no "Tickets:" or too little in front of it.
std::optional<QString> guaranteeOfEntry(const QString &entry);

// The ticket count after "Tickets:"; nothing when there is no whole number there.
std::optional<int> ticketCountOfEntry(const QString &entry);
