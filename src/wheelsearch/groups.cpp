// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/groups.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <unordered_set>

namespace wheel {

namespace {

// p and e with q = p^e, or {0, 0} when q is not a prime power.
std::pair<int, int> primePower(int q)
{
    for (int p = 2; p <= q; ++p) {
        if (q % p != 0)
            continue;
        int e = 0;
        for (int r = q; r > 1; r /= p, ++e)
            if (r % p != 0)
                return {0, 0};
        return {p, e};
    }
    return {0, 0};
}

} // namespace

Field::Field(int q)
{
    const auto [prime, exponent] = primePower(q);
    // Named copies: the lambda below may not capture a structured binding.
    const int p = prime;
    const int e = exponent;
    if (p == 0 || q > kMaxPositions)
        return;
    const auto n = static_cast<std::size_t>(q);
    sum_.resize(n * n);
    neg_.resize(n);
    for (int a = 0; a < q; ++a) {
        int negative = 0;
        for (int b = 0; b < q; ++b) {
            int s = 0;
            for (int i = 0, place = 1, x = a, y = b; i < e; ++i, place *= p, x /= p, y /= p)
                s += (x % p + y % p) % p * place;
            sum_[static_cast<std::size_t>(a) * n + static_cast<std::size_t>(b)] = s;
            if (s == 0)
                negative = b;
        }
        neg_[static_cast<std::size_t>(a)] = negative;
    }
    // The polynomial x^e - c(x) whose root generates every nonzero element: multiplying by
    // the root shifts the digits up and folds the top one back in as c.
    auto times = [&](int a, int c) {
        const int top = a / (q / p);
        int shifted = a % (q / p) * p;
        for (int k = 0; k < top; ++k)
            shifted = sum_[static_cast<std::size_t>(shifted) * n + static_cast<std::size_t>(c)];
        return shifted;
    };
    for (int c = 1; c < q; ++c) {
        // For a prime field the root is the number c itself and "shifting" is multiplying.
        std::vector<int> powers{1};
        int x = 1;
        for (int i = 1; i < q; ++i) {
            x = e == 1 ? x * c % q : times(x, c);
            if (x == 1 || x == 0)
                break;
            powers.push_back(x);
        }
        if (powers.size() != static_cast<std::size_t>(q - 1))
            continue;
        exp_ = std::move(powers);
        log_.assign(n, 0);
        for (int i = 0; i < q - 1; ++i)
            log_[static_cast<std::size_t>(exp_[static_cast<std::size_t>(i)])] = i;
        q_ = q;
        p_ = p;
        e_ = e;
        return;
    }
}

int Field::mul(int a, int b) const
{
    if (a == 0 || b == 0)
        return 0;
    return exp_[static_cast<std::size_t>((log_[static_cast<std::size_t>(a)] + log_[static_cast<std::size_t>(b)]) %
                                         (q_ - 1))];
}

int Field::inv(int a) const
{
    return exp_[static_cast<std::size_t>((q_ - 1 - log_[static_cast<std::size_t>(a)]) % (q_ - 1))];
}

int Field::power(long i) const
{
    const long n = q_ - 1;
    return exp_[static_cast<std::size_t>(((i % n) + n) % n)];
}

int Field::frobenius(int a) const
{
    int r = 1;
    for (int i = 0; i < p_; ++i)
        r = mul(r, a);
    return a == 0 ? 0 : r;
}

namespace {

struct PermutationHash {
    std::size_t operator()(const Permutation &m) const
    {
        return std::hash<std::string_view>{}(std::string_view(reinterpret_cast<const char *>(m.data()), m.size()));
    }
};

Permutation identity()
{
    Permutation m{};
    for (std::size_t i = 0; i < m.size(); ++i)
        m[i] = static_cast<std::uint8_t>(i);
    return m;
}

// A map of one copy of a geometry (q points, or q + 1) made into a map of v numbers: the
// same on every copy, the numbers after the copies left fixed.
Permutation onCopies(const std::vector<int> &map, int copies)
{
    Permutation m = identity();
    const int n = static_cast<int>(map.size());
    for (int c = 0; c < copies; ++c)
        for (int x = 0; x < n; ++x)
            m[static_cast<std::size_t>(c) * static_cast<std::size_t>(n) + static_cast<std::size_t>(x)] =
                static_cast<std::uint8_t>(c * n + map[static_cast<std::size_t>(x)]);
    return m;
}

std::string copiesAndFixed(int copies, int fixed)
{
    std::string s;
    if (copies > 1)
        s += " on " + std::to_string(copies) + " copies";
    if (fixed > 0)
        s += ", " + std::to_string(fixed) + " fixed";
    return s;
}

// x -> x + 1 modulo n.
std::vector<int> turnMap(int n)
{
    std::vector<int> turn(static_cast<std::size_t>(n));
    for (int x = 0; x < n; ++x)
        turn[static_cast<std::size_t>(x)] = (x + 1) % n;
    return turn;
}

// x -> x + b over the field for b = 1, p, p^2, ...: together they make every translation.
std::vector<std::vector<int>> translationMaps(const Field &f)
{
    std::vector<std::vector<int>> maps;
    for (int b = 1; b < f.size(); b *= f.characteristic()) {
        std::vector<int> map(static_cast<std::size_t>(f.size()));
        for (int x = 0; x < f.size(); ++x)
            map[static_cast<std::size_t>(x)] = f.add(x, b);
        maps.push_back(std::move(map));
    }
    return maps;
}

// x -> g^i x over the field, g the generator of the nonzero elements.
std::vector<int> scaleMap(const Field &f, long i)
{
    std::vector<int> scale(static_cast<std::size_t>(f.size()));
    for (int x = 0; x < f.size(); ++x)
        scale[static_cast<std::size_t>(x)] = f.mul(f.power(i), x);
    return scale;
}

// The affine lines may leave more numbers fixed than the other geometries: a field of the
// right size is rarer than a projective line or a count of turns, and a design of 4-sets
// on three copies of GF(9) with four numbers fixed beats those on 31 numbers that leave
// fewer.
constexpr int kMostFixedOnAffineLines = 6;

// x -> ax + b over GF(q), a in the subgroup of order d of the nonzero elements, and with
// `frobenius` also x -> x^p.
void addAffineLines(std::vector<PermutationGroup> &out, int v, std::size_t most)
{
    for (int copies = 1; copies <= 3; ++copies)
        for (int fixed = 0; fixed <= kMostFixedOnAffineLines; ++fixed) {
            if ((v - fixed) % copies != 0)
                continue;
            const int q = (v - fixed) / copies;
            const Field f(q);
            if (!f.valid() || q < 5)
                continue;
            std::vector<Permutation> translations;
            for (const auto &map : translationMaps(f))
                translations.push_back(onCopies(map, copies));
            std::vector<int> frob(static_cast<std::size_t>(q));
            for (int x = 0; x < q; ++x)
                frob[static_cast<std::size_t>(x)] = f.frobenius(x);
            for (int d = 1; d <= q - 1; ++d) {
                if ((q - 1) % d != 0)
                    continue;
                const auto scale = scaleMap(f, (q - 1) / d);
                for (bool withFrobenius : {false, true}) {
                    if (withFrobenius && f.degree() == 1)
                        continue;
                    auto gens = translations;
                    gens.push_back(onCopies(scale, copies));
                    if (withFrobenius)
                        gens.push_back(onCopies(frob, copies));
                    const std::string field = std::to_string(q);
                    std::string name = d == q - 1 ? "AGL(1," + field + ")"
                                       : d == 1   ? "the translations of GF(" + field + ")"
                                                  : "x->ax+b on GF(" + field + ") with a^" + std::to_string(d) + "=1";
                    if (withFrobenius)
                        name += " and x->x^" + std::to_string(f.characteristic());
                    auto g = generateGroup(name + copiesAndFixed(copies, fixed), v, gens, most);
                    if (!g.maps.empty())
                        out.push_back(std::move(g));
                }
            }
        }
}

// x -> ax + b modulo n for n no prime (a prime n is the affine line above), a in the
// powers of one unit u: one group for each such set of powers.
void addCyclicMultipliers(std::vector<PermutationGroup> &out, int v, std::size_t most)
{
    for (int copies = 1; copies <= 3; ++copies)
        for (int fixed = 0; fixed <= 3; ++fixed) {
            if ((v - fixed) % copies != 0)
                continue;
            const int n = (v - fixed) / copies;
            const Field field(n);
            if (n < 6 || (field.valid() && field.degree() == 1))
                continue;
            const auto turn = turnMap(n);
            std::vector<std::vector<int>> seen; // the sets of powers already offered
            for (int u = 2; u < n; ++u) {
                std::vector<int> powers{1};
                for (int x = u; x != 1 && x != 0 && powers.size() < static_cast<std::size_t>(n); x = x * u % n)
                    powers.push_back(x);
                if (powers.size() == static_cast<std::size_t>(n) || powers.back() * u % n != 1)
                    continue; // u is no unit
                std::sort(powers.begin(), powers.end());
                if (std::find(seen.begin(), seen.end(), powers) != seen.end())
                    continue;
                seen.push_back(powers);
                std::vector<int> scale(static_cast<std::size_t>(n));
                for (int x = 0; x < n; ++x)
                    scale[static_cast<std::size_t>(x)] = x * u % n;
                auto g = generateGroup("x->" + std::to_string(u) + "^i x+b modulo " + std::to_string(n) +
                                           copiesAndFixed(copies, fixed),
                                       v, {onCopies(turn, copies), onCopies(scale, copies)}, most);
                if (!g.maps.empty())
                    out.push_back(std::move(g));
            }
        }
}

// The turns modulo n, alone, on as many copies as fit with up to three numbers fixed:
// small groups, whose many short orbits let a cover of pairs be built line by line
// (those on up to three copies of a prime n are the translations of GF(n) above).
void addTurns(std::vector<PermutationGroup> &out, int v, std::size_t most)
{
    for (int copies = 1; copies <= v / 5; ++copies)
        for (int fixed = 0; fixed <= 3; ++fixed) {
            if ((v - fixed) % copies != 0)
                continue;
            const int n = (v - fixed) / copies;
            const Field field(n);
            if (n < 5 || (copies <= 3 && field.valid() && field.degree() == 1))
                continue;
            auto g = generateGroup("the turns modulo " + std::to_string(n) + copiesAndFixed(copies, fixed), v,
                                   {onCopies(turnMap(n), copies)}, most);
            if (!g.maps.empty())
                out.push_back(std::move(g));
        }
}

// The projective line over GF(q): q + 1 points, infinity last.
void addProjectiveLines(std::vector<PermutationGroup> &out, int v, std::size_t most)
{
    for (int copies = 1; copies <= 2; ++copies)
        for (int fixed = 0; fixed <= 3; ++fixed) {
            if ((v - fixed) % copies != 0)
                continue;
            const int q = (v - fixed) / copies - 1;
            const Field f(q);
            if (!f.valid() || q < 4)
                continue;
            const auto n = static_cast<std::size_t>(q) + 1;
            std::vector<int> translate(n), scale(n), scaleSquare(n), invert(n), invertNegated(n), frob(n);
            for (int x = 0; x < q; ++x) {
                const auto i = static_cast<std::size_t>(x);
                translate[i] = f.add(x, 1);
                scale[i] = f.mul(f.power(1), x);
                scaleSquare[i] = f.mul(f.power(2), x);
                invert[i] = x == 0 ? q : f.inv(x);
                invertNegated[i] = x == 0 ? q : f.neg(f.inv(x));
                frob[i] = f.frobenius(x);
            }
            translate[n - 1] = scale[n - 1] = scaleSquare[n - 1] = frob[n - 1] = q;
            invert[n - 1] = invertNegated[n - 1] = 0;
            const std::string field = std::to_string(q);
            std::vector<std::pair<std::string, std::vector<Permutation>>> kinds;
            kinds.push_back({"PGL(2," + field + ")",
                             {onCopies(translate, copies), onCopies(scale, copies), onCopies(invert, copies)}});
            if (q % 2 == 1)
                kinds.push_back(
                    {"PSL(2," + field + ")",
                     {onCopies(translate, copies), onCopies(scaleSquare, copies), onCopies(invertNegated, copies)}});
            const std::size_t plain = kinds.size();
            for (std::size_t i = 0; i < plain && f.degree() > 1; ++i) {
                auto gens = kinds[i].second;
                gens.push_back(onCopies(frob, copies));
                kinds.push_back({kinds[i].first + " and x->x^" + std::to_string(f.characteristic()), gens});
            }
            for (auto &[name, gens] : kinds) {
                auto g = generateGroup(name + copiesAndFixed(copies, fixed), v, gens, most);
                if (!g.maps.empty())
                    out.push_back(std::move(g));
            }
        }
}

// The affine plane over GF(q): the point (x, y) is number x * q + y; translations and the
// linear maps of determinant one (ASL), or all of them (AGL).
void addAffinePlanes(std::vector<PermutationGroup> &out, int v, std::size_t most)
{
    for (int fixed = 0; fixed <= 3; ++fixed)
        for (int q = 3; q * q <= v - fixed; ++q) {
            if (q * q != v - fixed)
                continue;
            const Field f(q);
            if (!f.valid())
                continue;
            const auto n = static_cast<std::size_t>(q) * static_cast<std::size_t>(q);
            auto linear = [&](int a, int b, int c, int d, int tx, int ty) {
                std::vector<int> map(n);
                for (int x = 0; x < q; ++x)
                    for (int y = 0; y < q; ++y) {
                        const int nx = f.add(f.add(f.mul(a, x), f.mul(b, y)), tx);
                        const int ny = f.add(f.add(f.mul(c, x), f.mul(d, y)), ty);
                        map[static_cast<std::size_t>(x) * static_cast<std::size_t>(q) + static_cast<std::size_t>(y)] =
                            nx * q + ny;
                    }
                return onCopies(map, 1);
            };
            std::vector<Permutation> special{linear(1, 0, 0, 1, 1, 0), linear(1, 0, 0, 1, 0, 1),
                                             linear(1, 1, 0, 1, 0, 0), linear(1, 0, 1, 1, 0, 0)};
            auto g = generateGroup("ASL(2," + std::to_string(q) + ")" + copiesAndFixed(1, fixed), v, special, most);
            if (!g.maps.empty())
                out.push_back(std::move(g));
            special.push_back(linear(f.power(1), 0, 0, 1, 0, 0));
            g = generateGroup("AGL(2," + std::to_string(q) + ")" + copiesAndFixed(1, fixed), v, special, most);
            if (!g.maps.empty())
                out.push_back(std::move(g));
        }
}

// The ways one factor of a grid moves its own coordinate: the turns modulo n, the
// translations of GF(n) where that is no cyclic group, and AGL(1,n).
struct FactorMoves {
    std::string name;
    bool cyclic = false;
    std::vector<std::vector<int>> generators;
};

std::vector<FactorMoves> factorMoves(int n)
{
    std::vector<FactorMoves> out;
    out.push_back({"the turns modulo " + std::to_string(n), true, {turnMap(n)}});
    const Field f(n);
    if (!f.valid() || n < 3)
        return out;
    auto translations = translationMaps(f);
    if (f.degree() > 1)
        out.push_back({"the translations of GF(" + std::to_string(n) + ")", false, translations});
    translations.push_back(scaleMap(f, 1));
    out.push_back({"AGL(1," + std::to_string(n) + ")", false, translations});
    return out;
}

// The map of the grid of a rows and b columns that sends (x, y) to the number image(x, y).
template <typename Image> Permutation onGrid(int a, int b, Image image)
{
    Permutation m = identity();
    for (int x = 0; x < a; ++x)
        for (int y = 0; y < b; ++y)
            m[static_cast<std::size_t>(x) * static_cast<std::size_t>(b) + static_cast<std::size_t>(y)] =
                static_cast<std::uint8_t>(image(x, y));
    return m;
}

// The grid of a rows and b columns, (x, y) the number x * b + y, each coordinate moved by
// its own group: products such as the turns modulo 3 times the turns modulo 15, which
// keep the Steiner system of blocks of 5 on 45 numbers that no cyclic group keeps.
void addProducts(std::vector<PermutationGroup> &out, int v, std::size_t most)
{
    for (int fixed = 0; fixed <= 3; ++fixed)
        for (int a = 2; a * a <= v - fixed; ++a) {
            if ((v - fixed) % a != 0)
                continue;
            const int b = (v - fixed) / a;
            const auto rows = factorMoves(a);
            const auto columns = factorMoves(b);
            for (std::size_t i = 0; i < rows.size(); ++i)
                for (std::size_t j = a == b ? i : 0; j < columns.size(); ++j) {
                    if (rows[i].cyclic && columns[j].cyclic && std::gcd(a, b) == 1)
                        continue; // the turns modulo a * b
                    std::vector<Permutation> gens;
                    for (const auto &g : rows[i].generators)
                        gens.push_back(
                            onGrid(a, b, [&](int x, int y) { return g[static_cast<std::size_t>(x)] * b + y; }));
                    for (const auto &g : columns[j].generators)
                        gens.push_back(
                            onGrid(a, b, [&](int x, int y) { return x * b + g[static_cast<std::size_t>(y)]; }));
                    auto g = generateGroup(rows[i].name + " times " + columns[j].name + copiesAndFixed(1, fixed), v,
                                           gens, most);
                    if (!g.maps.empty())
                        out.push_back(std::move(g));
                }
        }
}

} // namespace

PermutationGroup generateGroup(std::string name, int v, const std::vector<Permutation> &generators, std::size_t most)
{
    PermutationGroup g{std::move(name), v, {identity()}};
    std::unordered_set<Permutation, PermutationHash> seen{g.maps.front()};
    for (std::size_t i = 0; i < g.maps.size(); ++i)
        for (const Permutation &s : generators) {
            Permutation m = identity();
            for (int x = 0; x < v; ++x)
                m[static_cast<std::size_t>(x)] = s[g.maps[i][static_cast<std::size_t>(x)]];
            if (!seen.insert(m).second)
                continue;
            if (g.maps.size() == most) {
                g.maps.clear();
                return g;
            }
            g.maps.push_back(m);
        }
    return g;
}

std::vector<PermutationGroup> geometricGroupsFor(int v, std::size_t most)
{
    std::vector<PermutationGroup> groups;
    if (v > kMaxPositions)
        return groups;
    addAffineLines(groups, v, most);
    addCyclicMultipliers(groups, v, most);
    addTurns(groups, v, most);
    addProjectiveLines(groups, v, most);
    addAffinePlanes(groups, v, most);
    addProducts(groups, v, most);
    return groups;
}

} // namespace wheel
