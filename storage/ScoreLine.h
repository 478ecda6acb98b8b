#pragma once

#include <QChar>
#include <QDate>
#include <QString>
#include <QStringList>

// The language texts a score line is made of.
struct ScoreLineTexts {
    QString minutesWord;   // language line 47
    QString secondsWord;   // language line 48
    QString lineTemplate;  // language line 49, with the markers [name] and [date]
    QStringList levelNames; // language lines 23 to 27, the names of levels 0 to 4
};

// The date as a score line shows it: "dd/mm/yyyy" with each "/" written as
// separator.
QString scoreDateText(const QDate& date, QChar separator);

// The date separator of the user's regional settings: the first character of
// the system locale's short date format that is not part of a field, a quote
// or a blank; "/" when there is none.
QChar regionalDateSeparator();

// One line of the score file for a game won in gameTime seconds:
// "<minutes> <minutesWord> <seconds> <secondsWord> <template> <level name>",
// the time truncated to whole seconds (125.7 gives 2 and 5). In the line
// built so far every "[name]" in any case becomes playerName, then every
// "[date]" in any case becomes the date; the level name follows, or nothing
// when the level is outside 0..4 (the line then ends in a blank). A time that
// is not a number counts as 0 seconds. The line is given as the score file
// will hold it: characters outside Windows-1252 read "?" and control
// characters (line breaks) are blanks.
QString buildScoreLine(double gameTime, int level, const QString& playerName, const QString& dateText,
                       const ScoreLineTexts& texts);
