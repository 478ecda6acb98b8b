#pragma once

#include <array>
#include <cstdint>

// Cell indexes (x * 9 + y) of the 27 units, each in position order:
// units 0..8 are the rows y (cells (p, y)), 9..17 the columns x (cells (x, p)),
// 18..26 the boxes b (cells (BoxOriginX(b) + p mod 3, BoxOriginY(b) + p div 3)).
struct UnitTables
{
    std::array<std::array<std::uint8_t, 9>, 27> cells{};
    // The row, column and box unit of every cell.
    std::array<std::array<std::uint8_t, 3>, 81> unitsOfCell{};
    // The 20 other cells of the cell's row, column and box.
    std::array<std::array<std::uint8_t, 20>, 81> peers{};

    constexpr UnitTables()
    {
        for (int u = 0; u < 9; ++u)
            for (int p = 0; p < 9; ++p) {
                cells[u][p] = static_cast<std::uint8_t>(p * 9 + u);
                cells[9 + u][p] = static_cast<std::uint8_t>(u * 9 + p);
                const int x = (u % 3) * 3 + p % 3;
                const int y = (u / 3) * 3 + p / 3;
                cells[18 + u][p] = static_cast<std::uint8_t>(x * 9 + y);
            }
        for (int x = 0; x < 9; ++x)
            for (int y = 0; y < 9; ++y) {
                const int i = x * 9 + y;
                const int box = (y / 3) * 3 + x / 3;
                unitsOfCell[i] = {static_cast<std::uint8_t>(y), static_cast<std::uint8_t>(9 + x),
                                  static_cast<std::uint8_t>(18 + box)};
                int n = 0;
                for (int j = 0; j < 81; ++j) {
                    const int jx = j / 9, jy = j % 9;
                    const bool peer = j != i && (jx == x || jy == y || (jx / 3 == x / 3 && jy / 3 == y / 3));
                    if (peer)
                        peers[i][n++] = static_cast<std::uint8_t>(j);
                }
            }
    }
};

inline constexpr UnitTables kUnits{};

inline constexpr int kRowUnit = 0;
inline constexpr int kColumnUnit = 9;
inline constexpr int kBoxUnit = 18;
