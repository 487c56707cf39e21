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
