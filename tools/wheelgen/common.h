// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the wheelgen commands share: reading wheel files and folders of search results,
// writing results safely, and spreading work over threads.
#pragma once

#include "wheelsearch/records.h"
#include "wheelsearch/wheelfile.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace wheelgen {

namespace fs = std::filesystem;

bool readFile(const fs::path &path, std::string &text);

// The .txt files of the folders given, and the other files as given, sorted.
std::vector<fs::path> wheelFiles(const std::vector<std::string> &args);

// Runs job(i) once for every i below n, on `threads` threads (at least one), and waits
// for all of them.
template <class Job> void forEachJob(std::size_t n, unsigned threads, Job &&job)
{
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < n; i = next++)
            job(i);
    };
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < std::max(1u, threads); ++t)
        pool.emplace_back(work);
    for (auto &t : pool)
        t.join();
}

// Two threads where the machine has them.
unsigned defaultThreads();

// Loads and proves every wheel of the files; prints what is wrong and returns false.
bool loadVerified(const std::vector<fs::path> &files, std::vector<wheel::Entry> &all, unsigned threads);

// Reads "PICK TYPE NUMBERS X Y" from the front of the arguments.
bool parseSpec(const std::vector<std::string> &a, wheel::WheelSpec &s);

// Writes the whole text beside `path` first, so that a reader never meets half a file.
void replaceFile(const fs::path &path, const std::string &text);

// Does the raw file hold a wheel of at most `lines` lines (from another run, say)?
bool rawHoldsAtMost(const fs::path &file, std::size_t lines);

// Reads "5,6,7"; throws on a word that is not a number.
std::vector<int> readPicks(const std::string &list);

// The file name of a wheel in a folder of search results: p6a-z30-3if3.txt.
std::string rawName(const wheel::WheelSpec &s);

// What printf would print, as a string.
[[gnu::format(printf, 1, 2)]] std::string formatted(const char *format, ...);

// The published records in a CSV file; false, with a message, when it cannot be read.
bool readRecords(const std::string &path, wheel::Records &records);

// Every wheel in a folder of search results, borrowed lines filled in; a file that cannot
// be read or parsed (one being written, say) is passed over. False, with a message, when a
// wheel borrows lines the folder does not hold.
bool readRawWheels(const fs::path &raw, std::vector<wheel::Entry> &all);

} // namespace wheelgen
