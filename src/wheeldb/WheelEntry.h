// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// "3 if 4" + seven blanks + "Tickets:" + "12": how a wheel is offered in the wheel list.
QString wheelEntry(const QString &xyoption, const QString &ticket);

// The xy option in front of "Tickets:" less the seven blanks; nothing when the text holds
// no "Tickets:" or too little in front of it.
std::optional<QString> xyOptionOf(const QString &entry);
