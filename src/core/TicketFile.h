// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The text of a ticket file, as saved and as the Text window shows it: "Country:",
// "Lottery:" and "Key:" lines, an empty line, then one ticket a line, CR LF throughout.
QString ticketFileText(const QString &country, const QString &lottery, int key, const QStringList &tickets);

// The bytes on disk: UTF-16 in this machine's byte order, byte-order mark first.
QByteArray ticketFileBytes(const QString &text);

// Replaces the file at `path` with `bytes` whole or not at all. Returns the file's name and
// what went wrong in plain words ("The disk is full."), or an empty text when it was written.
QString writeWholeFile(const QString &path, const QByteArray &bytes);
