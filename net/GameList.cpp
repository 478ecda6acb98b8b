#include "GameList.h"

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

int TGameList::DropOlderThan(const QDateTime& now, int seconds, const std::function<void(int row)>& dropping)
{
    int dropped = 0;
    for (auto row = m_rows.size(); row-- > 0;) {
        const QDateTime heard = DosDateTimeToDateTime(m_rows[row].Heard);
        if (heard.isValid() && heard.msecsTo(now) <= seconds * 1000LL)
            continue;
        if (dropping)
            dropping(static_cast<int>(row));
        m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(row));
        ++dropped;
    }
    return dropped;
}
