#include "AtomicWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

void fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
}

QString writeFailure(const QString& path, const QString& cause)
{
    return QStringLiteral("Impossible d'enregistrer le fichier ") + QDir::toNativeSeparators(path)
           + QStringLiteral(" : ") + cause;
}

QString readFailure(const QString& path, const QString& cause)
{
    return QStringLiteral("Impossible de lire le fichier ") + QDir::toNativeSeparators(path) + QStringLiteral(" : ")
           + cause;
}

} // namespace

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        fail(error, writeFailure(path, QStringLiteral("le dossier ") + QDir::toNativeSeparators(folder)
                                           + QStringLiteral(" ne peut pas être créé")));
        return false;
    }
    // Unbuffered, so that a short write shows in write's result: a failure
    // while flushing a buffer does not stop QSaveFile from committing a
    // truncated file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        fail(error, writeFailure(path, file.errorString()));
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString cause = file.error() != QFileDevice::NoError
                                  ? file.errorString()
                                  : QStringLiteral("le fichier n'a pas pu être écrit en entier (disque plein ?)");
        file.cancelWriting();
        fail(error, writeFailure(path, cause));
        return false;
    }
    if (!file.commit()) {
        fail(error, writeFailure(path, file.errorString()));
        return false;
    }
    return true;
}

bool readWholeFile(const QString& path, QByteArray* bytes, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(error, readFailure(path, file.errorString()));
        return false;
    }
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        fail(error, readFailure(path, file.errorString()));
        return false;
    }
    *bytes = std::move(data);
    return true;
}
