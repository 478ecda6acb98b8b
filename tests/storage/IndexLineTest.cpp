#include "IndexLine.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

const QDateTime kFixedClock(QDate(2024, 3, 5), QTime(14, 7, 9));

TEST(IndexLine, ReadsFirstWordDateLevelThenPlayer)
{
    EXPECT_EQ(buildIndexLine("Game", kFixedClock, "Easy", "Bob"), QStringLiteral("Game 05-03-2024 14 H07 Mn09 S Easy Bob"));
    EXPECT_EQ(saveTimestampText(QDateTime(QDate(2031, 12, 31), QTime(23, 59, 59))),
              QStringLiteral("31-12-2031 23 H59 Mn59 S"));
    EXPECT_EQ(buildIndexLine("Game", kFixedClock, "Easy", ""), QStringLiteral("Game 05-03-2024 14 H07 Mn09 S Easy "));
}

TEST(IndexLine, CutsTheLevelNameTo22CharactersButNotThePlayerName)
{
    const QString player = QStringLiteral("a player name well beyond ten characters");
    EXPECT_EQ(buildIndexLine("Game", kFixedClock, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", player),
              QStringLiteral("Game 05-03-2024 14 H07 Mn09 S ABCDEFGHIJKLMNOPQRSTUV ") + player);
}

TEST(IndexLine, SeparatorsAndControlsInANameCannotLeaveTheFolder)
{
    const QString line = buildIndexLine("Game", kFixedClock, "Easy", "../../etc/passwd\\x\nnext");
    EXPECT_EQ(line, QStringLiteral("Game 05-03-2024 14 H07 Mn09 S Easy .._.._etc_passwd_x_next"));
    EXPECT_TRUE(isSafeGameFileName(line));
}

TEST(GameFileName, UnsafeTextsBecomeSafeOnes)
{
    const std::pair<QString, QString> cases[] = {
        {"a/b", "a_b"},
        {"a\\b", "a_b"},
        {QString("a") + QChar(0) + "b", "a_b"},
        {"tab\tcr\rlf\ndel\x7f", "tab_cr_lf_del_"},
        {QString("c1") + QChar(0x81), "c1_"},
        {".", "_"},
        {"..", "__"},
        {"", "_"},
        {"...", "..."},
        {"save.FRD", "save.FRD_"},
        {QString::fromUtf8("Ωmega"), "?mega"},
        {"plain name ", "plain name "},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(safeGameFileName(in), out) << in.toStdString();
        EXPECT_EQ(isSafeGameFileName(in), in == out) << in.toStdString();
    }
}

TEST(GameFileName, TooLongNamesAreCutToWhatTheFileSystemTakes)
{
    const QString name = QString(300, QChar(0xe9)); // two UTF-8 bytes each
    EXPECT_EQ(safeGameFileName(name), QString(127, QChar(0xe9)));
    EXPECT_LE(QFile::encodeName(safeGameFileName(name)).size(), 255);
}

} // namespace
