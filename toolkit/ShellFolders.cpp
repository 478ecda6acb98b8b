#include "ShellFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace {

bool usable(const QString& path)
{
    return !path.isEmpty() && !QDir(path).isRoot();
}

} // namespace

QString GetShellFolder(const QString& name)
{
    QString path;
    if (name.compare(QLatin1String("appdata"), Qt::CaseInsensitive) == 0)
        path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    else if (name.compare(QLatin1String("fonts"), Qt::CaseInsensitive) == 0)
        path = QStandardPaths::writableLocation(QStandardPaths::FontsLocation);
    else
        return QString();
    if (usable(path))
        return QDir::cleanPath(path);
    if (usable(QDir::homePath()))
        return QDir::homePath();
    return QDir::tempPath();
}
