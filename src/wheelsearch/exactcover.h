// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Exact cover with multiplicities: choose rows so that every column is met exactly as
// often as it asks, each row taken at most once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace wheel {

class ExactCover {
public:
    // need[c]: how many chosen rows must meet column c (at least 1).
    explicit ExactCover(const std::vector<int> &need);

    // A row meets each column it names; a column named twice is met twice.
    void addRow(const std::vector<int> &columns);

    // Call once. Depth first over the column with the fewest rows for what it still needs (dancing
    // links). The rows chosen, in the order they were added, or nothing when there is no
    // cover or `nodeLimit` nodes were spent first (exhausted() tells which).
    std::optional<std::vector<std::size_t>> solve(std::uint64_t nodeLimit);

    bool exhausted() const { return exhausted_; }
    std::uint64_t nodes() const { return nodes_; }

private:
    bool search();
    void cover(int c);
    void uncover(int c);
    void hideRow(int node);
    void unhideRow(int node);

    // Nodes 0..columns are the root and the column headers; the rest are row entries.
    std::vector<int> left_, right_, up_, down_, column_, size_, need_, row_;
    std::vector<std::size_t> chosen_;
    std::size_t rows_ = 0;
    std::uint64_t nodes_ = 0;
    std::uint64_t nodeLimit_ = 0;
    bool exhausted_ = false;
};

} // namespace wheel
