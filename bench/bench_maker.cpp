// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Prints how many tickets one long run of the search reaches against the maker's chains of
// short runs with restarts, in the same time on one thread, and the maker on every core.
// Usage: bench_maker [SECONDS]
#include "core/WheelMaker.h"
#include "wheelsearch/search.h"

#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char **argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 30.0;
    struct Case {
        MakeRequest request;
        int record;
    };
    auto make = [](int pick, int numbers, int x, int y) {
        MakeRequest r;
        r.pick = pick;
        r.numbers = numbers;
        r.x = x;
        r.y = y;
        return r;
    };
    const Case cases[] = {{make(6, 18, 4, 4), 236}, {make(6, 20, 3, 3), 71}, {make(6, 16, 4, 4), 152}};
    std::printf("%-22s %6s %6s %10s %10s %10s\n", "wheel", "bound", "record", "one run", "restarts", "all cores");
    for (const auto &c : cases) {
        const auto spec = c.request.spec();
        wheel::SearchOptions o;
        o.secondsCap = seconds;
        const auto longRun = wheel::searchWheel(spec, o);
        MakeRequest one = c.request;
        one.seconds = seconds;
        one.threads = 1;
        const auto restarts = WheelMaker::make(one);
        MakeRequest all = one;
        all.threads = 0;
        const auto cores = WheelMaker::make(all);
        char name[64];
        std::snprintf(name, sizeof name, "pick %d, %d, \"%d if %d\"", spec.pick, spec.z, spec.x, spec.y);
        std::printf("%-22s %6zu %6d %10zu %10zu %10zu\n", name, WheelMaker::lowerBound(one), c.record,
                    longRun.blocks.size(), restarts.lines.size(), cores.lines.size());
        std::fflush(stdout);
    }
    std::printf("(%.0f s each; one run and restarts on one thread, all cores on %u)\n", seconds,
                std::thread::hardware_concurrency());
    return 0;
}
