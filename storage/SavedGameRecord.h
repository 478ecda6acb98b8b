#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

// One saved game, field for field as its 999-byte file holds it. Grids use
// the engine's cell index (x * 9 + y) and values (0..8 a digit, 255 empty);
// pencil mark k of cell (x, y) is marks[x * 81 + y * 9 + k], 0 or 1.
struct SavedGameRecord {
    static constexpr std::size_t kCells = 81;
    static constexpr std::size_t kMarks = 729;
    static constexpr int kMaxNameLength = 10;

    std::array<std::uint8_t, kCells> current{};  // the player's grid
    std::array<std::uint8_t, kCells> solution{};
    std::array<std::uint8_t, kCells> givens{};
    std::array<std::uint8_t, kMarks> marks{};
    QString playerName;          // only the first kMaxNameLength characters are stored
    std::int32_t level = 0;      // 0..4
    std::int32_t gridNumber = 0; // 0 for generated and designed games
    double gameTime = 0.0;       // elapsed seconds

    bool operator==(const SavedGameRecord&) const = default;
};

// Byte layout of the file: no header, no padding, numbers little-endian. The
// name field is a length byte n (0..10), n Windows-1252 characters, and zeros
// up to its 11 bytes.
namespace SavedGameLayout {
inline constexpr qsizetype kCurrent = 0;
inline constexpr qsizetype kSolution = 81;
inline constexpr qsizetype kGivens = 162;
inline constexpr qsizetype kMarks = 243;
inline constexpr qsizetype kName = 972;
inline constexpr qsizetype kNameFieldSize = 11;
inline constexpr qsizetype kLevel = 983;
inline constexpr qsizetype kGridNumber = 987;
inline constexpr qsizetype kGameTime = 991;
inline constexpr qsizetype kFileSize = 999;
} // namespace SavedGameLayout
