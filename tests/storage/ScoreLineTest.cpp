#include "ScoreLine.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const ScoreLineTexts kTexts = {"min", "s", "by [name] on [date]", {"Easy", "Medium", "Hard", "Expert", "Fiendish"}};
const QString kDate = QStringLiteral("05/03/2024");

TEST(ScoreLine, TruncatesTheTimeToMinutesAndSeconds)
{
    EXPECT_EQ(buildScoreLine(125.7, 0, "Bob", kDate, kTexts), QStringLiteral("2 min 5 s by Bob on 05/03/2024 Easy"));
    EXPECT_EQ(buildScoreLine(59.999, 4, "Bob", kDate, kTexts), QStringLiteral("0 min 59 s by Bob on 05/03/2024 Fiendish"));
    EXPECT_EQ(buildScoreLine(3600.0, 2, "", kDate, kTexts), QStringLiteral("60 min 0 s by  on 05/03/2024 Hard"));
    EXPECT_EQ(buildScoreLine(std::numeric_limits<double>::quiet_NaN(), 1, "Bob", kDate, kTexts),
              QStringLiteral("0 min 0 s by Bob on 05/03/2024 Medium"));
}

TEST(ScoreLine, ReplacesEveryMarkerInAnyCaseNameFirst)
{
    ScoreLineTexts texts = kTexts;
    texts.lineTemplate = "[NAME] ([Name]) won on [Date], [dAtE]";
    EXPECT_EQ(buildScoreLine(61, 0, "Zoé", kDate, texts),
              QString::fromUtf8("1 min 1 s Zoé (Zoé) won on 05/03/2024, 05/03/2024 Easy"));

    // Markers in the words before the template count too, and a name holding
    // the date marker gets the date.
    texts = kTexts;
    texts.minutesWord = "min[name]";
    EXPECT_EQ(buildScoreLine(61, 0, "x[DATE]", kDate, texts),
              QStringLiteral("1 minx05/03/2024 1 s by x05/03/2024 on 05/03/2024 Easy"));
}

TEST(ScoreLine, LevelOutsideTheKnownOnesEndsTheLineInABlank)
{
    for (int level : {-1, 5, 255})
        EXPECT_EQ(buildScoreLine(125.7, level, "Bob", kDate, kTexts), QStringLiteral("2 min 5 s by Bob on 05/03/2024 "));
}

TEST(ScoreLine, AlwaysStaysOneLineOfTheFile)
{
    EXPECT_EQ(buildScoreLine(0, 0, QString::fromUtf8("a\r\nb\U0001F600"), kDate, kTexts),
              QStringLiteral("0 min 0 s by a  b? on 05/03/2024 Easy"));
}

TEST(ScoreLine, DateIsDayMonthYearWithTheGivenSeparator)
{
    EXPECT_EQ(scoreDateText(QDate(2024, 3, 5), u'/'), QStringLiteral("05/03/2024"));
    EXPECT_EQ(scoreDateText(QDate(2024, 12, 25), u'.'), QStringLiteral("25.12.2024"));
}

} // namespace
