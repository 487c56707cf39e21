// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common.h"

#include "wheelsearch/borrowedlines.h"
#include "wheelsearch/verify.h"

#include <cstdarg>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <mutex>
#include <sstream>

namespace wheelgen {

using namespace wheel;

bool readFile(const fs::path &path, std::string &text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

std::vector<fs::path> wheelFiles(const std::vector<std::string> &args)
{
    std::vector<fs::path> files;
    for (const auto &a : args) {
        if (fs::is_directory(a)) {
            for (const auto &e : fs::directory_iterator(a))
                if (e.path().extension() == ".txt")
                    files.push_back(e.path());
        } else {
            files.emplace_back(a);
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

unsigned defaultThreads()
{
    return std::max(1u, std::min(2u, std::thread::hardware_concurrency()));
}

bool loadVerified(const std::vector<fs::path> &files, std::vector<Entry> &all, unsigned threads)
{
    std::vector<std::string> origin; // the file of each entry, for messages
    for (const auto &f : files) {
        std::string text;
        if (!readFile(f, text)) {
            std::cerr << f.string() << ": cannot be read\n";
            return false;
        }
        auto parsed = parseWheels(text, f.string());
        if (!parsed.error.empty()) {
            std::cerr << parsed.error << "\n";
            return false;
        }
        for (auto &e : parsed.entries) {
            all.push_back(std::move(e));
            origin.push_back(f.string());
        }
    }
    if (const auto error = lendLines(all); !error.empty()) {
        std::cerr << error << "\n";
        return false;
    }
    std::atomic<bool> ok{true};
    std::mutex out;
    forEachJob(all.size(), threads, [&](std::size_t i) {
        const auto v = verifyWheel(all[i].spec, all[i].lines);
        if (!v.holds) {
            std::lock_guard lock(out);
            std::cerr << origin[i] << ":" << all[i].headerLine << ": the guarantee \"" << all[i].spec.label()
                      << "\" does not hold: " << v.reason << "\n";
            ok = false;
        }
    });
    return ok;
}

bool parseSpec(const std::vector<std::string> &a, WheelSpec &s)
{
    try {
        s.pick = std::stoi(a.at(0));
        s.type = a.at(1).at(0);
        s.z = std::stoi(a.at(2));
        s.x = std::stoi(a.at(3));
        s.y = std::stoi(a.at(4));
    } catch (...) {
        return false;
    }
    return (s.type == 'a' || s.type == 'k') && s.pick >= 1 && s.z > s.pick && s.z <= kMaxPositions && s.x >= 1 &&
           s.x <= s.y && s.y <= s.pick;
}

void replaceFile(const fs::path &path, const std::string &text)
{
    const fs::path part = path.string() + ".part";
    std::ofstream(part, std::ios::binary) << text;
    fs::rename(part, path);
}

bool rawHoldsAtMost(const fs::path &file, std::size_t lines)
{
    std::string text;
    if (!readFile(file, text))
        return false;
    const auto held = parseWheels(text, file.string());
    return held.error.empty() && held.entries.size() == 1 && held.entries[0].lines.size() <= lines;
}

std::vector<int> readPicks(const std::string &list)
{
    std::vector<int> picks;
    std::stringstream ps(list);
    for (std::string p; std::getline(ps, p, ',');)
        picks.push_back(std::stoi(p));
    return picks;
}

std::string rawName(const WheelSpec &s)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "p%d%c-z%d-%dif%d.txt", s.pick, s.type, s.z, s.x, s.y);
    return buf;
}

std::string formatted(const char *format, ...)
{
    std::va_list args;
    va_start(args, format);
    std::va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text(static_cast<std::size_t>(std::max(length, 0)), '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, again);
    va_end(again);
    return text;
}

bool readRecords(const std::string &path, Records &records)
{
    std::string csv;
    if (!readFile(path, csv)) {
        std::cerr << path << ": cannot be read\n";
        return false;
    }
    records = parseRecords(csv);
    return true;
}

bool readRawWheels(const fs::path &raw, std::vector<Entry> &all)
{
    for (const auto &file : wheelFiles({raw.string()})) {
        std::string text;
        if (!readFile(file, text))
            continue;
        for (auto &e : parseWheels(text, file.string()).entries)
            all.push_back(std::move(e));
    }
    if (const auto error = lendLines(all); !error.empty()) {
        std::cerr << error << "\n";
        return false;
    }
    return true;
}

} // namespace wheelgen
