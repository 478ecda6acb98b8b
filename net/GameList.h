#pragma once

#include "GameRow.h"

#include <QDateTime>

#include <functional>
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
    // time cannot be read), the last row first; `dropping`, when given, is
    // told each row's index just before the row goes. Returns how many went.
    int DropOlderThan(const QDateTime& now, int seconds, const std::function<void(int row)>& dropping = {});

    const std::vector<TGameRow>& Rows() const { return m_rows; }

private:
    std::vector<TGameRow> m_rows;
};
