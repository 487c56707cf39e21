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

int wheelgen::usage(std::ostream &out, int exitCode)
{
    out << "usage:\n"
           "  wheelgen build-db DATA_DIR OUTPUT.sqlite3      check every source and build the database\n"
           "  wheelgen verify FILE_OR_DIR...                  prove every wheel's guarantee\n"
           "  wheelgen proof-times FILE_OR_DIR...             prove on one thread, print the slowest proofs\n"
           "  wheelgen search PICK TYPE NUMBERS X Y [SEED [SECONDS [MOVES]]]  print the smallest wheel found\n"
           "  wheelgen catalogue RAW_DIR PICKS [THREADS] [SECONDS] [FEWEST-MOST numbers]\n"
           "                                                  search every wheel not yet in RAW_DIR\n"
           "  wheelgen construct RAW_DIR                      add the wheels built from known designs\n"
           "  wheelgen join RAW_DIR PICKS [MOST_NUMBERS [STARTS_DIR FACTOR [SPLITS]]]\n"
           "                                                  add the wheels joined from two smaller ones,\n"
           "                                                  and put those mixed within FACTOR of the best\n"
           "                                                  into STARTS_DIR for improve\n"
           "  wheelgen orbit PICK TYPE NUMBERS X Y [SECONDS [SEED]]  search designs a cyclic group keeps\n"
           "  wheelgen orbits SECONDS RAW_DIR RECORDS.csv RATIO [PICKS [FEWEST-MOST numbers]]\n"
           "                                                  the same for every wheel above RATIO times its record,\n"
           "                                                  or for the wheels missing in that range of numbers\n"
           "  wheelgen group PICK TYPE NUMBERS X Y [SECONDS [SEED [GROUP]]]\n"
           "                                                  search designs kept by groups from geometry\n"
           "  wheelgen groups SECONDS RAW_DIR RECORDS.csv RATIO [PICKS [FEWEST-MOST numbers]]\n"
           "                                                  the same, as orbits does\n"
           "  wheelgen exact PICK TYPE NUMBERS X Y LINES [SECONDS [GROUP]]\n"
           "                                                  try every choice of orbits under each group for a\n"
           "                                                  wheel of at most LINES lines\n"
           "  wheelgen fixed SECONDS RAW_DIR [RECORDS.csv [SEED]]    search the wheels of 2 to 4 hits at fixed counts\n"
           "  wheelgen anneal SECONDS RAW_DIR [RECORDS.csv [SEED]]   the same by simulated annealing\n"
           "  wheelgen weigh SECONDS RAW_DIR [RECORDS.csv [SEED]]    the same, weighing the sets left bare\n"
           "  wheelgen extend SECONDS RAW_DIR [RECORDS.csv [SEED]]   wheels of triples and 4-sets made from those of\n"
           "                                                  one or two numbers fewer a line, each line given\n"
           "                                                  as many new numbers, then weighed as weigh does\n"
           "  wheelgen improve SECONDS RAW_FILE_OR_DIR...      search again from the wheels found so far\n"
           "  wheelgen quads V [SEED [NODES]]                  the key wheel pick 5 \"3 if 3\" on V + 1 numbers with\n"
           "                                                  one pair after the key on four lines, the rest on one\n"
           "  wheelgen pairs K V LENGTH FIXED SEED NODES [X-Y...] [A,B,C...]\n"
           "                                                  the pairs of V numbers on lines of K, by exact cover\n"
           "                                                  under turns of runs, X-Y's turns on one line more\n"
           "  wheelgen assemble RAW_DIR OUT_DIR              pack the worthwhile wheels into the data files\n"
           "  wheelgen report WHEEL_DIR RECORDS.csv           compare the wheels with the published records\n"
           "  wheelgen --help | --version\n";
    return exitCode;
}

int main(int argc, char **argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return usage();
    const std::string cmd = args.front();
    args.erase(args.begin());
    if (cmd == "--help" && args.empty())
        return usage(std::cout, 0);
    if (cmd == "--version" && args.empty()) {
        std::cout << "wheelgen " << WHEELWRIGHT_VERSION << "\n";
        return 0;
    }
    if (cmd == "build-db" && args.size() == 2)
        return cmdBuildDb(args[0], args[1]);
    if (cmd == "verify" && !args.empty())
        return cmdVerify(args);
    if (cmd == "proof-times" && !args.empty())
        return cmdProofTimes(args);
    if (cmd == "search")
        return cmdSearch(args);
    if (cmd == "catalogue")
        return cmdCatalogue(args);
    if (cmd == "construct" && args.size() == 1)
        return cmdConstruct(args[0]);
    if (cmd == "orbit")
        return cmdOrbit(args);
    if (cmd == "orbits")
        return cmdOrbits(args);
    if (cmd == "group")
        return cmdGroup(args);
    if (cmd == "groups")
        return cmdGroups(args);
    if (cmd == "fixed")
        return cmdFixed(args, wheel::FixedCountMethod::tabu);
    if (cmd == "anneal")
        return cmdFixed(args, wheel::FixedCountMethod::anneal);
    if (cmd == "weigh")
        return cmdFixed(args, wheel::FixedCountMethod::weigh);
    if (cmd == "extend")
        return cmdExtend(args);
    if (cmd == "exact")
        return cmdExact(args);
    if (cmd == "improve")
        return cmdImprove(args);
    if (cmd == "quads")
        return cmdQuads(args);
    if (cmd == "pairs")
        return cmdPairs(args);
    if (cmd == "join")
        return cmdJoin(args);
    if (cmd == "assemble" && args.size() == 2)
        return cmdAssemble(args[0], args[1]);
    if (cmd == "report" && args.size() == 2)
        return cmdReport(args[0], args[1]);
    return usage();
}
