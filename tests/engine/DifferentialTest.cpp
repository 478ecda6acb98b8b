// The engine keeps candidates as 9-bit sets; the reference in reference/
// states the same techniques with digit strings, step by step. These tests
// run both over some two thousand grids and demand identical results,
// technique by technique: the returned Boolean and the whole candidate array
// after every call, from the same starting arrays, plus the candidate build at
// every level and the graded solver at every maximum.
//
// Starting arrays are not only the tidy ones the solver makes: partly reduced
// arrays, arrays with random deletions and arbitrary shapes bring in empty
// strings, contradictions and groups no real grid would show. A random walk of
// techniques applied to both sides reaches the deeper states in between.
//
// A mismatch is reported with the grid as 81 numbers (cell index x * 9 + y,
// 255 = empty); only the first few of each kind are printed in full.

#include "Random.h"
#include "SudokuEngine.h"
#include "reference/ReferenceSolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Grid = std::array<std::uint8_t, 81>;
using reference::CandidateStrings;
using reference::ReferenceSolver;

constexpr std::uint8_t kNone = 255;

Grid EmptyGrid()
{
    Grid g;
    g.fill(kNone);
    return g;
}

int EmptyCells(const Grid& g)
{
    return static_cast<int>(std::count(g.begin(), g.end(), kNone));
}

int FilledInBox(const Grid& g, int b)
{
    int filled = 0;
    for (int p = 0; p < 9; ++p) {
        const int x = (b % 3) * 3 + p % 3;
        const int y = (b / 3) * 3 + p / 3;
        if (g[x * 9 + y] != kNone)
            ++filled;
    }
    return filled;
}

bool HasSparseBox(const Grid& g)
{
    for (int b = 0; b < 9; ++b)
        if (FilledInBox(g, b) < 2)
            return true;
    return false;
}

std::string GridNumbers(const Grid& g)
{
    std::ostringstream out;
    for (int i = 0; i < 81; ++i)
        out << (i ? "," : "") << static_cast<int>(g[i]);
    return out.str();
}

std::string ArrayText(const CandidateStrings& s)
{
    std::ostringstream out;
    for (int i = 0; i < 81; ++i)
        out << (i % 9 ? " " : (i ? " | " : "")) << (s[i].empty() ? "-" : s[i]);
    return out.str();
}

Candidates ToSets(const CandidateStrings& s)
{
    Candidates c{};
    for (int i = 0; i < 81; ++i)
        c[i] = CandidateSetFromText(s[i]);
    return c;
}

std::uint16_t PositionMask(const std::vector<int>& positions)
{
    std::uint16_t mask = 0;
    for (int p : positions)
        mask = static_cast<std::uint16_t>(mask | (1U << p));
    return mask;
}

// The cells where the two arrays differ, as "(x,y) ref 013 engine 01".
std::string ArrayDifference(const CandidateStrings& ref, const Candidates& engine)
{
    std::ostringstream out;
    for (int i = 0; i < 81; ++i)
        if (CandidateSetFromText(ref[i]) != engine[i])
            out << " (" << i / 9 << "," << i % 9 << ") ref \"" << ref[i] << "\" engine \""
                << CandidateText(engine[i]) << "\"";
    return out.str();
}

// ---------------------------------------------------------------------------
// Grid sources. Every random choice here comes from the test's own generator,
// never from the engine's Random.

class GridMaker
{
public:
    explicit GridMaker(std::uint64_t seed) : m_rng(seed) {}

    int Below(int n) { return static_cast<int>(m_rng() % static_cast<std::uint64_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }
    std::mt19937_64& Rng() { return m_rng; }

    // A valid complete grid: a fixed one, shuffled by digit relabelling,
    // band/row/stack/column permutations and an optional transposition.
    Grid FullGrid()
    {
        std::array<int, 9> digits{}, rows{}, columns{};
        for (int i = 0; i < 9; ++i)
            digits[i] = i;
        std::shuffle(digits.begin(), digits.end(), m_rng);
        ShuffledLines(rows);
        ShuffledLines(columns);
        const bool transpose = Chance(50);
        Grid g;
        for (int x = 0; x < 9; ++x)
            for (int y = 0; y < 9; ++y) {
                const int sx = columns[x];
                const int sy = rows[y];
                const int value = (3 * (sy % 3) + sy / 3 + sx) % 9;
                g[transpose ? y * 9 + x : x * 9 + y] = static_cast<std::uint8_t>(digits[value]);
            }
        return g;
    }

    // Blanks random filled cells until at least `empty` cells are empty.
    void BlankUntil(Grid& g, int empty)
    {
        std::vector<int> filled;
        for (int i = 0; i < 81; ++i)
            if (g[i] != kNone)
                filled.push_back(i);
        std::shuffle(filled.begin(), filled.end(), m_rng);
        for (int i : filled) {
            if (EmptyCells(g) >= empty)
                break;
            g[i] = kNone;
        }
    }

    // Empties box b down to `keep` filled cells.
    void ThinBox(Grid& g, int b, int keep)
    {
        std::vector<int> cells;
        for (int p = 0; p < 9; ++p) {
            const int i = ((b % 3) * 3 + p % 3) * 9 + (b / 3) * 3 + p / 3;
            if (g[i] != kNone)
                cells.push_back(i);
        }
        std::shuffle(cells.begin(), cells.end(), m_rng);
        for (std::size_t n = 0; n + keep < cells.size(); ++n)
            g[cells[n]] = kNone;
    }

    // Fills `count` random empty cells from the full grid.
    void Refill(Grid& g, const Grid& full, int count)
    {
        std::vector<int> empty;
        for (int i = 0; i < 81; ++i)
            if (g[i] == kNone)
                empty.push_back(i);
        std::shuffle(empty.begin(), empty.end(), m_rng);
        for (int n = 0; n < count && n < static_cast<int>(empty.size()); ++n)
            g[empty[n]] = full[empty[n]];
    }

    // `count` random cells with random digits, rules or not.
    Grid RandomFilling(int count)
    {
        Grid g = EmptyGrid();
        for (int n = 0; n < count; ++n)
            g[Below(81)] = static_cast<std::uint8_t>(Below(9));
        return g;
    }

    // Random placements that each keep the rules, until `count` are placed or
    // the grid has no legal placement left; the result may still have no
    // solution.
    Grid LegalFilling(int count)
    {
        ReferenceSolver& r = Checker();
        std::fill(std::begin(r.grid.FCurrent), std::end(r.grid.FCurrent), kNone);
        for (int placed = 0, tries = 0; placed < count && tries < 2000; ++tries) {
            const int i = Below(81);
            const int d = Below(9);
            if (r.CanPlaceValue(i / 9, i % 9, d)) {
                r.grid.FCurrent[i] = static_cast<std::uint8_t>(d);
                ++placed;
            }
        }
        Grid g;
        std::copy(std::begin(r.grid.FCurrent), std::end(r.grid.FCurrent), g.begin());
        return g;
    }

    // Deletes random candidates: most cells keep theirs, some lose one or
    // more digits, a few become settled on a random digit or empty.
    void RandomDeletions(CandidateStrings& s)
    {
        const int rate = 10 + Below(40);
        for (std::string& text : s) {
            if (!Chance(rate))
                continue;
            switch (Below(6)) {
            case 0: text.clear(); break;
            case 1: text = std::string(1, static_cast<char>('0' + Below(9))); break;
            default:
                if (!text.empty())
                    text.erase(Below(static_cast<int>(text.size())), 1);
                if (text.size() > 2 && Chance(50))
                    text.erase(Below(static_cast<int>(text.size())), 1);
                break;
            }
        }
    }

    // An arbitrary array, biased towards short strings and repeated strings
    // so that groups, pairs and pointing lines occur often.
    CandidateStrings RandomShape()
    {
        std::vector<std::string> pool;
        for (int n = 0; n < 6; ++n)
            pool.push_back(RandomText(2 + Below(3)));
        CandidateStrings s;
        for (std::string& text : s) {
            const int kind = Below(10);
            if (kind < 4)
                text = pool[Below(static_cast<int>(pool.size()))];
            else if (kind < 6)
                text = RandomText(1);
            else if (kind < 7)
                text.clear();
            else
                text = RandomText(2 + Below(8));
        }
        return s;
    }

    std::string RandomText(int length)
    {
        std::string all = "012345678";
        std::shuffle(all.begin(), all.end(), m_rng);
        std::string text = all.substr(0, length);
        std::sort(text.begin(), text.end());
        return text;
    }

private:
    void ShuffledLines(std::array<int, 9>& lines)
    {
        std::array<int, 3> blocks = {0, 1, 2};
        std::shuffle(blocks.begin(), blocks.end(), m_rng);
        for (int b = 0; b < 3; ++b) {
            std::array<int, 3> inner = {0, 1, 2};
            std::shuffle(inner.begin(), inner.end(), m_rng);
            for (int i = 0; i < 3; ++i)
                lines[b * 3 + i] = blocks[b] * 3 + inner[i];
        }
    }

    ReferenceSolver& Checker()
    {
        if (!m_checker)
            m_checker = std::make_unique<ReferenceSolver>();
        return *m_checker;
    }

    std::mt19937_64 m_rng;
    std::unique_ptr<ReferenceSolver> m_checker;
};

// ---------------------------------------------------------------------------
// The comparison harness: one engine and one reference, loaded with the same
// current grid.

// How much each grid is put through besides the candidate build and the
// grading, which every grid gets in full.
struct Depth
{
    int extraStarts = 3;               // of: most reduced, random deletions, arbitrary shape
    bool everyUnitSubsetSearch = true; // else one random unit of each kind per size
    int randomWalkSteps = 12;
};

const Depth kFull{};
const Depth kLight{1, false, 6};
const Depth kQuick{0, false, 4};

class Differ
{
public:
    explicit Differ(std::uint64_t seed) : m_make(seed)
    {
        if (m_engine.FCombinations3.Count() == 0)
            m_engine.BuildCombinationLists();
    }

    GridMaker& Make() { return m_make; }

    // What the grids covered: how the reference graded them at maximum 5
    // ("L0".."L4" solved, "fail"), and how many had a sparse box.
    std::string Coverage() const
    {
        std::ostringstream out;
        for (const auto& [key, count] : m_coverage)
            out << " " << key << "=" << count;
        return out.str();
    }

    void CompareGrid(const Grid& g, const Depth& depth = kFull)
    {
        m_grid = g;
        if (HasSparseBox(g))
            ++m_coverage["sparse"];
        Load();
        const std::vector<CandidateStrings> built = CompareBuild();
        CompareGrading();

        // Starting arrays: as built, and some of: most reduced, with random
        // deletions, of arbitrary shape.
        std::vector<CandidateStrings> extras;
        if (built[5] != built[0])
            extras.push_back(built[5]); // level 4
        else if (built[1] != built[0])
            extras.push_back(built[1]); // level 0
        CandidateStrings deleted = built[0];
        m_make.RandomDeletions(deleted);
        extras.push_back(deleted);
        extras.push_back(m_make.RandomShape());
        std::shuffle(extras.begin(), extras.end(), m_make.Rng());
        extras.resize(std::min<std::size_t>(extras.size(), depth.extraStarts));

        std::vector<CandidateStrings> starts = {built[0]};
        starts.insert(starts.end(), extras.begin(), extras.end());
        for (const CandidateStrings& start : starts) {
            CompareTechniques(start, depth);
            CompareRandomWalk(start, depth.randomWalkSteps);
        }
    }

private:
    void Load()
    {
        std::copy(m_grid.begin(), m_grid.end(), m_engine.FCurrent);
        std::copy(m_grid.begin(), m_grid.end(), m_ref.grid.FCurrent);
    }

    void Mismatch(const std::string& what, const std::string& detail)
    {
        if (++m_reported[what] > 3)
            return;
        ADD_FAILURE() << what << " differs for grid {" << GridNumbers(m_grid) << "}\n" << detail;
    }

    // True when both agree; reports otherwise.
    bool Agree(const std::string& what, const CandidateStrings& start, bool refResult,
               const CandidateStrings& ref, bool engineResult, const Candidates& engine)
    {
        if (refResult == engineResult && ToSets(ref) == engine)
            return true;
        std::ostringstream detail;
        detail << "start: " << ArrayText(start) << "\nresult ref " << refResult << " engine "
               << engineResult << "\narray differs at:" << ArrayDifference(ref, engine);
        Mismatch(what, detail.str());
        return false;
    }

    // InitialCandidates, then ComputeCandidates at levels 0..4; gives the
    // reference's arrays: [0] as built, [1 + L] for level L.
    std::vector<CandidateStrings> CompareBuild()
    {
        std::vector<CandidateStrings> built;
        CandidateStrings s;
        Candidates e{};
        m_ref.InitialCandidates(s);
        m_engine.InitialCandidates(e);
        Agree("InitialCandidates", s, true, s, true, e);
        built.push_back(s);
        for (int level = 0; level <= 4; ++level) {
            CandidateStrings sl;
            Candidates el{};
            m_ref.ComputeCandidates(static_cast<std::uint8_t>(level), sl);
            m_engine.ComputeCandidates(static_cast<std::uint8_t>(level), el);
            Agree("ComputeCandidates level " + std::to_string(level), s, true, sl, true, el);
            built.push_back(sl);
        }
        return built;
    }

    void CompareGrading()
    {
        for (int maxLevel = 0; maxLevel <= 5; ++maxLevel) {
            std::fill(std::begin(m_engine.FSolution), std::end(m_engine.FSolution), std::uint8_t{7});
            std::fill(std::begin(m_ref.grid.FSolution), std::end(m_ref.grid.FSolution), std::uint8_t{3});
            std::uint8_t refLevel = 200;
            std::uint8_t engineLevel = 100;
            const bool refSolved = m_ref.GradeAndSolve(static_cast<std::uint8_t>(maxLevel), refLevel);
            const bool engineSolved = m_engine.GradeAndSolve(static_cast<std::uint8_t>(maxLevel), engineLevel);

            Grid refWork, engineWork, engineCurrent;
            std::copy(std::begin(m_ref.grid.FSolution), std::end(m_ref.grid.FSolution), refWork.begin());
            std::copy(std::begin(m_engine.FSolution), std::end(m_engine.FSolution), engineWork.begin());
            std::copy(std::begin(m_engine.FCurrent), std::end(m_engine.FCurrent), engineCurrent.begin());

            if (refSolved != engineSolved || refLevel != engineLevel || refWork != engineWork
                || engineCurrent != m_grid) {
                std::ostringstream detail;
                detail << "maxLevel " << maxLevel << ": ref " << refSolved << " level "
                       << int(refLevel) << ", engine " << engineSolved << " level " << int(engineLevel)
                       << "\nref FSolution    {" << GridNumbers(refWork) << "}\nengine FSolution {"
                       << GridNumbers(engineWork) << "}\nengine FCurrent  {" << GridNumbers(engineCurrent)
                       << "}";
                Mismatch("GradeAndSolve", detail.str());
                std::copy(m_grid.begin(), m_grid.end(), m_engine.FCurrent);
            }
            if (maxLevel == 5)
                ++m_coverage[refSolved ? "L" + std::to_string(refLevel) : std::string("fail")];
        }
    }

    void CompareTechniques(const CandidateStrings& start, const Depth& depth)
    {
        // Peer elimination from every settled cell in turn, carried forward.
        {
            CandidateStrings s = start;
            Candidates e = ToSets(start);
            for (int i = 0; i < 81; ++i) {
                if (s[i].size() != 1)
                    continue;
                const bool rr = m_ref.EliminateFromPeers(s, i / 9, i % 9, s[i]);
                const bool er = m_engine.EliminateFromPeers(e, i / 9, i % 9, e[i]);
                if (!Agree("EliminateFromPeers", start, rr, s, er, e))
                    break;
            }
        }
        // ... and with any digit from any cell.
        for (int n = 0; n < 3; ++n) {
            const int i = m_make.Below(81);
            const int d = m_make.Below(9);
            CandidateStrings s = start;
            Candidates e = ToSets(start);
            const bool rr = m_ref.EliminateFromPeers(s, i / 9, i % 9, std::string(1, char('0' + d)));
            const bool er = m_engine.EliminateFromPeers(e, i / 9, i % 9, DigitSet(d));
            Agree("EliminateFromPeers(any digit)", start, rr, s, er, e);
        }

        CompareWhole("ReduceHiddenSingles", start, &ReferenceSolver::ReduceHiddenSingles,
                     &SudokuEngine::ReduceHiddenSingles);
        CompareWhole("ReducePointing", start, &ReferenceSolver::ReducePointing,
                     &SudokuEngine::ReducePointing);
        CompareWhole("ReduceIdenticalSubsets", start, &ReferenceSolver::ReduceIdenticalSubsets,
                     &SudokuEngine::ReduceIdenticalSubsets);
        CompareWhole("ReduceNakedSubsets", start, &ReferenceSolver::ReduceNakedSubsets,
                     &SudokuEngine::ReduceNakedSubsets);

        CompareDigitPositions(start);

        for (int k = 3; k <= 6; ++k) {
            if (depth.everyUnitSubsetSearch) {
                for (int unit = 0; unit < 9; ++unit) {
                    CompareSubsetSearch(start, 0, unit, k);
                    CompareSubsetSearch(start, 1, unit, k);
                    CompareSubsetSearch(start, 2, unit, k);
                }
            } else {
                for (int kind = 0; kind < 3; ++kind)
                    CompareSubsetSearch(start, kind, m_make.Below(9), k);
            }
        }

        for (int n = 0; n < 2; ++n)
            for (int kind = 0; kind < 3; ++kind)
                CompareRemoveExcept(start, kind);

        CompareUnion(start);
    }

    void CompareWhole(const std::string& what, const CandidateStrings& start,
                      bool (ReferenceSolver::*ref)(CandidateStrings&) const,
                      bool (SudokuEngine::*engine)(Candidates&) const)
    {
        CandidateStrings s = start;
        Candidates e = ToSets(start);
        const bool rr = (m_ref.*ref)(s);
        const bool er = (m_engine.*engine)(e);
        Agree(what, start, rr, s, er, e);
    }

    void CompareDigitPositions(const CandidateStrings& start)
    {
        const Candidates e = ToSets(start);
        for (int b = 0; b < 9; ++b)
            for (int d = 0; d < 9; ++d) {
                reference::SortedStringList columns, rows;
                m_ref.DigitPositionsInBox(start, std::string(1, char('0' + d)), b, columns, rows);
                std::uint16_t refColumns = 0, refRows = 0;
                for (const std::string& c : columns.Items())
                    refColumns = static_cast<std::uint16_t>(refColumns | (1U << std::stoi(c)));
                for (const std::string& r : rows.Items())
                    refRows = static_cast<std::uint16_t>(refRows | (1U << std::stoi(r)));
                const SudokuEngine::BoxPositions got = m_engine.DigitPositionsInBox(e, d, b);
                if (got.columns != refColumns || got.rows != refRows) {
                    std::ostringstream detail;
                    detail << "start: " << ArrayText(start) << "\nbox " << b << " digit " << d
                           << ": ref columns " << refColumns << " rows " << refRows << ", engine columns "
                           << got.columns << " rows " << got.rows << " (bit masks)";
                    Mismatch("DigitPositionsInBox", detail.str());
                }
            }
    }

    const CombinationList& EngineList(int k) const
    {
        switch (k) {
        case 3: return m_engine.FCombinations3;
        case 4: return m_engine.FCombinations4;
        case 5: return m_engine.FCombinations5;
        default: return m_engine.FCombinations6;
        }
    }

    // kind 0: row, 1: column, 2: box.
    void CompareSubsetSearch(const CandidateStrings& start, int kind, int unit, int k)
    {
        CandidateStrings s = start;
        Candidates e = ToSets(start);
        bool rr = false, er = false;
        std::string what;
        if (kind == 0) {
            what = "ReduceSubsetsInRow";
            rr = m_ref.ReduceSubsetsInRow(s, unit, k, m_ref.CombinationsOfSize(k));
            er = m_engine.ReduceSubsetsInRow(e, unit, k, EngineList(k));
        } else if (kind == 1) {
            what = "ReduceSubsetsInColumn";
            rr = m_ref.ReduceSubsetsInColumn(s, unit, k, m_ref.CombinationsOfSize(k));
            er = m_engine.ReduceSubsetsInColumn(e, unit, k, EngineList(k));
        } else {
            what = "ReduceSubsetsInBox";
            const int x0 = ReferenceSolver::BoxOriginX(unit);
            const int y0 = ReferenceSolver::BoxOriginY(unit);
            rr = m_ref.ReduceSubsetsInBox(s, x0, y0, unit, k, m_ref.CombinationsOfSize(k));
            er = m_engine.ReduceSubsetsInBox(e, x0, y0, unit, k, EngineList(k));
        }
        Agree(what + " unit " + std::to_string(unit) + " size " + std::to_string(k), start, rr, s, er, e);
    }

    void CompareRemoveExcept(const CandidateStrings& start, int kind)
    {
        const std::string digits = m_make.RandomText(1 + m_make.Below(9));
        std::vector<int> spared;
        for (int p = 0; p < 9; ++p)
            if (m_make.Chance(35))
                spared.push_back(p);
        std::shuffle(spared.begin(), spared.end(), m_make.Rng());
        const int unit = m_make.Below(9);

        CandidateStrings s = start;
        Candidates e = ToSets(start);
        const CandidateSet set = CandidateSetFromText(digits);
        const std::uint16_t mask = PositionMask(spared);
        bool rr = false, er = false;
        std::string what;
        if (kind == 0) {
            what = "RemoveFromRowExcept";
            rr = m_ref.RemoveFromRowExcept(s, digits, unit, spared);
            er = m_engine.RemoveFromRowExcept(e, set, unit, mask);
        } else if (kind == 1) {
            what = "RemoveFromColumnExcept";
            rr = m_ref.RemoveFromColumnExcept(s, digits, unit, spared);
            er = m_engine.RemoveFromColumnExcept(e, set, unit, mask);
        } else {
            what = "RemoveFromBoxExcept";
            rr = m_ref.RemoveFromBoxExcept(s, digits, unit, spared);
            er = m_engine.RemoveFromBoxExcept(e, set, unit, mask);
        }
        Agree(what + " unit " + std::to_string(unit) + " digits " + digits, start, rr, s, er, e);
    }

    void CompareUnion(const CandidateStrings& start)
    {
        std::vector<std::string> strings;
        std::vector<CandidateSet> sets;
        const int n = m_make.Below(10);
        for (int i = 0; i < n; ++i) {
            const std::string& text = start[m_make.Below(81)];
            strings.push_back(text);
            sets.push_back(CandidateSetFromText(text));
        }
        const std::string ref = ReferenceSolver::CandidateUnion(strings);
        const CandidateSet engine = SudokuEngine::CandidateUnion(sets);
        if (CandidateSetFromText(ref) != engine || CandidateText(engine) != ref) {
            std::ostringstream detail;
            for (const std::string& text : strings)
                detail << '"' << text << "\" ";
            detail << "-> ref \"" << ref << "\" engine \"" << CandidateText(engine) << '"';
            Mismatch("CandidateUnion", detail.str());
        }
    }

    // Random techniques applied in turn to both sides, compared after each.
    void CompareRandomWalk(const CandidateStrings& start, int steps)
    {
        CandidateStrings s = start;
        Candidates e = ToSets(start);
        for (int step = 0; step < steps; ++step) {
            const CandidateStrings before = s;
            bool rr = false, er = false;
            std::string what;
            switch (m_make.Below(8)) {
            case 0:
                what = "walk: peer elimination pass";
                for (int y = 0; y < 9; ++y)
                    for (int x = 0; x < 9; ++x)
                        if (s[x * 9 + y].size() == 1) {
                            rr = m_ref.EliminateFromPeers(s, x, y, s[x * 9 + y]) || rr;
                            er = m_engine.EliminateFromPeers(e, x, y, e[x * 9 + y]) || er;
                        }
                break;
            case 1:
                what = "walk: ReduceHiddenSingles";
                rr = m_ref.ReduceHiddenSingles(s);
                er = m_engine.ReduceHiddenSingles(e);
                break;
            case 2:
                what = "walk: ReducePointing";
                rr = m_ref.ReducePointing(s);
                er = m_engine.ReducePointing(e);
                break;
            case 3:
                what = "walk: ReduceIdenticalSubsets";
                rr = m_ref.ReduceIdenticalSubsets(s);
                er = m_engine.ReduceIdenticalSubsets(e);
                break;
            case 4:
                what = "walk: ReduceNakedSubsets";
                rr = m_ref.ReduceNakedSubsets(s);
                er = m_engine.ReduceNakedSubsets(e);
                break;
            case 5: {
                const int unit = m_make.Below(9);
                const int k = 3 + m_make.Below(4);
                what = "walk: ReduceSubsetsInBox";
                rr = m_ref.ReduceSubsetsInBox(s, ReferenceSolver::BoxOriginX(unit),
                                              ReferenceSolver::BoxOriginY(unit), unit, k,
                                              m_ref.CombinationsOfSize(k));
                er = m_engine.ReduceSubsetsInBox(e, ReferenceSolver::BoxOriginX(unit),
                                                 ReferenceSolver::BoxOriginY(unit), unit, k, EngineList(k));
                break;
            }
            case 6: {
                const int unit = m_make.Below(9);
                const int k = 3 + m_make.Below(4);
                what = "walk: ReduceSubsetsInRow/Column";
                if (m_make.Chance(50)) {
                    rr = m_ref.ReduceSubsetsInRow(s, unit, k, m_ref.CombinationsOfSize(k));
                    er = m_engine.ReduceSubsetsInRow(e, unit, k, EngineList(k));
                } else {
                    rr = m_ref.ReduceSubsetsInColumn(s, unit, k, m_ref.CombinationsOfSize(k));
                    er = m_engine.ReduceSubsetsInColumn(e, unit, k, EngineList(k));
                }
                break;
            }
            default:
                // A random deletion on both sides, to push the walk into
                // contradictions now and then.
                what = "walk: random deletion";
                {
                    const int i = m_make.Below(81);
                    if (!s[i].empty()) {
                        const int at = m_make.Below(static_cast<int>(s[i].size()));
                        e[i] = static_cast<CandidateSet>(e[i] & ~DigitSet(s[i][at] - '0'));
                        s[i].erase(at, 1);
                    }
                }
                break;
            }
            if (!Agree(what, before, rr, s, er, e))
                return;
        }
    }

    GridMaker m_make;
    SudokuEngine m_engine;
    ReferenceSolver m_ref;
    Grid m_grid{};
    std::map<std::string, int> m_coverage;
    std::map<std::string, int> m_reported;
};

// Prints how many grids a test compared, and how long it took.
class Tally
{
public:
    explicit Tally(std::string name) : m_name(std::move(name)), m_start(std::chrono::steady_clock::now()) {}
    void Count(const std::string& category, int grids) { m_counts.emplace_back(category, grids); }
    void Covered(std::string coverage) { m_coverage = std::move(coverage); }
    ~Tally()
    {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - m_start)
                            .count();
        std::cout << "[ grids    ] " << m_name << ":";
        for (const auto& [category, grids] : m_counts)
            std::cout << " " << category << " " << grids << ";";
        std::cout << " " << ms << " ms;" << m_coverage << "\n";
    }

private:
    std::string m_name;
    std::chrono::steady_clock::time_point m_start;
    std::vector<std::pair<std::string, int>> m_counts;
    std::string m_coverage;
};

// Fixes the engine's random seed for the test and releases it afterwards.
struct FixedSeed
{
    explicit FixedSeed(std::uint64_t seed) { FixRandomSeed(seed); }
    ~FixedSeed() { ReleaseRandomSeed(); }
};

// ---------------------------------------------------------------------------

TEST(DifferentialCombinationLists, EngineListsEqualTheReferenceLists)
{
    SudokuEngine engine;
    if (engine.FCombinations3.Count() == 0)
        engine.BuildCombinationLists();
    const ReferenceSolver ref;
    for (int k = 3; k <= 6; ++k) {
        const CombinationList& list = k == 3 ? engine.FCombinations3
                                      : k == 4 ? engine.FCombinations4
                                      : k == 5 ? engine.FCombinations5
                                               : engine.FCombinations6;
        const reference::SortedStringList& expected = ref.CombinationsOfSize(k);
        ASSERT_EQ(list.Count(), expected.Count()) << "size " << k;
        for (std::size_t i = 0; i < list.Count(); ++i) {
            const CombinationList::Entry& entry = list[i];
            ASSERT_EQ(entry.text, expected[i]) << "size " << k << " entry " << i;
            EXPECT_EQ(entry.size, k);
            EXPECT_EQ(entry.positions, CandidateSetFromText(entry.text)) << entry.text;
            for (int j = 0; j < k; ++j)
                EXPECT_EQ(entry.list[j], entry.text[j] - '0') << entry.text;
        }
    }
}

TEST(DifferentialGrids, GeneratedPuzzlesAtEveryLevelAndTheirVariants)
{
    Tally tally("generated");
    Differ differ(101);
    int puzzles = 0, blanked = 0, sparse = 0, refilled = 0;
    SudokuEngine generator;
    for (int level = 0; level <= 4; ++level) {
        for (int n = 0; n < 5; ++n) {
            {
                FixedSeed seed(1000 + level * 100 + n);
                generator.GeneratePuzzle(static_cast<std::uint8_t>(level));
            }
            Grid puzzle, full;
            std::copy(std::begin(generator.FCurrent), std::end(generator.FCurrent), puzzle.begin());
            std::copy(std::begin(generator.FSolution), std::end(generator.FSolution), full.begin());
            differ.CompareGrid(puzzle);
            ++puzzles;

            GridMaker& make = differ.Make();
            // Past every emptiness gate, and well beyond.
            for (int target : {36, 36, 46, 46, 51, 51, 56, 61, 66, 72}) {
                Grid g = puzzle;
                make.BlankUntil(g, target + make.Below(3));
                differ.CompareGrid(g, kQuick);
                ++blanked;
            }
            // A box thinned to one or no filled cell.
            for (int v = 0; v < 4; ++v) {
                Grid g = puzzle;
                make.ThinBox(g, make.Below(9), make.Below(2));
                differ.CompareGrid(g, kQuick);
                ++sparse;
            }
            // Easier neighbours: some of the solution put back.
            for (int v = 0; v < 4; ++v) {
                Grid g = puzzle;
                make.Refill(g, full, 1 + make.Below(20));
                differ.CompareGrid(g, kQuick);
                ++refilled;
            }
        }
    }
    tally.Count("puzzles", puzzles);
    tally.Count("blanked", blanked);
    tally.Count("sparse-box", sparse);
    tally.Count("refilled", refilled);
    tally.Covered(differ.Coverage());
}

TEST(DifferentialGrids, FullGridsWithCellsRemovedAroundEveryGate)
{
    Tally tally("removed");
    Differ differ(202);
    GridMaker& make = differ.Make();
    int grids = 0, gate = 0;
    // Every emptiness from 0 to 81 ...
    for (int empty = 0; empty <= 81; ++empty)
        for (int v = 0; v < 3; ++v) {
            Grid g = make.FullGrid();
            make.BlankUntil(g, empty);
            differ.CompareGrid(g, kQuick);
            ++grids;
        }
    // ... and more on both sides of each gate, with and without sparse boxes.
    for (int edge : {35, 45, 50, 60})
        for (int empty = edge - 1; empty <= edge + 2; ++empty)
            for (int v = 0; v < 12; ++v) {
                Grid g = make.FullGrid();
                if (v % 2)
                    make.ThinBox(g, make.Below(9), make.Below(2));
                make.BlankUntil(g, empty);
                differ.CompareGrid(g, kQuick);
                ++gate;
            }
    tally.Count("uniform", grids);
    tally.Count("at-gates", gate);
    tally.Covered(differ.Coverage());
}

TEST(DifferentialGrids, SparseBoxesInOtherwiseFullGrids)
{
    Tally tally("sparse");
    Differ differ(303);
    GridMaker& make = differ.Make();
    int grids = 0;
    for (int v = 0; v < 250; ++v) {
        Grid g = make.FullGrid();
        const int boxes = 1 + make.Below(3);
        for (int n = 0; n < boxes; ++n)
            make.ThinBox(g, make.Below(9), make.Below(3));
        make.BlankUntil(g, EmptyCells(g) + make.Below(30));
        differ.CompareGrid(g, kQuick);
        ++grids;
    }
    tally.Count("sparse-box", grids);
    tally.Covered(differ.Coverage());
}

TEST(DifferentialGrids, RandomFillingsThatMayBreakTheRules)
{
    Tally tally("fillings");
    Differ differ(404);
    GridMaker& make = differ.Make();
    int breaking = 0, legal = 0;
    for (int v = 0; v < 250; ++v) {
        differ.CompareGrid(make.RandomFilling(15 + make.Below(46)), kLight);
        ++breaking;
    }
    for (int v = 0; v < 250; ++v) {
        differ.CompareGrid(make.LegalFilling(20 + make.Below(62)), kLight);
        ++legal;
    }
    tally.Count("rule-breaking", breaking);
    tally.Count("rule-keeping", legal);
    tally.Covered(differ.Coverage());
}
TEST(DifferentialGrids, EmptyAndFullGrids)
{
    Tally tally("edges");
    Differ differ(505);
    GridMaker& make = differ.Make();
    differ.CompareGrid(EmptyGrid());
    int full = 0, broken = 0;
    for (int v = 0; v < 30; ++v) {
        differ.CompareGrid(make.FullGrid());
        ++full;
    }
    // Full grids with one to three wrong digits, some with an empty cell.
    for (int v = 0; v < 60; ++v) {
        Grid g = make.FullGrid();
        for (int n = 0, wrong = 1 + make.Below(3); n < wrong; ++n)
            g[make.Below(81)] = static_cast<std::uint8_t>(make.Below(9));
        if (v % 3 == 0)
            g[make.Below(81)] = kNone;
        differ.CompareGrid(g);
        ++broken;
    }
    tally.Count("empty", 1);
    tally.Count("full", full);
    tally.Count("full-broken", broken);
    tally.Covered(differ.Coverage());
}

} // namespace
