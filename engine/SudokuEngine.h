#pragma once

#include "Candidates.h"
#include "Patterns.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The value of an empty cell in every grid (and of a cell that is not a given
// in the givens grid). Digits are stored 0 to 8 and shown as 1 to 9.
inline constexpr std::uint8_t kEmptyCell = 255;

// Most empty cells at each level: the generator tries this many removals,
// and the graded solver passes over a level whose count the grid exceeds.
inline constexpr std::array<int, 5> kRemovalsPerLevel = {35, 45, 50, 60, 81};

// The line the generator reports when no further cell could be removed.
inline constexpr const char* kCantRemoveMore = "Cant remove any more items";

// The puzzle engine: the four grids and the pencil marks of the game in play,
// with the operations on them, the candidate techniques, the graded solver and
// the generator. The main window derives from it, so these keep the names the
// rest of the game uses. A cell is addressed as column x (0..8, left to right)
// and row y (0..8, top to bottom); its index in every grid is x * 9 + y.
class SudokuEngine
{
public:
    SudokuEngine();
    virtual ~SudokuEngine() = default;

    // ---- Grids (GridModel.cpp) ----
    std::uint8_t FGivens[81] = {};
    std::uint8_t FSolution[81] = {};  // also the graded solver's work grid
    std::uint8_t FCurrent[81] = {};
    std::uint8_t FSpare[81] = {};
    std::uint8_t FMarks[729] = {};    // mark k of (x, y) at x * 81 + y * 9 + k

    // The level 0..4 of the game in play.
    std::uint8_t GameLevel = 0;

    bool CanPlaceValue(int x, int y, int digit) const;
    std::string GridToText() const;
    std::string SolutionToText() const;
    std::vector<std::string> FilledCells() const;
    std::vector<std::string> EmptyCells() const;
    int FilledCount() const;
    int EmptyCount() const;
    void ClearGrid();
    void StoreGivens();
    void ShowSolution();
    void RestoreGivens();
    void SaveFullGrid();
    void SolutionFromFullGrid();
    void CurrentFromFullGrid();
    static int BoxOriginX(int b) { return (b % 3) * 3; }
    static int BoxOriginY(int b) { return (b / 3) * 3; }
    int FilledInColumn(int x) const;
    int FilledInRow(int y) const;
    int FilledInBox(int x, int y) const;
    bool SolutionComplete() const;

    // ---- Candidates and reduction techniques (Techniques.cpp) ----
    // Sorted lists of every 3-, 4-, 5- and 6-element subset of positions 0..8.
    CombinationList FCombinations3, FCombinations4, FCombinations5, FCombinations6;

    void BuildCombinationLists();
    // Candidates of every cell of the current grid: a filled cell's own digit,
    // else the digits CanPlaceValue allows.
    void InitialCandidates(Candidates& c) const;
    void ComputeCandidates(std::uint8_t level, Candidates& c) const;
    bool EliminateFromPeers(Candidates& c, int x, int y, CandidateSet single) const;
    bool ReduceHiddenSingles(Candidates& c) const;
    bool ReducePointing(Candidates& c) const;
    struct BoxPositions
    {
        std::uint16_t columns = 0; // bit x set when a cell of column x holds the digit
        std::uint16_t rows = 0;    // bit y likewise
    };
    BoxPositions DigitPositionsInBox(const Candidates& c, int digit, int b) const;
    bool ReduceIdenticalSubsets(Candidates& c) const;
    bool ReduceNakedSubsets(Candidates& c) const;
    bool ReduceSubsetsInRow(Candidates& c, int y, int k, const CombinationList& list) const;
    bool ReduceSubsetsInColumn(Candidates& c, int x, int k, const CombinationList& list) const;
    bool ReduceSubsetsInBox(Candidates& c, int x0, int y0, int b, int k,
                            const CombinationList& list) const;
    static CandidateSet CandidateUnion(const std::vector<CandidateSet>& sets);
    // Delete the digits from the unit's cells except at the spared positions
    // (bit p of spared set for position p).
    bool RemoveFromRowExcept(Candidates& c, CandidateSet digits, int y, std::uint16_t spared) const;
    bool RemoveFromColumnExcept(Candidates& c, CandidateSet digits, int x, std::uint16_t spared) const;
    bool RemoveFromBoxExcept(Candidates& c, CandidateSet digits, int b, std::uint16_t spared) const;

    // ---- Graded solver (GradedSolver.cpp) ----
    // Solves the current grid into FSolution with the techniques of level 0,
    // then 1, ... up to maxLevel. True with the lowest level that completed
    // the grid; false with level = min(maxLevel + 1, 5).
    bool GradeAndSolve(std::uint8_t maxLevel, std::uint8_t& level);

    // ---- Generator (Generator.cpp) ----
    void GeneratePuzzle(std::uint8_t level);
    PatternList BuildPatternList(std::string& pattern, int band0, int band1, int band2,
                                 int stack0, int stack1, int stack2) const;
    void PickPattern(PatternList& list, std::string& pattern) const;
    static bool PatternsCollide(const std::string& p, const std::string& q);

    // Receives the generator's notes (kCantRemoveMore); the window appends
    // them to its debug memo.
    void SetDebugSink(std::function<void(const std::string&)> sink) { m_debugSink = std::move(sink); }

private:
    void GenerateCompleteGrid();
    bool RemoveOneCell(std::uint8_t level);
    bool RunSolvingCycles(Candidates& c, std::uint8_t level, bool resumed);

    std::function<void(const std::string&)> m_debugSink;
};
