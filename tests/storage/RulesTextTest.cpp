#include "RulesText.h"
#include "StoragePaths.h"
#include "StorageTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(RulesText, KeepsFileOrderAndBlankLines)
{
    QTemporaryDir app;
    putFile(app.filePath("Textes/regles demo.txt"), "HOW TO PLAY\r\n\r\nb\xe9 line\r\n\r\nlast\r\n");
    QString error;
    const auto lines = readRulesText(app.path() + "/", &error);
    ASSERT_TRUE(lines.has_value()) << error.toStdString();
    EXPECT_EQ(*lines, (QStringList{"HOW TO PLAY", "", QString::fromUtf8("bé line"), "", "last"}));
}

TEST(RulesText, MissingFileGivesAMessageNamingIt)
{
    QTemporaryDir app;
    putFile(app.filePath("textes/regles demo.txt"), "only the other spelling");
    QString error;
    EXPECT_FALSE(readRulesText(app.path(), &error).has_value());
    EXPECT_TRUE(error.contains(rulesFilePath(app.path()))) << error.toStdString();
}

} // namespace
