// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Odds.h"
#include "core/Play.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

struct PrizeTier;

// wheelwright odds --country C --lottery L --numbers Z --wheel "x if y" [--key] [--bonus B[,B]]
//                  [--json] [--database PATH]
// arguments are those after "odds". Prints the exact odds of the stored wheel for Z numbers
// of that lottery: a short table, or with --json one JSON object on one line. Exit statuses
// as WheelCommandStatus; on failure one line goes to err.
int runOddsCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);

// The command's help text, for "wheelwright odds --help" and the program's own help.
QString oddsCommandUsage();

// The JSON object of a computed table, one line without its line end:
// {"pool":N,"drawn":D,"numbers":Z,"tickets":T,"have":[{"j":0,"probability":p,"atLeast":[...]},...],
//  "atLeast":[...],"prize":P,...}. A key wheel's `have` rows are those given that its key
// number is drawn ("given":"key"), so its guarantee shows in them; `prize` is null when the
// lowest prize is not known or needs no main number. The fields keep this order.
QByteArray oddsJson(const odds::Table &table, bool keyWheel, const std::optional<PrizeTier> &lowestPrize);

// The same object followed by the draw's other parts and the prize tiers:
// ...,"supplementary":S,"bonusPool":M,"bonusDrawn":BD,"tiers":[{"name":..,"main":..,"extra":..,
// "supplementary":..,"bonus":..,"amount":A or null,"currency":C or null,"anyTicket":p,
// "expectedTickets":e},...],"anyPrize":P or null,"expectedReturn":R or null}. `extra` is what the
// tier needs of the separate bonus pool where the lottery has one, else of the supplementary
// numbers. `tiers` is empty and the last two null when the tiers are not known.
QByteArray oddsJson(const odds::Table &table, const OddsQuestion &question, const std::optional<odds::TierOdds> &tiers);
