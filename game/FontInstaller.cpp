#include "FontInstaller.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>

QString FontInstaller::install(const QString& appFolder, const QString& fontsFolder)
{
    const QString source = appFolder + QStringLiteral("graphisme/") + QString::fromLatin1(kFontFile);
    const QString installed = QDir(fontsFolder).filePath(QString::fromLatin1(kFontFile));

    if (!QFileInfo::exists(installed) && QFileInfo::exists(source)) {
        QDir().mkpath(fontsFolder);
        QFile::copy(source, installed);
    }

    if (QFileInfo::exists(installed)) {
        // The desktop's font cache learns of a new file only on its next scan,
        // so the copy is also registered for this process: "CHOW FUN" then
        // resolves from the first frame on.
        QFontDatabase::addApplicationFont(installed);
        return QString::fromLatin1(kInstalledFamily);
    }

    QFontDatabase::addApplicationFont(source);
    return QString::fromLatin1(kFallbackFamily);
}
