#include "StoragePaths.h"

namespace {

QString join(const QString& folder, const QString& name)
{
    if (folder.endsWith(u'/'))
        return folder + name;
    return folder + u'/' + name;
}

} // namespace

QString gamesFolderPath(const QString& dataRoot, const QString& programWord)
{
    return dataRoot + u'/' + programWord + QStringLiteral("/Parties");
}

QString saveIndexPath(const QString& gamesFolder)
{
    return gamesFolder + QStringLiteral("/Save.frd");
}

QString gameFilePath(const QString& gamesFolder, const QString& indexLine)
{
    return gamesFolder + u'/' + indexLine;
}

QString scoresFolderPath(const QString& dataRoot, const QString& programWord)
{
    return dataRoot + u'/' + programWord + QStringLiteral("/Scores");
}

QString scoreFilePath(const QString& dataRoot, const QString& programWord)
{
    return scoresFolderPath(dataRoot, programWord) + QStringLiteral("/Scores.frd");
}

QString rulesFilePath(const QString& appFolder)
{
    return join(appFolder, QStringLiteral("Textes/regles demo.txt"));
}
