#include "RulesText.h"

#include "AtomicWrite.h"
#include "LineFile.h"
#include "StoragePaths.h"

#include <QDir>
#include <QFileInfo>

std::optional<QStringList> readRulesText(const QString& appFolder, QString* error)
{
    const QString path = rulesFilePath(appFolder);
    if (!QFileInfo(path).isFile()) {
        if (error)
            *error = QStringLiteral("Le fichier des règles est introuvable : ") + QDir::toNativeSeparators(path);
        return std::nullopt;
    }
    QByteArray bytes;
    if (!readWholeFile(path, &bytes, error))
        return std::nullopt;
    return splitTextLines(bytes);
}
