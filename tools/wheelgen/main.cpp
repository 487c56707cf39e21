// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// wheelgen: finds, proves and packs the wheels, and builds the wheel database.
#include "commands.h"

#include <string>
#include <vector>

#ifndef WHEELWRIGHT_VERSION
#define WHEELWRIGHT_VERSION "unknown"
#endif

using namespace wheelgen;

namespace {

struct Command {
    const char *name;
    // What follows "wheelgen NAME " in the usage: the words it takes and what it does.
    const char *usage;
    int (*run)(const std::vector<std::string> &args);
};

// In the order the usage lists them.
const Command kCommands[] = {
    {"build-db", "DATA_DIR OUTPUT.sqlite3      check every source and build the database\n", cmdBuildDb},
    {"verify", "FILE_OR_DIR...                  prove every wheel's guarantee\n", cmdVerify},
    {"proof-times", "FILE_OR_DIR...             prove on one thread, print the slowest proofs\n", cmdProofTimes},
    {"search", "PICK TYPE NUMBERS X Y [SEED [SECONDS [MOVES]]]  print the smallest wheel found\n", cmdSearch},
    {"catalogue",
     "RAW_DIR PICKS [THREADS] [SECONDS] [FEWEST-MOST numbers]\n"
     "                                                  search every wheel not yet in RAW_DIR\n",
     cmdCatalogue},
    {"construct", "RAW_DIR                      add the wheels built from known designs\n", cmdConstruct},
    {"join",
     "RAW_DIR PICKS [MOST_NUMBERS [STARTS_DIR FACTOR [SPLITS]]]\n"
     "                                                  add the wheels joined from two smaller ones,\n"
     "                                                  and put those mixed within FACTOR of the best\n"
     "                                                  into STARTS_DIR for improve\n",
     cmdJoin},
    {"orbit", "PICK TYPE NUMBERS X Y [SECONDS [SEED]]  search designs a cyclic group keeps\n", cmdOrbit},
    {"orbits",
     "SECONDS RAW_DIR RECORDS.csv RATIO [PICKS [FEWEST-MOST numbers]]\n"
     "                                                  the same for every wheel above RATIO times its record,\n"
     "                                                  or for the wheels missing in that range of numbers\n",
     cmdOrbits},
    {"group",
     "PICK TYPE NUMBERS X Y [SECONDS [SEED [GROUP]]]\n"
     "                                                  search designs kept by groups from geometry\n",
     cmdGroup},
    {"groups",
     "SECONDS RAW_DIR RECORDS.csv RATIO [PICKS [FEWEST-MOST numbers]]\n"
     "                                                  the same, as orbits does\n",
     cmdGroups},
    {"exact",
     "PICK TYPE NUMBERS X Y LINES [SECONDS [GROUP]]\n"
     "                                                  try every choice of orbits under each group for a\n"
     "                                                  wheel of at most LINES lines\n",
     cmdExact},
    {"fixed", "SECONDS RAW_DIR [RECORDS.csv [SEED]]    search the wheels of 2 to 4 hits at fixed counts\n", cmdFixed},
    {"anneal", "SECONDS RAW_DIR [RECORDS.csv [SEED]]   the same by simulated annealing\n", cmdAnneal},
    {"weigh", "SECONDS RAW_DIR [RECORDS.csv [SEED]]    the same, weighing the sets left bare\n", cmdWeigh},
    {"extend",
     "SECONDS RAW_DIR [RECORDS.csv [SEED]]   wheels of triples and 4-sets made from those of\n"
     "                                                  one or two numbers fewer a line, each line given\n"
     "                                                  as many new numbers, then weighed as weigh does\n",
     cmdExtend},
    {"improve",
     "[--more] SECONDS RAW_FILE_OR_DIR...\n"
     "                                                  search again from the wheels found so far\n"
     "                                                  (--more: SECONDS more, however long before)\n",
     cmdImprove},
    {"holes",
     "SECONDS RAW_DIR [THREADS [PICKS [FEWEST-MOST numbers]]]\n"
     "                                                  make, as the maker does, every guarantee without\n"
     "                                                  a wheel (31 to 49 numbers unless told)\n",
     cmdHoles},
    {"quads",
     "V [SEED [NODES]]                  the key wheel pick 5 \"3 if 3\" on V + 1 numbers with\n"
     "                                                  one pair after the key on four lines, the rest on one\n",
     cmdQuads},
    {"pairs",
     "K V LENGTH FIXED SEED NODES [X-Y...] [A,B,C...]\n"
     "                                                  the pairs of V numbers on lines of K, by exact cover\n"
     "                                                  under turns of runs, X-Y's turns on one line more\n",
     cmdPairs},
    {"assemble", "RAW_DIR OUT_DIR              pack the worthwhile wheels into the data files\n", cmdAssemble},
    {"report", "WHEEL_DIR RECORDS.csv           compare the wheels with the published records\n", cmdReport},
};

} // namespace

int wheelgen::usage(std::ostream &out, int exitCode)
{
    out << "usage:\n";
    for (const Command &c : kCommands)
        out << "  wheelgen " << c.name << " " << c.usage;
    out << "  wheelgen --help | --version\n";
    return exitCode;
}

int main(int argc, char **argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return usage();
    const std::string name = args.front();
    args.erase(args.begin());
    if (name == "--help" && args.empty())
        return usage(std::cout, 0);
    if (name == "--version" && args.empty()) {
        std::cout << "wheelgen " << WHEELWRIGHT_VERSION << "\n";
        return 0;
    }
    for (const Command &c : kCommands)
        if (name == c.name)
            return c.run(args);
    return usage();
}
