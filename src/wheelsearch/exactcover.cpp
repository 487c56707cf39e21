// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/exactcover.h"

#include <algorithm>

namespace wheel {

ExactCover::ExactCover(const std::vector<int> &need)
{
    const int headers = static_cast<int>(need.size()) + 1;
    for (int i = 0; i < headers; ++i) {
        left_.push_back((i + headers - 1) % headers);
        right_.push_back((i + 1) % headers);
        up_.push_back(i);
        down_.push_back(i);
        column_.push_back(i);
        size_.push_back(0);
        need_.push_back(i == 0 ? 0 : need[static_cast<std::size_t>(i - 1)]);
        row_.push_back(-1);
    }
}

void ExactCover::addRow(const std::vector<int> &columns)
{
    int first = -1;
    for (int c : columns) {
        const int head = c + 1;
        const int x = static_cast<int>(left_.size());
        left_.push_back(x);
        right_.push_back(x);
        up_.push_back(up_[head]);
        down_.push_back(head);
        column_.push_back(head);
        size_.push_back(0);
        need_.push_back(0);
        row_.push_back(static_cast<int>(rows_));
        down_[up_[head]] = x;
        up_[head] = x;
        ++size_[head];
        if (first < 0) {
            first = x;
        } else {
            right_[x] = first;
            left_[x] = left_[first];
            right_[left_[first]] = x;
            left_[first] = x;
        }
    }
    ++rows_;
}

void ExactCover::cover(int c)
{
    right_[left_[c]] = right_[c];
    left_[right_[c]] = left_[c];
    for (int i = down_[c]; i != c; i = down_[i])
        for (int j = right_[i]; j != i; j = right_[j]) {
            up_[down_[j]] = up_[j];
            down_[up_[j]] = down_[j];
            --size_[column_[j]];
        }
}

void ExactCover::uncover(int c)
{
    for (int i = up_[c]; i != c; i = up_[i])
        for (int j = left_[i]; j != i; j = left_[j]) {
            ++size_[column_[j]];
            up_[down_[j]] = j;
            down_[up_[j]] = j;
        }
    right_[left_[c]] = c;
    left_[right_[c]] = c;
}

void ExactCover::hideRow(int node)
{
    int j = node;
    do {
        up_[down_[j]] = up_[j];
        down_[up_[j]] = down_[j];
        --size_[column_[j]];
        j = right_[j];
    } while (j != node);
}

void ExactCover::unhideRow(int node)
{
    int j = left_[node];
    while (true) {
        ++size_[column_[j]];
        up_[down_[j]] = j;
        down_[up_[j]] = j;
        if (j == node)
            break;
        j = left_[j];
    }
}

bool ExactCover::search()
{
    if (right_[0] == 0)
        return true;
    if (++nodes_ > nodeLimit_)
        return false;
    // The column with the fewest rows for each hit it still needs; one that cannot be
    // met any more ends this branch.
    int c = -1;
    double best = 0;
    for (int j = right_[0]; j != 0; j = right_[j]) {
        if (size_[j] < need_[j])
            return false;
        const double score = static_cast<double>(size_[j]) / need_[j];
        if (c < 0 || score < best) {
            best = score;
            c = j;
        }
    }
    std::vector<int> tried;
    for (int r = down_[c]; r != c; r = down_[c]) {
        hideRow(r);
        tried.push_back(r);
        // A row that meets a column more often than it still needs does not fit.
        bool fits = true;
        int j = r;
        do {
            fits &= --need_[column_[j]] >= 0;
            j = right_[j];
        } while (j != r);
        std::vector<int> done;
        if (fits) {
            j = r;
            do {
                if (need_[column_[j]] == 0 && std::find(done.begin(), done.end(), column_[j]) == done.end()) {
                    cover(column_[j]);
                    done.push_back(column_[j]);
                }
                j = right_[j];
            } while (j != r);
            chosen_.push_back(static_cast<std::size_t>(row_[r]));
            if (search())
                return true;
            chosen_.pop_back();
            for (auto it = done.rbegin(); it != done.rend(); ++it)
                uncover(*it);
        }
        j = r;
        do {
            ++need_[column_[j]];
            j = right_[j];
        } while (j != r);
        // The row stays out for the rest of this choice, so no set of rows is tried twice.
        if (nodes_ > nodeLimit_)
            break;
    }
    for (auto it = tried.rbegin(); it != tried.rend(); ++it)
        unhideRow(*it);
    return false;
}

std::optional<std::vector<std::size_t>> ExactCover::solve(std::uint64_t nodeLimit)
{
    nodes_ = 0;
    nodeLimit_ = nodeLimit;
    chosen_.clear();
    if (search()) {
        exhausted_ = false;
        std::vector<std::size_t> rows = chosen_;
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    exhausted_ = nodes_ <= nodeLimit_;
    return std::nullopt;
}

} // namespace wheel
