// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch.h"

#include <cstdio>
#include <mutex>

namespace wheelgen {

JobOutcome keepWheel(const fs::path &file, const wheel::Entry &e, std::string report)
{
    JobOutcome o;
    o.file = file;
    o.text = wheel::formatEntry(e);
    o.unlessHoldsAtMost = e.lines.size();
    o.report = std::move(report);
    return o;
}

void runBatch(std::size_t n, const std::string &what, unsigned threads,
              const std::function<JobOutcome(std::size_t)> &job)
{
    if (!what.empty()) {
        std::printf("%zu %s\n", n, what.c_str());
        std::fflush(stdout);
    }
    std::mutex out;
    forEachJob(n, threads, [&](std::size_t i) {
        const JobOutcome o = job(i);
        bool written = false;
        if (!o.text.empty() && !(o.unlessHoldsAtMost && rawHoldsAtMost(o.file, *o.unlessHoldsAtMost))) {
            replaceFile(o.file, o.text);
            written = true;
        }
        if (!o.markFile.empty())
            replaceFile(o.markFile, o.mark);
        if (o.report.empty() || (o.reportOnlyWhenWritten && !written))
            return;
        std::lock_guard lock(out);
        std::fputs(o.report.c_str(), stdout);
        std::fflush(stdout);
    });
}

} // namespace wheelgen
