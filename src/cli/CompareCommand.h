// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/WheelComparison.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTextStream>

// wheelwright compare --country C --lottery L --numbers Z [--budget B] [--bonus B[,B]] [--json]
//                     [--database PATH] [--library PATH]
// arguments are those after "compare". Prints every wheel for Z numbers of the lottery with
// what it costs and buys, and which one the budget buys best. Exit statuses as
// WheelCommandStatus; on failure one line goes to err.
int runCompareCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);

QString compareCommandUsage();

// One wheel as a JSON object on one line, the fields in this order: "guarantee", "type" ("a" or
// "key"), "origin" ("shipped", "own", "every combination"), "tickets", "cost", "anyPrize",
// "chances" ([{"name":..,"chance":p},...]), "fixedReturn", "returnPerUnit", "overBudget",
// "best"; a figure not known is null.
QByteArray comparedWheelJson(const ComparedWheel &wheel, const ChanceColumns &columns, bool overBudget, bool best);
