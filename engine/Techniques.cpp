#include "SudokuEngine.h"
#include "Units.h"

namespace {

// The candidates of a filled cell: its own digit (no digit for a value that
// is not one).
CandidateSet filledCellSet(std::uint8_t value)
{
    return value < 9 ? DigitSet(value) : CandidateSet{0};
}

// Deletes the digits from the unit's cells outside the spared positions.
bool removeFromUnitExcept(Candidates& c, int unit, CandidateSet digits, std::uint16_t spared)
{
    bool deleted = false;
    for (int p = 0; p < 9; ++p) {
        if ((spared >> p) & 1U)
            continue;
        CandidateSet& s = c[kUnits.cells[unit][p]];
        if (s & digits) {
            s &= static_cast<CandidateSet>(~digits);
            deleted = true;
        }
    }
    return deleted;
}

// Positions of the unit whose set is not a single digit: the ones a subset may use.
std::uint16_t openPositions(const Candidates& c, int unit)
{
    std::uint16_t open = 0;
    for (int p = 0; p < 9; ++p)
        if (CandidateCount(c[kUnits.cells[unit][p]]) != 1)
            open |= static_cast<std::uint16_t>(1U << p);
    return open;
}

bool reduceSubsetsInUnit(Candidates& c, int unit, int k, const CombinationList& list)
{
    const auto& cells = kUnits.cells[unit];
    bool progress = false;
    std::uint16_t open = openPositions(c, unit);
    for (const auto& entry : list) {
        if (CandidateCount(open) < k)
            break; // no further entry can lie among the open positions
        if (entry.positions & ~open)
            continue;
        CandidateSet unionSet = 0;
        for (int i = 0; i < entry.size; ++i)
            unionSet |= c[cells[entry.list[i]]];
        if (CandidateCount(unionSet) != k)
            continue;
        if (removeFromUnitExcept(c, unit, unionSet, entry.positions)) {
            progress = true;
            open = openPositions(c, unit);
        }
    }
    return progress;
}

// Digits held by exactly one cell of the unit where that cell still has
// other digits: the ones a hidden single can settle.
CandidateSet hiddenSingleDigits(const Candidates& c, int unit)
{
    CandidateSet once = 0, twice = 0, settled = 0;
    for (std::uint8_t cell : kUnits.cells[unit]) {
        const CandidateSet s = c[cell];
        twice |= once & s;
        once |= s;
        if (CandidateCount(s) == 1)
            settled |= s;
    }
    return once & static_cast<CandidateSet>(~(twice | settled));
}

} // namespace

void SudokuEngine::BuildCombinationLists()
{
    FCombinations3.Clear();
    FCombinations4.Clear();
    FCombinations5.Clear();
    FCombinations6.Clear();
    // Every ordered choice of positions adds its subset; the lists keep each
    // subset once, in ascending order. A subset already added is skipped
    // before its text is made.
    std::array<bool, 512> added{};
    auto add = [&added](CombinationList& list, unsigned chosen) {
        if (added[chosen])
            return;
        added[chosen] = true;
        std::string text;
        for (int p = 0; p < 9; ++p)
            if ((chosen >> p) & 1U)
                text += static_cast<char>('0' + p);
        list.Add(text);
    };
    for (int p = 0; p < 9; ++p)
        for (int q = 0; q < 9; ++q) {
            if (q == p)
                continue;
            for (int r = 0; r < 9; ++r) {
                if (r == p || r == q)
                    continue;
                const unsigned three = (1U << p) | (1U << q) | (1U << r);
                add(FCombinations3, three);
                for (int s = 0; s < 9; ++s) {
                    if ((three >> s) & 1U)
                        continue;
                    const unsigned four = three | (1U << s);
                    add(FCombinations4, four);
                    for (int t = 0; t < 9; ++t) {
                        if ((four >> t) & 1U)
                            continue;
                        const unsigned five = four | (1U << t);
                        add(FCombinations5, five);
                        for (int u = 0; u < 9; ++u)
                            if (!((five >> u) & 1U))
                                add(FCombinations6, five | (1U << u));
                    }
                }
            }
        }
}

void SudokuEngine::InitialCandidates(Candidates& c) const
{
    std::array<CandidateSet, 27> used{};
    for (int i = 0; i < 81; ++i) {
        const CandidateSet s = filledCellSet(FCurrent[i]);
        for (std::uint8_t unit : kUnits.unitsOfCell[i])
            used[unit] |= s;
    }
    for (int i = 0; i < 81; ++i) {
        if (FCurrent[i] != kEmptyCell) {
            c[i] = filledCellSet(FCurrent[i]);
            continue;
        }
        const auto& units = kUnits.unitsOfCell[i];
        c[i] = kAllCandidates & static_cast<CandidateSet>(~(used[units[0]] | used[units[1]] | used[units[2]]));
    }
}

void SudokuEngine::ComputeCandidates(std::uint8_t level, Candidates& c) const
{
    InitialCandidates(c);
    bool progress = true;
    while (progress) {
        progress = false;
        if (level >= 3 && ReducePointing(c)) {
            progress = true;
            continue;
        }
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x) {
                const CandidateSet s = c[x * 9 + y];
                if (CandidateCount(s) == 1 && EliminateFromPeers(c, x, y, s))
                    progress = true;
            }
        if (level >= 3 && ReduceIdenticalSubsets(c))
            progress = true;
        if (!progress && level >= 4 && ReduceNakedSubsets(c))
            progress = true;
    }
}

bool SudokuEngine::EliminateFromPeers(Candidates& c, int x, int y, CandidateSet single) const
{
    const auto keep = static_cast<CandidateSet>(~single);
    bool deleted = false;
    for (std::uint8_t peer : kUnits.peers[x * 9 + y]) {
        if (c[peer] & single) {
            c[peer] &= keep;
            deleted = true;
        }
    }
    return deleted;
}

bool SudokuEngine::ReduceHiddenSingles(Candidates& c) const
{
    std::array<CandidateSet, 27> hidden{};
    CandidateSet anyUnit = 0;
    for (int u = 0; u < 27; ++u) {
        hidden[u] = hiddenSingleDigits(c, u);
        anyUnit |= hidden[u];
    }

    bool progress = false;
    for (int d = 0; d < 9; ++d) {
        const CandidateSet digit = DigitSet(d);
        if (!(anyUnit & digit))
            continue;
        for (int u = 0; u < 27; ++u) {
            if (!(hidden[u] & digit))
                continue;
            for (std::uint8_t cell : kUnits.cells[u]) {
                if (!(c[cell] & digit))
                    continue;
                if (CandidateCount(c[cell]) > 1) {
                    c[cell] = digit;
                    progress = true;
                    // The cell lost its other digits: later digits count anew in its units.
                    for (std::uint8_t v : kUnits.unitsOfCell[cell])
                        hidden[v] = hiddenSingleDigits(c, v);
                    anyUnit = 0;
                    for (CandidateSet h : hidden)
                        anyUnit |= h;
                }
                break;
            }
        }
    }
    return progress;
}

SudokuEngine::BoxPositions SudokuEngine::DigitPositionsInBox(const Candidates& c, int digit, int b) const
{
    BoxPositions positions;
    for (int y = BoxOriginY(b); y < BoxOriginY(b) + 3; ++y)
        for (int x = BoxOriginX(b); x < BoxOriginX(b) + 3; ++x)
            if (HoldsDigit(c[x * 9 + y], digit)) {
                positions.columns |= static_cast<std::uint16_t>(1U << x);
                positions.rows |= static_cast<std::uint16_t>(1U << y);
            }
    return positions;
}

bool SudokuEngine::ReducePointing(Candidates& c) const
{
    bool progress = false;
    for (int b = 0; b < 9; ++b) {
        const int x0 = BoxOriginX(b), y0 = BoxOriginY(b);
        const auto boxColumns = static_cast<std::uint16_t>(7U << x0);
        const auto boxRows = static_cast<std::uint16_t>(7U << y0);
        // Deletions below only touch cells outside this box, so the digits of
        // the box's columns and rows stay as they are for all nine digits.
        std::array<CandidateSet, 3> inColumn{}, inRow{};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                const CandidateSet s = c[(x0 + i) * 9 + y0 + j];
                inColumn[i] |= s;
                inRow[j] |= s;
            }
        for (int d = 0; d < 9; ++d) {
            int columns = 0, rows = 0, column = 0, row = 0;
            for (int i = 0; i < 3; ++i) {
                if (HoldsDigit(inColumn[i], d)) {
                    ++columns;
                    column = x0 + i;
                }
                if (HoldsDigit(inRow[i], d)) {
                    ++rows;
                    row = y0 + i;
                }
            }
            if (columns == 1 && rows != 1 && RemoveFromColumnExcept(c, DigitSet(d), column, boxRows))
                progress = true;
            if (rows == 1 && columns != 1 && RemoveFromRowExcept(c, DigitSet(d), row, boxColumns))
                progress = true;
        }
    }
    return progress;
}

bool SudokuEngine::ReduceIdenticalSubsets(Candidates& c) const
{
    bool progress = false;
    for (int u = 0; u < 27; ++u) {
        const auto& cells = kUnits.cells[u];
        // Distinct open sets in order of first appearance, with their cell counts.
        std::array<CandidateSet, 9> sets{};
        std::array<int, 9> counts{};
        int distinct = 0;
        int closed = 0;
        for (std::uint8_t cell : cells) {
            const CandidateSet s = c[cell];
            if (CandidateCount(s) <= 1) {
                ++closed;
                continue;
            }
            int j = 0;
            while (j < distinct && sets[j] != s)
                ++j;
            if (j == distinct)
                sets[distinct++] = s;
            ++counts[j];
        }
        for (int j = 0; j < distinct; ++j) {
            if (counts[j] + closed > 8 || CandidateCount(sets[j]) != counts[j])
                continue;
            const CandidateSet group = sets[j];
            for (std::uint8_t cell : cells) {
                if (c[cell] != group && (c[cell] & group)) {
                    c[cell] &= static_cast<CandidateSet>(~group);
                    progress = true;
                }
            }
        }
    }
    return progress;
}

bool SudokuEngine::ReduceNakedSubsets(Candidates& c) const
{
    // Which subset sizes a unit is searched for, by its filled cells in the
    // current grid.
    auto search = [&](int filled, auto&& reduce) {
        bool progress = false;
        if (filled <= 1 && reduce(6, FCombinations6))
            progress = true;
        if (filled <= 2 && reduce(5, FCombinations5))
            progress = true;
        if (filled <= 3 && reduce(4, FCombinations4))
            progress = true;
        if (filled <= 4 && reduce(3, FCombinations3))
            progress = true;
        return progress;
    };
    bool progress = false;
    for (int y = 0; y < 9; ++y)
        if (search(FilledInRow(y), [&](int k, const CombinationList& list) {
                return ReduceSubsetsInRow(c, y, k, list);
            }))
            progress = true;
    for (int x = 0; x < 9; ++x)
        if (search(FilledInColumn(x), [&](int k, const CombinationList& list) {
                return ReduceSubsetsInColumn(c, x, k, list);
            }))
            progress = true;
    for (int b = 0; b < 9; ++b) {
        const int x0 = BoxOriginX(b), y0 = BoxOriginY(b);
        if (search(FilledInBox(x0, y0), [&](int k, const CombinationList& list) {
                return ReduceSubsetsInBox(c, x0, y0, b, k, list);
            }))
            progress = true;
    }
    return progress;
}

bool SudokuEngine::ReduceSubsetsInRow(Candidates& c, int y, int k, const CombinationList& list) const
{
    return reduceSubsetsInUnit(c, kRowUnit + y, k, list);
}

bool SudokuEngine::ReduceSubsetsInColumn(Candidates& c, int x, int k, const CombinationList& list) const
{
    return reduceSubsetsInUnit(c, kColumnUnit + x, k, list);
}

bool SudokuEngine::ReduceSubsetsInBox(Candidates& c, int /*x0*/, int /*y0*/, int b, int k,
                                      const CombinationList& list) const
{
    return reduceSubsetsInUnit(c, kBoxUnit + b, k, list);
}

CandidateSet SudokuEngine::CandidateUnion(const std::vector<CandidateSet>& sets)
{
    CandidateSet unionSet = 0;
    for (CandidateSet s : sets)
        unionSet |= s;
    return unionSet;
}

bool SudokuEngine::RemoveFromRowExcept(Candidates& c, CandidateSet digits, int y, std::uint16_t spared) const
{
    return removeFromUnitExcept(c, kRowUnit + y, digits, spared);
}

bool SudokuEngine::RemoveFromColumnExcept(Candidates& c, CandidateSet digits, int x, std::uint16_t spared) const
{
    return removeFromUnitExcept(c, kColumnUnit + x, digits, spared);
}

bool SudokuEngine::RemoveFromBoxExcept(Candidates& c, CandidateSet digits, int b, std::uint16_t spared) const
{
    return removeFromUnitExcept(c, kBoxUnit + b, digits, spared);
}
