// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>

// The reasons lotteryrules gives for refusing a lottery's facts are plain English, as wheelgen
// and the command line print them (that code has no Qt). The window reads them back against the
// list of their wordings and shows them in its language, figures and names kept. A reason of no
// known wording is shown as it is.
QString translatedLotteryFault(const std::string &reason);
// Whether `reason` reads as one of the known wordings (for the test that keeps the list complete).
bool knownLotteryFault(const std::string &reason);
