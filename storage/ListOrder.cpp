#include "ListOrder.h"

#include <algorithm>

QStringList sortedLikeListBox(QStringList lines)
{
    std::stable_sort(lines.begin(), lines.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return lines;
}
