// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/NumberGridLayout.h"

namespace {
// The frames are laid out bottom-up from y = 326 in a view 400 high; turned to a top-left
// origin, row r stands at 400 - (326 - 40 r + 35) = 39 + 40 r.
constexpr int kTop = 39;
} // namespace

QRect numberButtonFrame(int n)
{
    const int row = (n - 1) / 9;
    const int column = (n - 1) % 9;
    const float x = 40.0f + 73.0f * static_cast<float>(column);
    const float y = 326.0f - 40.0f * static_cast<float>(row);
    const int top = kTop + 326 - static_cast<int>(y);
    return {static_cast<int>(x), top, 45, 35};
}

QSize numberGridSize(int count)
{
    const int rows = count > 0 ? (count + 8) / 9 : 0;
    // As high as its rows need: a taller grid would scroll an empty margin beside the bonus box.
    return {40 + 73 * 8 + 45 + 40, kTop + 40 * rows + 30};
}
