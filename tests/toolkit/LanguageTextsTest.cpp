#include "LanguageTexts.h"
#include "MessageCapture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kMissingPrefix = QStringLiteral("Erreur - Appel à du texte avant son chargement : ligne ");

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

LanguageTexts textsFrom(const QByteArray& bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lang.txt"));
    writeFile(path, bytes);
    LanguageTexts texts;
    EXPECT_TRUE(texts.loadFile(path));
    return texts;
}

QByteArray numberedLines(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += QByteArray::number(i).rightJustified(3, '0') + " text " + QByteArray::number(i) + "\r\n";
    return bytes;
}

} // namespace

struct FTextCase {
    const char* line;
    const char* expected;
};

class FTextOfOneLine : public testing::TestWithParam<FTextCase> {};

TEST_P(FTextOfOneLine, DropsTheFourLabelCharacters)
{
    MessageCapture capture;
    const LanguageTexts texts = textsFrom(QByteArray(GetParam().line) + "\r\n");
    EXPECT_EQ(texts.FText(0), QString::fromUtf8(GetParam().expected));
    EXPECT_EQ(capture.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(LanguageTexts, FTextOfOneLine,
                         testing::Values(FTextCase{"000 Sudoku", "Sudoku"}, FTextCase{"0000", ""},
                                         FTextCase{"00", ""}, FTextCase{"", ""}, FTextCase{"01: x", "x"},
                                         FTextCase{"0000Word", "Word"}, FTextCase{"023   spaced  ", "  spaced  "}));

TEST(LanguageTexts, EveryKindOfLineEndEndsALine)
{
    const LanguageTexts texts = textsFrom("000 crlf\r\n001 lf\n002 cr\r003 last");
    EXPECT_EQ(texts.FLangLines(), QStringList({"000 crlf", "001 lf", "002 cr", "003 last"}));
}

TEST(LanguageTexts, DecodesWindows1252)
{
    const LanguageTexts texts = textsFrom("000 caf\xE9 \x80 \x9C\r\n001 \xC0 bient\xF4t");
    EXPECT_EQ(texts.FText(0), QStringLiteral("café € œ"));
    EXPECT_EQ(texts.FText(1), QStringLiteral("À bientôt"));
}

TEST(LanguageTexts, LineBeyondTheFileGivesErreurAndOneMessagePerLineNumber)
{
    MessageCapture capture;
    const LanguageTexts texts = textsFrom(numberedLines(60));
    EXPECT_EQ(texts.FText(59), QStringLiteral("text 59"));
    for (int frame = 0; frame < 40; ++frame) {
        EXPECT_EQ(texts.FText(74), QStringLiteral("erreur"));
        EXPECT_EQ(texts.FText(60), QStringLiteral("erreur"));
    }
    EXPECT_EQ(capture.messages(), QStringList({kMissingPrefix + "74", kMissingPrefix + "60"}));
}

TEST(LanguageTexts, NegativeLineNamesItsNumber)
{
    MessageCapture capture;
    const LanguageTexts texts = textsFrom(numberedLines(3));
    EXPECT_EQ(texts.FText(-1), QStringLiteral("erreur"));
    ASSERT_EQ(capture.count(), 1);
    EXPECT_EQ(capture.messages().front(), kMissingPrefix + "-1");
    EXPECT_TRUE(capture.messages().front().endsWith(QStringLiteral("ligne -1")));
}

TEST(LanguageTexts, BeforeLoadingEveryLineIsMissing)
{
    MessageCapture capture;
    const LanguageTexts texts;
    EXPECT_EQ(texts.FText(0), QStringLiteral("erreur"));
    EXPECT_EQ(capture.messages(), QStringList{kMissingPrefix + "0"});
}

TEST(LanguageTexts, UnreadableFileIsReportedAndKeepsTheLoadedLines)
{
    MessageCapture capture;
    LanguageTexts texts = textsFrom(numberedLines(2));
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("nothing.txt"));
    EXPECT_FALSE(texts.loadFile(missing));
    EXPECT_FALSE(texts.loadFile(dir.path()));
    ASSERT_EQ(capture.count(), 2);
    EXPECT_TRUE(capture.messages().at(0).contains(missing));
    EXPECT_EQ(texts.FText(1), QStringLiteral("text 1"));
}

TEST(LanguageTexts, BinaryFileLoadsWithoutHarm)
{
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(char(i));
    const LanguageTexts texts = textsFrom(bytes);
    EXPECT_EQ(texts.FLangLines().size(), 3); // LF at 10, CR at 13
    EXPECT_EQ(texts.FText(0).size(), 10 - 4);
}

class LanguageFileChoice : public testing::Test {
protected:
    void addLanguage(const QString& language, const QByteArray& firstLine)
    {
        writeFile(LanguageTexts::languageFilePath(m_dir.path(), language), firstLine + "\r\n");
    }

    QTemporaryDir m_dir;
    LanguageTexts m_texts;
    MessageCapture m_capture;
};

TEST_F(LanguageFileChoice, EnglishComesBeforeFrench)
{
    addLanguage(QStringLiteral("Francais"), "000 Bonjour");
    addLanguage(QStringLiteral("English"), "000 Hello");
    addLanguage(QStringLiteral("German"), "000 Hallo");
    EXPECT_TRUE(m_texts.loadFromAppFolder(m_dir.path()));
    EXPECT_EQ(m_texts.FText(0), QStringLiteral("Hello"));
    EXPECT_EQ(m_capture.count(), 0);
}

TEST_F(LanguageFileChoice, FrenchComesBeforeGerman)
{
    addLanguage(QStringLiteral("German"), "000 Hallo");
    addLanguage(QStringLiteral("Francais"), "000 Bonjour");
    EXPECT_TRUE(m_texts.loadFromAppFolder(m_dir.path()));
    EXPECT_EQ(m_texts.FText(0), QStringLiteral("Bonjour"));
}

TEST_F(LanguageFileChoice, GermanAloneIsUsed)
{
    addLanguage(QStringLiteral("German"), "000 Hallo");
    EXPECT_TRUE(m_texts.loadFromAppFolder(m_dir.path()));
    EXPECT_EQ(m_texts.FText(0), QStringLiteral("Hallo"));
}

TEST_F(LanguageFileChoice, NoFileNamesTheFrenchOneAndLeavesTheListEmpty)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("Textes/English demo.txt")); // a folder, not a file
    EXPECT_FALSE(m_texts.loadFromAppFolder(m_dir.path()));
    const QString french = QDir(m_dir.path()).filePath(QStringLiteral("Textes/Francais demo.txt"));
    EXPECT_EQ(m_capture.messages(),
              QStringList{QStringLiteral("Impossible de chager le fichier langue ajoutez: ") + french});
    EXPECT_TRUE(m_texts.FLangLines().isEmpty());
}
