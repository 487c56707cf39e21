// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Wheels written in the tests as the data files write them.
#pragma once

#include "wheelsearch/wheel.h"

#include <QtGlobal>

#include <initializer_list>
#include <string>
#include <vector>

// The lines "01-02-03", ... of a wheel on z numbers; a test line that does not read stops the test.
inline std::vector<wheel::Line> lines(std::initializer_list<const char *> texts, int z)
{
    std::vector<wheel::Line> out;
    for (const char *t : texts) {
        wheel::Line l = 0;
        std::string error;
        if (!wheel::parseLine(t, z, l, error))
            qFatal("bad test line %s", t);
        out.push_back(l);
    }
    return out;
}

// The planes of the cube over GF(2): the 14 sets of 4 of 8 points whose places add to 0, every
// triple of the 8 on one of them, S(3,4,8).
inline std::vector<wheel::Line> cubePlanes()
{
    std::vector<wheel::Line> planes;
    for (wheel::Line b = 15; b < (wheel::Line{1} << 8); b = wheel::nextOfSameSize(b)) {
        int pos[8];
        wheel::positionsOf(b, pos);
        if ((pos[0] ^ pos[1] ^ pos[2] ^ pos[3]) == 0)
            planes.push_back(b);
    }
    return planes;
}
