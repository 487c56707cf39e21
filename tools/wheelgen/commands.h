// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wheelgen commands, each given the words after its name; they return the exit code.
#pragma once

#include "wheelsearch/fixedcount.h"

#include <iostream>
#include <string>
#include <vector>

namespace wheelgen {

// Prints how to call wheelgen; returns exitCode.
int usage(std::ostream &out = std::cerr, int exitCode = 2);

// Proving, packing and reporting (catalogue_commands.cpp).
int cmdVerify(const std::vector<std::string> &args);
int cmdProofTimes(const std::vector<std::string> &args);
int cmdBuildDb(const std::string &dataDir, const std::string &output);
int cmdConstruct(const std::string &rawDir);
int cmdJoin(const std::vector<std::string> &args);
int cmdAssemble(const std::string &rawDir, const std::string &outDir);
int cmdReport(const std::string &wheelDir, const std::string &recordsCsv);

// Searching (search_commands.cpp).
int cmdSearch(const std::vector<std::string> &args);
int cmdOrbit(const std::vector<std::string> &args);
int cmdOrbits(const std::vector<std::string> &args);
int cmdGroup(const std::vector<std::string> &args);
int cmdExact(const std::vector<std::string> &args);
int cmdGroups(const std::vector<std::string> &args);
int cmdFixed(const std::vector<std::string> &args, wheel::FixedCountMethod method);
int cmdExtend(const std::vector<std::string> &args);
int cmdCatalogue(const std::vector<std::string> &args);
int cmdImprove(const std::vector<std::string> &args);
int cmdQuads(const std::vector<std::string> &args);
int cmdPairs(const std::vector<std::string> &args);

} // namespace wheelgen
