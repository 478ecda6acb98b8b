// Grid model of the reference solver: placement test and filled counts, read
// from the reference's own current grid.

#include "reference/ReferenceSolver.h"

#include <algorithm>

namespace reference {

void SortedStringList::Add(const std::string& text)
{
    auto at = std::lower_bound(m_items.begin(), m_items.end(), text);
    if (at != m_items.end() && *at == text)
        return;
    m_items.insert(at, text);
}

bool DeleteCharacter(std::string& text, char ch)
{
    const auto at = std::find(text.begin(), text.end(), ch);
    if (at == text.end())
        return false;
    text.erase(at);
    return true;
}

ReferenceSolver::ReferenceSolver()
{
    std::fill(std::begin(grid.FCurrent), std::end(grid.FCurrent), kEmpty);
    std::fill(std::begin(grid.FSolution), std::end(grid.FSolution), kEmpty);
    BuildCombinationLists();
}

bool ReferenceSolver::CanPlaceValue(int x, int y, int digit) const
{
    if (grid.FCurrent[x * 9 + y] != kEmpty)
        return false;
    for (int i = 0; i <= 8; ++i)
        if (grid.FCurrent[i * 9 + y] == digit)
            return false;
    for (int i = 0; i <= 8; ++i)
        if (grid.FCurrent[x * 9 + i] == digit)
            return false;
    const int x0 = (x / 3) * 3;
    const int y0 = (y / 3) * 3;
    for (int bx = x0; bx <= x0 + 2; ++bx)
        for (int by = y0; by <= y0 + 2; ++by)
            if (grid.FCurrent[bx * 9 + by] == digit)
                return false;
    return true;
}

int ReferenceSolver::EmptyCount() const
{
    int count = 0;
    for (int x = 0; x <= 8; ++x)
        for (int y = 0; y <= 8; ++y)
            if (grid.FCurrent[x * 9 + y] == kEmpty)
                ++count;
    return count;
}

int ReferenceSolver::FilledInColumn(int x) const
{
    int count = 0;
    for (int y = 0; y <= 8; ++y)
        if (grid.FCurrent[x * 9 + y] != kEmpty)
            ++count;
    return count;
}

int ReferenceSolver::FilledInRow(int y) const
{
    int count = 0;
    for (int x = 0; x <= 8; ++x)
        if (grid.FCurrent[x * 9 + y] != kEmpty)
            ++count;
    return count;
}

int ReferenceSolver::FilledInBox(int x, int y) const
{
    const int x0 = (x / 3) * 3;
    const int y0 = (y / 3) * 3;
    int count = 0;
    for (int bx = x0; bx <= x0 + 2; ++bx)
        for (int by = y0; by <= y0 + 2; ++by)
            if (grid.FCurrent[bx * 9 + by] != kEmpty)
                ++count;
    return count;
}

bool ReferenceSolver::SolutionComplete() const
{
    for (int i = 0; i < 81; ++i)
        if (grid.FSolution[i] == kEmpty)
            return false;
    return true;
}

} // namespace reference
