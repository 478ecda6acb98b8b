// Candidate strings and reduction techniques of the reference solver, each
// written as the plain sequence of steps that defines it.

#include "reference/ReferenceSolver.h"

#include <algorithm>

namespace reference {

namespace {

constexpr const char* kAllDigits = "012345678";

std::string DigitText(int d)
{
    return std::string(1, static_cast<char>('0' + d));
}

bool Contains(const std::vector<int>& values, int value)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

// The digits 0..8 that belong to the chosen positions, ascending.
std::string SubsetText(const std::vector<int>& chosen)
{
    std::string text;
    for (int d = 0; d <= 8; ++d)
        if (Contains(chosen, d))
            text += DigitText(d);
    return text;
}

// Cell index of position p (0..8) of box b: positions run row by row.
int BoxCell(int b, int p)
{
    const int x = ReferenceSolver::BoxOriginX(b) + p % 3;
    const int y = ReferenceSolver::BoxOriginY(b) + p / 3;
    return x * 9 + y;
}

// The nine cell indexes of a unit in position order: rows 0..8, then columns
// 0..8, then boxes 0..8.
std::array<int, 9> UnitCells(int unit)
{
    std::array<int, 9> cells{};
    for (int p = 0; p <= 8; ++p) {
        if (unit < 9)
            cells[p] = p * 9 + unit;            // row y = unit, cell (p, y)
        else if (unit < 18)
            cells[p] = (unit - 9) * 9 + p;      // column x = unit - 9, cell (x, p)
        else
            cells[p] = BoxCell(unit - 18, p);   // box b = unit - 18
    }
    return cells;
}

} // namespace

const SortedStringList& ReferenceSolver::CombinationsOfSize(int k) const
{
    switch (k) {
    case 3: return FCombinations3;
    case 4: return FCombinations4;
    case 5: return FCombinations5;
    default: return FCombinations6;
    }
}

void ReferenceSolver::BuildCombinationLists()
{
    std::vector<int> chosen;
    for (int p = 0; p <= 8; ++p) {
        chosen.push_back(p);
        for (int q = 0; q <= 8; ++q) {
            if (Contains(chosen, q))
                continue;
            chosen.push_back(q);
            for (int r = 0; r <= 8; ++r) {
                if (Contains(chosen, r))
                    continue;
                chosen.push_back(r);
                FCombinations3.Add(SubsetText(chosen));
                for (int s = 0; s <= 8; ++s) {
                    if (Contains(chosen, s))
                        continue;
                    chosen.push_back(s);
                    FCombinations4.Add(SubsetText(chosen));
                    for (int t = 0; t <= 8; ++t) {
                        if (Contains(chosen, t))
                            continue;
                        chosen.push_back(t);
                        FCombinations5.Add(SubsetText(chosen));
                        for (int u = 0; u <= 8; ++u) {
                            if (Contains(chosen, u))
                                continue;
                            chosen.push_back(u);
                            FCombinations6.Add(SubsetText(chosen));
                            chosen.pop_back();
                        }
                        chosen.pop_back();
                    }
                    chosen.pop_back();
                }
                chosen.pop_back();
            }
            chosen.pop_back();
        }
        chosen.pop_back();
    }
}

std::string ReferenceSolver::CandidatesOfEmptyCell(int x, int y) const
{
    std::string s = kAllDigits;
    // Deleting from the top keeps character n at position n.
    for (int n = 8; n >= 0; --n)
        if (!CanPlaceValue(x, y, n))
            s.erase(n, 1);
    return s;
}

void ReferenceSolver::InitialCandidates(CandidateStrings& c) const
{
    for (int y = 0; y <= 8; ++y)
        for (int x = 0; x <= 8; ++x) {
            const std::uint8_t value = grid.FCurrent[x * 9 + y];
            if (value == kEmpty)
                c[x * 9 + y] = CandidatesOfEmptyCell(x, y);
            else
                c[x * 9 + y] = DigitText(value);
        }
}

void ReferenceSolver::ComputeCandidates(std::uint8_t level, CandidateStrings& c) const
{
    InitialCandidates(c);
    bool progress = true;
    while (progress) {
        progress = false;
        if (level >= 3 && ReducePointing(c)) {
            progress = true;
            continue; // pointing ends its cycle
        }
        for (int y = 0; y <= 8; ++y)
            for (int x = 0; x <= 8; ++x)
                if (c[x * 9 + y].size() == 1 && EliminateFromPeers(c, x, y, c[x * 9 + y]))
                    progress = true;
        if (level >= 3 && ReduceIdenticalSubsets(c))
            progress = true;
        if (!progress && level >= 4 && ReduceNakedSubsets(c))
            progress = true;
    }
}

bool ReferenceSolver::EliminateFromPeers(CandidateStrings& c, int x, int y, std::string s) const
{
    const char digit = s[0];
    bool progress = false;
    for (int xx = 0; xx <= 8; ++xx)
        if (xx != x && DeleteCharacter(c[xx * 9 + y], digit))
            progress = true;
    for (int yy = 0; yy <= 8; ++yy)
        if (yy != y && DeleteCharacter(c[x * 9 + yy], digit))
            progress = true;
    for (int bx = 3 * (x / 3); bx <= 3 * (x / 3) + 2; ++bx)
        for (int by = 3 * (y / 3); by <= 3 * (y / 3) + 2; ++by)
            if (!(bx == x && by == y) && DeleteCharacter(c[bx * 9 + by], digit))
                progress = true;
    return progress;
}

bool ReferenceSolver::ReduceHiddenSingles(CandidateStrings& c) const
{
    bool progress = false;
    for (int d = 0; d <= 8; ++d) {
        const char digit = static_cast<char>('0' + d);
        for (int unit = 0; unit < 27; ++unit) {
            const std::array<int, 9> cells = UnitCells(unit);
            int holders = 0;
            int holder = -1;
            for (int p = 0; p <= 8; ++p)
                if (HoldsCharacter(c[cells[p]], digit)) {
                    ++holders;
                    holder = cells[p];
                }
            if (holders == 1 && c[holder].size() > 1) {
                c[holder] = DigitText(d);
                progress = true;
            }
        }
    }
    return progress;
}

void ReferenceSolver::DigitPositionsInBox(const CandidateStrings& c, const std::string& digit, int b,
                                          SortedStringList& columns, SortedStringList& rows) const
{
    for (int y = BoxOriginY(b); y <= BoxOriginY(b) + 2; ++y)
        for (int x = BoxOriginX(b); x <= BoxOriginX(b) + 2; ++x)
            if (HoldsCharacter(c[x * 9 + y], digit[0])) {
                columns.Add(std::to_string(x));
                rows.Add(std::to_string(y));
            }
}

bool ReferenceSolver::ReducePointing(CandidateStrings& c) const
{
    bool progress = false;
    for (int b = 0; b <= 8; ++b)
        for (int d = 0; d <= 8; ++d) {
            SortedStringList columns;
            SortedStringList rows;
            DigitPositionsInBox(c, DigitText(d), b, columns, rows);
            if (columns.Count() == 1 && rows.Count() != 1) {
                const std::vector<int> boxRows = {BoxOriginY(b), BoxOriginY(b) + 1, BoxOriginY(b) + 2};
                if (RemoveFromColumnExcept(c, DigitText(d), std::stoi(columns[0]), boxRows))
                    progress = true;
            }
            if (rows.Count() == 1 && columns.Count() != 1) {
                const std::vector<int> boxColumns = {BoxOriginX(b), BoxOriginX(b) + 1, BoxOriginX(b) + 2};
                if (RemoveFromRowExcept(c, DigitText(d), std::stoi(rows[0]), boxColumns))
                    progress = true;
            }
        }
    return progress;
}

bool ReferenceSolver::ReduceIdenticalSubsets(CandidateStrings& c) const
{
    bool progress = false;
    for (int unit = 0; unit < 27; ++unit) {
        const std::array<int, 9> cells = UnitCells(unit);

        // Closed cells, and the longer strings in order of first appearance
        // with the number of cells holding exactly each one.
        int closed = 0;
        std::vector<std::string> entries;
        std::vector<int> counts;
        for (int p = 0; p <= 8; ++p) {
            const std::string& s = c[cells[p]];
            if (s.size() <= 1) {
                ++closed;
                continue;
            }
            auto at = std::find(entries.begin(), entries.end(), s);
            if (at == entries.end()) {
                entries.push_back(s);
                counts.push_back(1);
            } else {
                ++counts[at - entries.begin()];
            }
        }

        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::string& entry = entries[i];
            const int n = counts[i];
            if (n + closed > 8 || static_cast<int>(entry.size()) != n)
                continue;
            for (int p = 0; p <= 8; ++p) {
                std::string& s = c[cells[p]];
                if (s == entry)
                    continue;
                for (char ch : entry)
                    if (DeleteCharacter(s, ch))
                        progress = true;
            }
        }
    }
    return progress;
}

bool ReferenceSolver::ReduceNakedSubsets(CandidateStrings& c) const
{
    // The sizes searched in a unit with f filled cells of the current grid.
    auto sizesFor = [](int f) -> std::vector<int> {
        if (f <= 1)
            return {6, 5, 4, 3};
        if (f == 2)
            return {5, 4, 3};
        if (f == 3)
            return {4, 3};
        if (f == 4)
            return {3};
        return {};
    };

    bool progress = false;
    for (int y = 0; y <= 8; ++y)
        for (int k : sizesFor(FilledInRow(y)))
            if (ReduceSubsetsInRow(c, y, k, CombinationsOfSize(k)))
                progress = true;
    for (int x = 0; x <= 8; ++x)
        for (int k : sizesFor(FilledInColumn(x)))
            if (ReduceSubsetsInColumn(c, x, k, CombinationsOfSize(k)))
                progress = true;
    for (int b = 0; b <= 8; ++b)
        for (int k : sizesFor(FilledInBox(BoxOriginX(b), BoxOriginY(b))))
            if (ReduceSubsetsInBox(c, BoxOriginX(b), BoxOriginY(b), b, k, CombinationsOfSize(k)))
                progress = true;
    return progress;
}

bool ReferenceSolver::ReduceSubsetsInRow(CandidateStrings& c, int y, int k,
                                         const SortedStringList& list) const
{
    bool progress = false;
    std::vector<std::string> strings;
    std::vector<int> positions;
    for (const std::string& entry : list.Items()) {
        strings.clear();
        positions.clear();
        bool skip = false;
        for (int i = 0; i < k; ++i) {
            const int p = entry[i] - '0';
            const std::string& s = c[p * 9 + y];
            if (s.size() == 1) {
                skip = true;
                break;
            }
            strings.push_back(s);
            positions.push_back(p);
        }
        if (skip)
            continue;
        const std::string digits = CandidateUnion(strings);
        if (static_cast<int>(digits.size()) == k && RemoveFromRowExcept(c, digits, y, positions))
            progress = true;
    }
    return progress;
}

bool ReferenceSolver::ReduceSubsetsInColumn(CandidateStrings& c, int x, int k,
                                            const SortedStringList& list) const
{
    bool progress = false;
    std::vector<std::string> strings;
    std::vector<int> positions;
    for (const std::string& entry : list.Items()) {
        strings.clear();
        positions.clear();
        bool skip = false;
        for (int i = 0; i < k; ++i) {
            const int p = entry[i] - '0';
            const std::string& s = c[x * 9 + p];
            if (s.size() == 1) {
                skip = true;
                break;
            }
            strings.push_back(s);
            positions.push_back(p);
        }
        if (skip)
            continue;
        const std::string digits = CandidateUnion(strings);
        if (static_cast<int>(digits.size()) == k && RemoveFromColumnExcept(c, digits, x, positions))
            progress = true;
    }
    return progress;
}

bool ReferenceSolver::ReduceSubsetsInBox(CandidateStrings& c, int x0, int y0, int b, int k,
                                         const SortedStringList& list) const
{
    bool progress = false;
    std::vector<std::string> strings;
    std::vector<int> positions;
    for (const std::string& entry : list.Items()) {
        strings.clear();
        positions.clear();
        bool skip = false;
        for (int i = 0; i < k; ++i) {
            const int p = entry[i] - '0';
            const std::string& s = c[(x0 + p % 3) * 9 + (y0 + p / 3)];
            if (s.size() == 1) {
                skip = true;
                break;
            }
            strings.push_back(s);
            positions.push_back(p);
        }
        if (skip)
            continue;
        const std::string digits = CandidateUnion(strings);
        if (static_cast<int>(digits.size()) == k && RemoveFromBoxExcept(c, digits, b, positions))
            progress = true;
    }
    return progress;
}

std::string ReferenceSolver::CandidateUnion(const std::vector<std::string>& strings)
{
    std::string collected;
    for (const std::string& s : strings)
        for (char ch : s)
            if (!HoldsCharacter(collected, ch))
                collected += ch;

    std::string result = kAllDigits;
    // Position i (1-based) still holds digit i - 1 while deleting downwards.
    for (int i = 9; i >= 1; --i)
        if (!HoldsCharacter(collected, result[i - 1]))
            result.erase(i - 1, 1);
    return result;
}

bool ReferenceSolver::RemoveFromRowExcept(CandidateStrings& c, const std::string& digits, int y,
                                          const std::vector<int>& spared) const
{
    bool progress = false;
    for (int p = 0; p <= 8; ++p) {
        if (Contains(spared, p))
            continue;
        for (char ch : digits)
            if (DeleteCharacter(c[p * 9 + y], ch))
                progress = true;
    }
    return progress;
}

bool ReferenceSolver::RemoveFromColumnExcept(CandidateStrings& c, const std::string& digits, int x,
                                             const std::vector<int>& spared) const
{
    bool progress = false;
    for (int p = 0; p <= 8; ++p) {
        if (Contains(spared, p))
            continue;
        for (char ch : digits)
            if (DeleteCharacter(c[x * 9 + p], ch))
                progress = true;
    }
    return progress;
}

bool ReferenceSolver::RemoveFromBoxExcept(CandidateStrings& c, const std::string& digits, int b,
                                          const std::vector<int>& spared) const
{
    bool progress = false;
    for (int p = 0; p <= 8; ++p) {
        if (Contains(spared, p))
            continue;
        for (char ch : digits)
            if (DeleteCharacter(c[BoxCell(b, p)], ch))
                progress = true;
    }
    return progress;
}

} // namespace reference
