#include "GameList.h"

#include <algorithm>

int TGameList::Update(const TGameRow& row)
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        TGameRow& old = m_rows[i];
        if (old.GameId == row.GameId && old.Port == row.Port && old.Address == row.Address) {
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
    const auto first =
        std::remove_if(m_rows.begin(), m_rows.end(), [&](const TGameRow& row) { return IsSilent(row, now, seconds); });
    const int dropped = static_cast<int>(m_rows.end() - first);
    m_rows.erase(first, m_rows.end());
    return dropped;
}

bool TGameList::IsSilent(const TGameRow& row, const QDateTime& now, int seconds)
{
    const QDateTime heard = DosDateTimeToDateTime(row.Heard);
    return !heard.isValid() || heard.msecsTo(now) > seconds * 1000LL;
}

void TGameList::RemoveAt(std::size_t index)
{
    if (index < m_rows.size())
        m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(index));
}
