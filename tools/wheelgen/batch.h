// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The one runner of the batch commands: the jobs of a pass over a folder of search results
// run on threads, and what each hands back is written and printed here, so that a reader
// never meets half a file, a better wheel another run wrote meanwhile is never undone, and
// no two lines of the report run into each other.
#pragma once

#include "common.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace wheelgen {

// What one job hands back.
struct JobOutcome {
    // The text that goes into `file`; nothing is written when it is empty.
    fs::path file;
    std::string text;
    // Another run may have put a wheel there meanwhile: the text is left unwritten where the
    // file by now holds one of at most this many lines.
    std::optional<std::size_t> unlessHoldsAtMost;
    // Written after it, so that a rerun passes over the job; none when `markFile` is empty.
    fs::path markFile;
    std::string mark;
    // The line printed for the job, newline and all; none when empty, nor when the text was
    // left unwritten and `reportOnlyWhenWritten`.
    std::string report;
    bool reportOnlyWhenWritten = false;
};

// A proven wheel to keep in `file` where no wheel as small has come there meanwhile, and
// the line that tells of it.
JobOutcome keepWheel(const fs::path &file, const wheel::Entry &e, std::string report);

// Prints "N `what`" (unless `what` is empty), then runs job(i) for every i below n on
// `threads` threads and writes and prints what each hands back.
void runBatch(std::size_t n, const std::string &what, unsigned threads,
              const std::function<JobOutcome(std::size_t)> &job);

} // namespace wheelgen
