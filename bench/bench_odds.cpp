// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Times the exact odds table of every wheel in a built database, for every count of drawn
// numbers a stored lottery of that pick uses; prints the slowest and the total.
#include "core/Odds.h"
#include "wheelsearch/wheel.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Run {
    std::string wheel;
    int pool = 0;
    int drawn = 0;
    int tickets = 0;
    double seconds = 0; // wall clock
    double cpu = 0;     // this thread's processor time, steadier on a busy machine
};

double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

std::string column(sqlite3_stmt *s, int i)
{
    const auto *t = sqlite3_column_text(s, i);
    return t ? reinterpret_cast<const char *>(t) : std::string();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_odds DATABASE.sqlite3  (wheelgen build-db data OUT.sqlite3 builds one)\n");
        return 2;
    }
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(argv[1], &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", argv[1], db ? sqlite3_errmsg(db) : "cannot open");
        sqlite3_close(db);
        return 1;
    }
    // The time hardly depends on the pool, so each count drawn is timed once, with the largest pool.
    std::map<int, std::map<int, int>> drawnByPick; // pick -> drawn -> pool
    {
        sqlite3_stmt *s = nullptr;
        const bool hasDrawn =
            sqlite3_prepare_v2(db, "SELECT imatch, ifrom, drawn FROM lottery", -1, &s, nullptr) == SQLITE_OK;
        if (!hasDrawn)
            sqlite3_prepare_v2(db, "SELECT imatch, ifrom, imatch FROM lottery", -1, &s, nullptr);
        while (s && sqlite3_step(s) == SQLITE_ROW) {
            const int pick = sqlite3_column_int(s, 0);
            const int pool = sqlite3_column_int(s, 1);
            const int drawn = sqlite3_column_type(s, 2) == SQLITE_NULL ? pick : sqlite3_column_int(s, 2);
            int &best = drawnByPick[pick][drawn];
            best = std::max(best, pool);
        }
        sqlite3_finalize(s);
    }
    struct Key {
        int pick;
        std::string type;
        int z;
        std::string label;
        bool operator<(const Key &o) const
        {
            return std::tie(pick, type, z, label) < std::tie(o.pick, o.type, o.z, o.label);
        }
    };
    std::map<Key, std::vector<std::uint64_t>> wheels;
    {
        sqlite3_stmt *s = nullptr;
        sqlite3_prepare_v2(db, "SELECT pick, wheeltype, zoption, xyoption, digitalstring FROM wheels", -1, &s, nullptr);
        while (s && sqlite3_step(s) == SQLITE_ROW) {
            Key k{sqlite3_column_int(s, 0), column(s, 1), sqlite3_column_int(s, 2), column(s, 3)};
            std::uint64_t line = 0;
            std::string error;
            if (!wheel::parseLine(column(s, 4), k.z, line, error)) {
                std::fprintf(stderr, "pick %d %s %d \"%s\": %s\n", k.pick, k.type.c_str(), k.z, k.label.c_str(),
                             error.c_str());
                sqlite3_finalize(s);
                sqlite3_close(db);
                return 1;
            }
            wheels[k].push_back(line);
        }
        sqlite3_finalize(s);
    }
    sqlite3_close(db);

    std::vector<Run> runs;
    int unplayable = 0;
    double total = 0;
    double totalCpu = 0;
    for (const auto &[k, lines] : wheels) {
        for (const auto &[drawn, pool] : drawnByPick[k.pick]) {
            // A wheel for more numbers than any such lottery's pool serves none of them.
            if (k.z > pool) {
                ++unplayable;
                continue;
            }
            odds::Table table;
            std::string error;
            const auto start = std::chrono::steady_clock::now();
            const double cpuStart = threadCpuSeconds();
            const auto status = odds::compute({pool, drawn}, {k.z, lines}, {}, table, error);
            const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            const double cpu = threadCpuSeconds() - cpuStart;
            if (status != odds::Status::Done) {
                std::fprintf(stderr, "pick %d %s %d \"%s\": %s\n", k.pick, k.type.c_str(), k.z, k.label.c_str(),
                             error.c_str());
                return 1;
            }
            total += seconds;
            totalCpu += cpu;
            runs.push_back({"pick " + std::to_string(k.pick) + " type " + k.type + " numbers " + std::to_string(k.z) +
                                " \"" + k.label + "\"",
                            pool, drawn, table.tickets, seconds, cpu});
        }
    }
    std::sort(runs.begin(), runs.end(), [](const Run &a, const Run &b) { return a.cpu > b.cpu; });
    std::printf("%zu wheels, %zu tables, %.2f s in all (%.2f s of processor time); %d wheels for more numbers than "
                "any lottery of their pick holds, skipped\nslowest (processor time, wall):\n",
                wheels.size(), runs.size(), total, totalCpu, unplayable);
    for (std::size_t i = 0; i < runs.size() && i < 12; ++i)
        std::printf("  %7.3f s %7.3f s  %s, %d tickets, %d drawn of %d\n", runs[i].cpu, runs[i].seconds,
                    runs[i].wheel.c_str(), runs[i].tickets, runs[i].drawn, runs[i].pool);
    return 0;
}
