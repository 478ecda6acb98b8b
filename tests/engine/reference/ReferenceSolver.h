#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A deliberately plain statement of the candidate techniques and the graded
// solver, kept beside the tests as the yardstick for the engine's bit-set
// version. Candidates are ascending digit strings, lists are sorted string
// lists, and every loop runs in the order the algorithm is defined in, with no
// shortcut and nothing shared with the engine. Speed does not matter here;
// being easy to check line by line against the rules does.
namespace reference {

inline constexpr std::uint8_t kEmpty = 255;

// One ascending string over "012345678" per cell, in cell-index order
// (column x * 9 + row y). One character is a settled cell, "" a contradiction.
using CandidateStrings = std::array<std::string, 81>;

// A string list kept in ascending order; adding a string that is already
// present does nothing.
class SortedStringList
{
public:
    void Add(const std::string& text);
    std::size_t Count() const { return m_items.size(); }
    const std::string& operator[](std::size_t i) const { return m_items[i]; }
    const std::vector<std::string>& Items() const { return m_items; }

private:
    std::vector<std::string> m_items;
};

// The two grids the solver touches. Cell (x, y) is byte x * 9 + y; 255 is an
// empty cell, 0..8 a digit.
struct ReferenceGrid
{
    std::uint8_t FCurrent[81];
    std::uint8_t FSolution[81]; // the graded solver's work grid
};

class ReferenceSolver
{
public:
    // Fills the four combination lists.
    ReferenceSolver();

    ReferenceGrid grid{};

    // ---- Grid model (ReferenceGrid.cpp) ----
    static int BoxOriginX(int b) { return (b % 3) * 3; }
    static int BoxOriginY(int b) { return (b / 3) * 3; }
    bool CanPlaceValue(int x, int y, int digit) const;
    int EmptyCount() const;
    int FilledInColumn(int x) const;
    int FilledInRow(int y) const;
    int FilledInBox(int x, int y) const;
    bool SolutionComplete() const;

    // ---- Candidates and techniques (ReferenceTechniques.cpp) ----
    SortedStringList FCombinations3, FCombinations4, FCombinations5, FCombinations6;

    void BuildCombinationLists();
    void InitialCandidates(CandidateStrings& c) const;
    void ComputeCandidates(std::uint8_t level, CandidateStrings& c) const;
    bool EliminateFromPeers(CandidateStrings& c, int x, int y, std::string s) const;
    bool ReduceHiddenSingles(CandidateStrings& c) const;
    bool ReducePointing(CandidateStrings& c) const;
    // The columns and the rows (one-digit texts) of the box cells whose
    // string holds the digit. Reads the array only.
    void DigitPositionsInBox(const CandidateStrings& c, const std::string& digit, int b,
                             SortedStringList& columns, SortedStringList& rows) const;
    bool ReduceIdenticalSubsets(CandidateStrings& c) const;
    bool ReduceNakedSubsets(CandidateStrings& c) const;
    bool ReduceSubsetsInRow(CandidateStrings& c, int y, int k, const SortedStringList& list) const;
    bool ReduceSubsetsInColumn(CandidateStrings& c, int x, int k, const SortedStringList& list) const;
    bool ReduceSubsetsInBox(CandidateStrings& c, int x0, int y0, int b, int k,
                            const SortedStringList& list) const;
    static std::string CandidateUnion(const std::vector<std::string>& strings);
    bool RemoveFromRowExcept(CandidateStrings& c, const std::string& digits, int y,
                             const std::vector<int>& spared) const;
    bool RemoveFromColumnExcept(CandidateStrings& c, const std::string& digits, int x,
                                const std::vector<int>& spared) const;
    bool RemoveFromBoxExcept(CandidateStrings& c, const std::string& digits, int b,
                             const std::vector<int>& spared) const;

    // ---- Graded solver (ReferenceGradedSolver.cpp) ----
    bool GradeAndSolve(std::uint8_t maxLevel, std::uint8_t& level);

    // The combination list of size k (3 to 6).
    const SortedStringList& CombinationsOfSize(int k) const;

private:
    // Rule for an empty cell of the current grid: "012345678", then for n
    // from 8 down to 0, character n deleted where CanPlaceValue refuses n.
    std::string CandidatesOfEmptyCell(int x, int y) const;
};

// True when text holds ch.
inline bool HoldsCharacter(const std::string& text, char ch)
{
    for (char c : text)
        if (c == ch)
            return true;
    return false;
}
// Deletes ch from text where present; true when it was there.
bool DeleteCharacter(std::string& text, char ch);

} // namespace reference
