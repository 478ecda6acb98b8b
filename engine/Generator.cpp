#include "SudokuEngine.h"
#include "Random.h"

#include <algorithm>
#include <stdexcept>

namespace {

PatternId pickPatternId(PatternList& list)
{
    if (list.empty())
        throw std::runtime_error("No more values!");
    const PatternId pattern = list[static_cast<std::size_t>(Random(static_cast<int>(list.size())))];
    // Dropping every colliding entry keeps the others in their order.
    const auto& sets = PatternCellSets();
    const PatternCellSet drawn = sets[pattern];
    std::erase_if(list, [&](PatternId other) { return CellSetsOverlap(drawn, sets[other]); });
    return pattern;
}

} // namespace

bool SudokuEngine::PatternsCollide(const std::string& p, const std::string& q)
{
    for (std::size_t b = 0; b < 9; ++b)
        if (p[b + 9] == q[b + 9] && p[b] == q[b])
            return true;
    return false;
}

PatternList SudokuEngine::BuildPatternList(std::string& pattern, int band0, int band1, int band2,
                                           int stack0, int stack1, int stack2) const
{
    const PatternId first = PatternIdOf(band0, band1, band2, stack0, stack1, stack2);
    pattern = PatternText(first);
    const auto& sets = PatternCellSets();
    const PatternCellSet firstCells = sets[first];
    PatternList list;
    list.reserve(17972);
    for (int id = 0; id < kPatternCount; ++id)
        if (!CellSetsOverlap(firstCells, sets[id]))
            list.push_back(static_cast<PatternId>(id));
    return list;
}

void SudokuEngine::PickPattern(PatternList& list, std::string& pattern) const
{
    pattern = PatternText(pickPatternId(list));
}

void SudokuEngine::GenerateCompleteGrid()
{
    for (;;) {
        try {
            ClearGrid();
            int drawn[6];
            for (int& r : drawn)
                r = Random(6);
            // Drawn in the order band 1, band 2, stack 0, stack 1, stack 2, band 0.
            std::string text;
            PatternList list = BuildPatternList(text, drawn[5], drawn[0], drawn[1], drawn[2], drawn[3], drawn[4]);
            PatternId pattern = PatternIdOf(drawn[5], drawn[0], drawn[1], drawn[2], drawn[3], drawn[4]);
            for (int d = 0; d < 9; ++d) {
                if (d > 0)
                    pattern = pickPatternId(list);
                for (std::uint8_t cell : PatternCells(pattern)) {
                    if (FCurrent[cell] != kEmptyCell)
                        throw std::runtime_error("Grid already used error");
                    FCurrent[cell] = static_cast<std::uint8_t>(d);
                }
            }
            return;
        } catch (const std::exception&) {
            // A dead end: start a new attempt from an empty grid.
        }
    }
}

// One removal pass: blanks the first drawn cell whose removal leaves a grid of
// exactly the level, else the one that left the hardest grid below it.
// False when no filled cell can be removed.
bool SudokuEngine::RemoveOneCell(std::uint8_t level)
{
    std::vector<std::uint8_t> cells; // filled cells, in FilledCells order
    for (int i = 0; i < 81; ++i)
        if (FCurrent[i] != kEmptyCell)
            cells.push_back(static_cast<std::uint8_t>(i));

    int bestLevel = -1;
    int bestCell = -1;
    int taken = -1;
    while (taken < 0 && !cells.empty()) {
        const auto r = static_cast<std::size_t>(Random(static_cast<int>(cells.size())));
        const int cell = cells[r];
        const std::uint8_t kept = FCurrent[cell];
        FCurrent[cell] = kEmptyCell;
        std::uint8_t reached = 0;
        if (GradeAndSolve(level, reached)) {
            if (reached == level)
                taken = cell;
            else if (bestLevel < 0 || reached > bestLevel) {
                bestLevel = reached;
                bestCell = cell;
            }
        }
        FCurrent[cell] = kept;
        if (taken < 0)
            cells.erase(cells.begin() + static_cast<std::ptrdiff_t>(r));
    }
    if (taken < 0)
        taken = bestCell;
    if (taken < 0)
        return false;
    FCurrent[taken] = kEmptyCell;
    return true;
}

void SudokuEngine::GeneratePuzzle(std::uint8_t level)
{
    GameLevel = level;
    Randomize();
    GenerateCompleteGrid();
    SaveFullGrid();
    bool endedEarly = false;
    for (int pass = 0; pass < kRemovalsPerLevel[level]; ++pass)
        if (!RemoveOneCell(level)) {
            endedEarly = true;
            break;
        }
    if (endedEarly && m_debugSink)
        m_debugSink(kCantRemoveMore);
    StoreGivens();
    SolutionFromFullGrid();
}
