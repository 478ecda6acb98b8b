#include "Patterns.h"

namespace {

// The six permutation indexes of a pattern: bands 0..2, then stacks 0..2.
std::array<int, 6> indexesOf(PatternId id)
{
    std::array<int, 6> idx{};
    int rest = id;
    for (int i = 5; i >= 0; --i) {
        idx[i] = rest % 6;
        rest /= 6;
    }
    return idx;
}

} // namespace

const std::array<const char*, 6> Permutations = {"012", "021", "120", "102", "201", "210"};

PatternId PatternIdOf(int band0, int band1, int band2, int stack0, int stack1, int stack2)
{
    return static_cast<PatternId>(((((band0 * 6 + band1) * 6 + band2) * 6 + stack0) * 6 + stack1) * 6 + stack2);
}

std::string PatternText(PatternId id)
{
    const auto idx = indexesOf(id);
    std::string text;
    for (int band = 0; band < 3; ++band)
        text += Permutations[idx[band]];
    for (int ch = 0; ch < 3; ++ch)
        for (int stack = 0; stack < 3; ++stack)
            text += Permutations[idx[3 + stack]][ch];
    return text;
}

std::array<std::uint8_t, 9> PatternCells(PatternId id)
{
    const auto idx = indexesOf(id);
    std::array<std::uint8_t, 9> cells{};
    for (int band = 0; band < 3; ++band)
        for (int stack = 0; stack < 3; ++stack) {
            const int row = band * 3 + (Permutations[idx[band]][stack] - '0');
            const int column = stack * 3 + (Permutations[idx[3 + stack]][band] - '0');
            cells[band * 3 + stack] = static_cast<std::uint8_t>(column * 9 + row);
        }
    return cells;
}

const std::array<PatternCellSet, kPatternCount>& PatternCellSets()
{
    static const auto sets = [] {
        std::array<PatternCellSet, kPatternCount> all{};
        for (int id = 0; id < kPatternCount; ++id)
            for (std::uint8_t cell : PatternCells(static_cast<PatternId>(id))) {
                if (cell < 64)
                    all[id].low |= std::uint64_t{1} << cell;
                else
                    all[id].high |= std::uint32_t{1} << (cell - 64);
            }
        return all;
    }();
    return sets;
}

bool PatternIdsCollide(PatternId p, PatternId q)
{
    const auto& sets = PatternCellSets();
    return CellSetsOverlap(sets[p], sets[q]);
}
