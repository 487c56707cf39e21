// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wheelgen commands, each given the words after its name; they return the exit code.
#pragma once

#include <iostream>
#include <string>
#include <vector>

namespace wheelgen {

// Prints how to call wheelgen; returns exitCode.
int usage(std::ostream &out = std::cerr, int exitCode = 2);

// Proving, packing and reporting (catalogue_commands.cpp).
int cmdVerify(const std::vector<std::string> &args);
int cmdProofTimes(const std::vector<std::string> &args);
int cmdBuildDb(const std::vector<std::string> &args);
int cmdConstruct(const std::vector<std::string> &args);
int cmdJoin(const std::vector<std::string> &args);
int cmdAssemble(const std::vector<std::string> &args);
int cmdReport(const std::vector<std::string> &args);

// Searching for one wheel and printing it (wheel_commands.cpp).
int cmdSearch(const std::vector<std::string> &args);
int cmdOrbit(const std::vector<std::string> &args);
int cmdGroup(const std::vector<std::string> &args);
int cmdExact(const std::vector<std::string> &args);
int cmdQuads(const std::vector<std::string> &args);
int cmdPairs(const std::vector<std::string> &args);

// Searching every wheel of a folder of search results that a pass may find or make
// smaller (batch_commands.cpp).
int cmdCatalogue(const std::vector<std::string> &args);
int cmdOrbits(const std::vector<std::string> &args);
int cmdGroups(const std::vector<std::string> &args);
int cmdFixed(const std::vector<std::string> &args);
int cmdAnneal(const std::vector<std::string> &args);
int cmdWeigh(const std::vector<std::string> &args);
int cmdExtend(const std::vector<std::string> &args);
int cmdImprove(const std::vector<std::string> &args);
int cmdHoles(const std::vector<std::string> &args);

} // namespace wheelgen
