// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/TicketFileReader.h"

#include <QByteArray>
#include <QList>

// The tickets for a spreadsheet: a header row "N1,N2,...,N6,B1", then one ticket per row
// with one number per cell and the bonus numbers in their own columns after the main ones.
// A ticket shorter than the widest leaves its missing cells empty, so every row has as many
// cells as the header. Rows end in CR LF (as RFC 4180 has them); the text is UTF-8 without a
// byte-order mark: it holds only ASCII, which every spreadsheet reads the same in any
// encoding, and a mark would end up glued to "N1" in scripts and tools that do not expect one.
// No tickets give no text at all.
QByteArray ticketsCsv(const QList<TicketNumbers> &tickets);
