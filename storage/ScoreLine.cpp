#include "ScoreLine.h"

#include "Cp1252.h"

#include <QLocale>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// The whole seconds of a time, truncated toward zero; values beyond the range
// of the type are held at its ends.
std::int64_t wholeSeconds(double seconds)
{
    if (std::isnan(seconds))
        return 0;
    constexpr double kLimit = 9.0e18;
    if (seconds >= kLimit)
        return static_cast<std::int64_t>(kLimit);
    if (seconds <= -kLimit)
        return -static_cast<std::int64_t>(kLimit);
    return static_cast<std::int64_t>(std::trunc(seconds));
}

} // namespace

QString scoreDateText(const QDate& date, QChar separator)
{
    return QString::asprintf("%02d", date.day()) + separator + QString::asprintf("%02d", date.month()) + separator
           + QString::asprintf("%04d", date.year());
}

QChar regionalDateSeparator()
{
    const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    for (QChar c : format)
        if (!c.isLetter() && c != u'\'' && !c.isSpace())
            return c;
    return u'/';
}

QString buildScoreLine(double gameTime, int level, const QString& playerName, const QString& dateText,
                       const ScoreLineTexts& texts)
{
    const std::int64_t t = wholeSeconds(gameTime);
    QString line = QString::number(t / 60) + u' ' + texts.minutesWord + u' ' + QString::number(t % 60) + u' '
                   + texts.secondsWord + u' ' + texts.lineTemplate;
    line.replace(QStringLiteral("[name]"), playerName, Qt::CaseInsensitive);
    line.replace(QStringLiteral("[date]"), dateText, Qt::CaseInsensitive);
    const bool knownLevel = level >= 0 && level <= 4 && level < texts.levelNames.size();
    line += u' ';
    if (knownLevel)
        line += texts.levelNames.at(level);
    // One line of the file, read back the same: a control character (a line
    // break in a player name) would split it.
    line = toCp1252Repertoire(line);
    for (QChar& c : line)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    return line;
}
