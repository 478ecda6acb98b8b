#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The still possible digits of one cell. Bit d stands for digit d (0 to 8),
// so the set reads the same as the ascending candidate string "0135": one bit
// is a settled cell, no bit a contradiction.
using CandidateSet = std::uint16_t;

inline constexpr CandidateSet kAllCandidates = 0x1FF;

// 81 candidate sets in cell-index order (column x * 9 + row y).
using Candidates = std::array<CandidateSet, 81>;

// Digit counts of every 9-bit set: a table lookup stays fast on processors
// without a population-count instruction.
inline constexpr auto kDigitCounts = [] {
    std::array<std::uint8_t, 512> counts{};
    for (unsigned s = 1; s < 512; ++s)
        counts[s] = static_cast<std::uint8_t>(counts[s >> 1] + (s & 1U));
    return counts;
}();

inline int CandidateCount(CandidateSet s) { return kDigitCounts[s & kAllCandidates]; }
inline bool HoldsDigit(CandidateSet s, int digit) { return (s >> digit) & 1U; }
inline CandidateSet DigitSet(int digit) { return static_cast<CandidateSet>(1U << digit); }

// The lowest digit of a set (the digit of a settled cell); -1 for the empty set.
inline int FirstDigit(CandidateSet s) { return s ? __builtin_ctz(s) : -1; }

// "0135" for the set {0, 1, 3, 5}; "" for the empty set.
std::string CandidateText(CandidateSet s);
// The set of the digits "0" to "8" found in the text; other characters are ignored.
CandidateSet CandidateSetFromText(std::string_view text);

// A sorted list of k-element subsets of the positions 0 to 8, each written as
// its positions in ascending order ("0123"), adding a present entry does
// nothing. Each entry also keeps its positions as a bit set and as a list,
// which is what the subset search walks.
class CombinationList
{
public:
    struct Entry
    {
        std::string text;
        std::uint16_t positions = 0; // bit p set for position p
        std::array<std::uint8_t, 9> list{};
        std::uint8_t size = 0;
    };

    void Add(const std::string& text);
    void Clear() { m_entries.clear(); }
    std::size_t Count() const { return m_entries.size(); }
    const Entry& operator[](std::size_t i) const { return m_entries[i]; }
    auto begin() const { return m_entries.begin(); }
    auto end() const { return m_entries.end(); }

private:
    std::vector<Entry> m_entries;
};
