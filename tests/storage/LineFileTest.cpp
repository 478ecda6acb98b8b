#include "LineFile.h"
#include "StorageTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class LineFileTest : public testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

TEST(TextLines, SplitOnEveryLineEndJoinWithCrLf)
{
    EXPECT_EQ(splitTextLines("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(splitTextLines("a\r\n\r\nb\xe9\r\n"), (QStringList{"a", "", QString::fromUtf8("bé")}));
    EXPECT_EQ(joinTextLines({QString::fromUtf8("é€"), "", "b "}), QByteArray("\xe9\x80\r\n\r\nb \r\n"));
}

TEST(TextLines, BlankLinesCountAndAFinalEndOpensNoLine)
{
    EXPECT_EQ(splitTextLines("a\r\n\r\nb\n"), QStringList({"a", "", "b"}));
    EXPECT_EQ(splitTextLines("a\n\r"), QStringList({"a", ""}));
    EXPECT_EQ(splitTextLines("\r\n"), QStringList({""}));
    EXPECT_TRUE(splitTextLines("").isEmpty());
}

TEST_F(LineFileTest, AppendCreatesFoldersAndKeepsEarlierLines)
{
    const QString file = path("a/b/Scores.frd");
    QString error;
    EXPECT_EQ(readLineFile(file, &error), QStringList()) << "a missing file has no lines";
    ASSERT_TRUE(appendLineToFile(file, "first", &error)) << error.toStdString();
    ASSERT_TRUE(appendLineToFile(file, "second", &error)) << error.toStdString();
    EXPECT_EQ(fileBytes(file), QByteArray("first\r\nsecond\r\n"));
}

TEST_F(LineFileTest, RemovesTheFirstOfEqualLinesOnlyAndMatchesCase)
{
    const QString file = path("Scores.frd");
    putFile(file, "x\r\ny\r\nx\r\nX\r\n");
    bool removed = false;
    ASSERT_TRUE(removeLineFromFile(file, "x", nullptr, &removed));
    EXPECT_TRUE(removed);
    EXPECT_EQ(fileBytes(file), QByteArray("y\r\nx\r\nX\r\n"));

    putFile(file, "a\nb"); // no final line end: an absent line leaves the bytes alone
    ASSERT_TRUE(removeLineFromFile(file, "A", nullptr, &removed));
    EXPECT_FALSE(removed);
    EXPECT_EQ(fileBytes(file), QByteArray("a\nb"));
}

TEST_F(LineFileTest, WriteUnderARegularFileFailsWithAMessage)
{
    putFile(path("plain"), "not a folder");
    QString error;
    EXPECT_FALSE(appendLineToFile(path("plain/Scores.frd"), "a", &error));
    EXPECT_TRUE(error.contains("Scores.frd")) << error.toStdString();
    EXPECT_EQ(fileBytes(path("plain")), QByteArray("not a folder"));
}

TEST_F(LineFileTest, FailedReplaceKeepsTheOldFileWhole)
{
    const QString file = path("Save.frd");
    putFile(file, "old one\r\nold two\r\n");
    QStringList many;
    for (int i = 0; i < 500; ++i)
        many << QStringLiteral("a long enough line number %1").arg(i);
    QString error;
    bool written = true;
    {
        FileSizeLimit limit(4096);
        written = writeLineFile(file, many, &error);
    }
    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(fileBytes(file), QByteArray("old one\r\nold two\r\n"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Save.frd"})
        << "no temporary file is left behind";
}

TEST_F(LineFileTest, UnreadableFileIsNeverOverwritten)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkpath("Save.frd/inside")); // a folder where the file should be
    QString error;
    EXPECT_FALSE(appendLineToFile(path("Save.frd"), "new", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(path("Save.frd/inside")).isDir());
}

} // namespace
