// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Groups of permutations of the numbers that come from geometry over finite fields: the
// affine line (x -> ax + b), the projective line (x -> (ax + b) / (cx + d)) and the
// affine plane, and their products on a grid. The best coverings of many sizes are kept
// by one of them.
#pragma once

#include "wheelsearch/wheel.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace wheel {

// The field of q elements, q a prime power up to 49; elements are 0..q-1, read as the
// digits base p of a polynomial (for a prime q, the numbers modulo q).
class Field {
public:
    explicit Field(int q);
    bool valid() const { return p_ != 0; }
    int size() const { return q_; }
    int characteristic() const { return p_; }
    int degree() const { return e_; }
    int add(int a, int b) const
    {
        return sum_[static_cast<std::size_t>(a) * static_cast<std::size_t>(q_) + static_cast<std::size_t>(b)];
    }
    int neg(int a) const { return neg_[static_cast<std::size_t>(a)]; }
    int mul(int a, int b) const;
    int inv(int a) const; // a != 0
    // The i-th power of a fixed generator of the nonzero elements.
    int power(long i) const;
    int frobenius(int a) const; // a^p

private:
    int q_ = 0;
    int p_ = 0;
    int e_ = 0;
    std::vector<int> sum_;
    std::vector<int> neg_;
    std::vector<int> exp_; // exp_[i] = g^i for i < q - 1
    std::vector<int> log_;
};

using Permutation = std::array<std::uint8_t, kMaxPositions>;

// A group given by every one of its maps, with a name a player can look up.
struct PermutationGroup {
    std::string name;
    int v = 0;
    std::vector<Permutation> maps; // the first one leaves every number where it is

    std::size_t order() const { return maps.size(); }
    Line image(Line set, std::size_t map) const
    {
        Line out = 0;
        const Permutation &m = maps[map];
        for (; set; set &= set - 1)
            out |= Line{1} << m[static_cast<std::size_t>(std::countr_zero(set))];
        return out;
    }
};

// Every map the generators make, or an empty group when there are more than `most`.
PermutationGroup generateGroup(std::string name, int v, const std::vector<Permutation> &generators, std::size_t most);

// The groups worth trying on v numbers, up to `most` maps each: the affine lines over every
// field that fits with up to six numbers left fixed and the projective lines with up to
// three, also on two or three copies of the line, and the affine plane, with and without
// the field's own maps; where no field fits, the turns of the numbers modulo n with the
// powers of a unit; and the turns alone on any number of copies; and on a grid, the
// products of such groups of the rows and of the columns.
std::vector<PermutationGroup> geometricGroupsFor(int v, std::size_t most);

} // namespace wheel
