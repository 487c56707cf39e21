// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <QStringList>

// The text of a ticket file, as saved and as the Text window shows it: "Country:",
// "Lottery:" and "Key:" lines, an empty line, then one ticket a line, CR LF throughout.
QString ticketFileText(const QString &country, const QString &lottery, int key, const QStringList &tickets);

// The bytes on disk: UTF-16 in this machine's byte order, byte-order mark first.
QByteArray ticketFileBytes(const QString &text);

// Replaces the file at `path` with `bytes` whole or not at all. Returns the file's name and
// what went wrong in plain words ("The disk is full."), or an empty text when it was written.
// Only a regular file (or a link to one) is replaced, or a new one made: a device, a pipe, a
// socket or a folder at `path` is refused and left as it is.
QString writeWholeFile(const QString &path, const QByteArray &bytes);

// Why a write failed, in plain words without the file's name. `systemError` is the errno the
// failing call left (0 when unknown) and goes first; then the file device's error and words.
QString writeFailureInWords(int systemError, QFileDevice::FileError error, const QString &errorString);
