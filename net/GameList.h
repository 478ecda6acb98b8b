#pragma once

#include "GameRow.h"

#include <QDateTime>

#include <vector>

// The games heard of, one row per game. A game is the same when its host's
// address, port and game id are, so a second reply refreshes its row in
// place instead of adding one.
class TGameList
{
public:
    // The most rows kept: a new game beyond them is not listed.
    static constexpr std::size_t kMaxRows = 64;

    // Inserts or refreshes the row; returns its index, or -1 for a new game
    // when the list is full.
    int Update(const TGameRow& row);
    // Drops the rows last heard more than `seconds` before `now` (or whose
    // time cannot be read); returns how many went.
    int DropOlderThan(const QDateTime& now, int seconds);
    // True when the row was last heard more than `seconds` before `now`, or
    // its time cannot be read.
    static bool IsSilent(const TGameRow& row, const QDateTime& now, int seconds);
    void RemoveAt(std::size_t index);

    const std::vector<TGameRow>& Rows() const { return m_rows; }

private:
    std::vector<TGameRow> m_rows;
};
