#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Digit patterns: one digit placed once in every row, column and box.
// A pattern is made of six permutations of "012" (one per band for the rows
// inside its boxes, one per stack for the columns). Its text has 18
// characters: character b + 1 is the row within box b, character b + 10 the
// column within box b (1-based, as the text is read).
//
// The 46656 patterns are numbered in enumeration order, band 0 outermost and
// stack 2 innermost: id = ((((band0 * 6 + band1) * 6 + band2) * 6 + stack0) * 6 + stack1) * 6 + stack2.

using PatternId = std::uint16_t;

inline constexpr int kPatternCount = 46656;

extern const std::array<const char*, 6> Permutations;

PatternId PatternIdOf(int band0, int band1, int band2, int stack0, int stack1, int stack2);

// The 18-character text of a pattern.
std::string PatternText(PatternId id);

// The nine cell indexes (x * 9 + y) of a pattern, box 0 to 8.
std::array<std::uint8_t, 9> PatternCells(PatternId id);

// The cells of a pattern as an 81-bit set (bit x * 9 + y), split in two words.
struct PatternCellSet
{
    std::uint64_t low = 0;
    std::uint32_t high = 0;
};

// The cell sets of all patterns, indexed by id.
const std::array<PatternCellSet, kPatternCount>& PatternCellSets();

inline bool CellSetsOverlap(const PatternCellSet& a, const PatternCellSet& b)
{
    return ((a.low & b.low) | (a.high & b.high)) != 0;
}

// True when the two patterns put their digit into the same cell of some box.
bool PatternIdsCollide(PatternId p, PatternId q);

// An unsorted list of patterns, kept in enumeration order as it is thinned.
using PatternList = std::vector<PatternId>;
