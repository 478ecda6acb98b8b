#include "GameList.h"

#include <algorithm>

int TGameList::Update(const TGameRow& row)
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        TGameRow& old = m_rows[i];
        if (old.Address == row.Address && old.Port == row.Port && old.GameId == row.GameId) {
            old = row;
            return static_cast<int>(i);
        }
    }
    if (m_rows.size() >= kMaxRows)
        return -1;
    m_rows.push_back(row);
    return static_cast<int>(m_rows.size()) - 1;
}

int TGameList::DropOlderThan(const QDateTime& now, int seconds)
{
    const auto stale = [&](const TGameRow& row) {
        const QDateTime heard = DosDateTimeToDateTime(row.Heard);
        return !heard.isValid() || heard.secsTo(now) > seconds;
    };
    const auto first = std::remove_if(m_rows.begin(), m_rows.end(), stale);
    const int dropped = static_cast<int>(m_rows.end() - first);
    m_rows.erase(first, m_rows.end());
    return dropped;
}
