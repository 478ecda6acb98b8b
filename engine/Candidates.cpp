#include "Candidates.h"

#include <algorithm>

std::string CandidateText(CandidateSet s)
{
    std::string text;
    for (int d = 0; d < 9; ++d)
        if (HoldsDigit(s, d))
            text.push_back(static_cast<char>('0' + d));
    return text;
}

CandidateSet CandidateSetFromText(std::string_view text)
{
    CandidateSet s = 0;
    for (char ch : text)
        if (ch >= '0' && ch <= '8')
            s |= DigitSet(ch - '0');
    return s;
}

void CombinationList::Add(const std::string& text)
{
    auto at = std::lower_bound(m_entries.begin(), m_entries.end(), text,
                               [](const Entry& e, const std::string& t) { return e.text < t; });
    if (at != m_entries.end() && at->text == text)
        return;
    Entry entry;
    entry.text = text;
    for (char ch : text) {
        const int p = ch - '0';
        entry.positions |= static_cast<std::uint16_t>(1U << p);
        entry.list[entry.size++] = static_cast<std::uint8_t>(p);
    }
    m_entries.insert(at, std::move(entry));
}
