// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// Where number n's button stands: nine to a row, 73 points apart, rows 40 points apart,
// 45 x 35 each, row 0 at the top. Pools up to 99 fit; the grid view grows to hold them.
QRect numberButtonFrame(int n);
// The size the grid view needs for a pool of `count` numbers.
QSize numberGridSize(int count);
