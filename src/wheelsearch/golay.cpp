// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "golay.h"

#include <algorithm>
#include <bit>

namespace wheel {

std::vector<Entry> golayWheels()
{
    // The cyclic [23,12,7] code has generator x^11 + x^10 + x^6 + x^5 + x^4 + x^2 + 1;
    // its twelve shifts span it, and a parity position makes every weight divisible by 4.
    constexpr Line generator = (1u << 11) | (1u << 10) | (1u << 6) | (1u << 5) | (1u << 4) | (1u << 2) | 1u;
    std::vector<Line> octads;
    for (Line combination = 0; combination < (1u << 12); ++combination) {
        Line word = 0;
        for (int shift = 0; shift < 12; ++shift)
            if (combination & (1u << shift))
                word ^= generator << shift;
        if (std::popcount(word) % 2)
            word |= 1u << 23;
        if (std::popcount(word) == 8)
            octads.push_back(word);
    }
    std::vector<Entry> wheels;
    for (int fixed = 0; fixed <= 3; ++fixed) {
        // Octads through the last `fixed` positions, those positions taken away.
        const int z = 24 - fixed;
        const Line tail = ((1u << fixed) - 1u) << z;
        Entry e;
        e.spec = {8 - fixed, 'a', z, 5 - fixed, 5 - fixed};
        for (Line o : octads)
            if ((o & tail) == tail)
                e.lines.push_back(o & ~tail);
        std::sort(e.lines.begin(), e.lines.end(), lineLess);
        e.note = "constructed from the binary Golay code";
        wheels.push_back(std::move(e));
    }
    return wheels;
}

} // namespace wheel
