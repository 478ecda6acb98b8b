#include "ShellFolders.h"

#include <QDir>

#include <gtest/gtest.h>

class KnownShellFolder : public testing::TestWithParam<const char*> {};

TEST_P(KnownShellFolder, IsNeverEmptyNorTheRoot)
{
    const QString folder = GetShellFolder(QString::fromLatin1(GetParam()));
    EXPECT_FALSE(folder.isEmpty());
    EXPECT_FALSE(QDir(folder).isRoot()) << folder.toStdString();
    EXPECT_TRUE(QDir::isAbsolutePath(folder)) << folder.toStdString();
}

INSTANTIATE_TEST_SUITE_P(ShellFolders, KnownShellFolder, testing::Values("appdata", "fonts", "AppData", "Fonts"));

TEST(ShellFolders, OtherNamesGiveTheEmptyText)
{
    for (const char* name : {"", "personal", "desktop", "appdata2", " appdata"})
        EXPECT_TRUE(GetShellFolder(QString::fromLatin1(name)).isEmpty()) << name;
}

TEST(ShellFolders, FallsBackToTheHomeFolderWhenTheLocationIsTheRoot)
{
    const QByteArray savedData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/");
    const QString appData = GetShellFolder(QStringLiteral("appdata"));
    if (savedData.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", savedData);
    EXPECT_FALSE(QDir(appData).isRoot()) << appData.toStdString();
    EXPECT_FALSE(appData.isEmpty());
}
