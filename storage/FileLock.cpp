#include "FileLock.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <atomic>

namespace {

std::atomic<std::chrono::milliseconds::rep> g_waitMs{5000};

// QLockFile's own wait doubles its pause up to 5 s, so a copy that changes
// the file often could keep another out for its whole wait; short even
// pauses give both a fair turn.
constexpr int kRetryPauseMs = 10;

void setError(QString* error, const QString& message)
{
    if (error)
        *error = message;
}

} // namespace

std::chrono::milliseconds fileLockWait()
{
    return std::chrono::milliseconds(g_waitMs.load());
}

void setFileLockWait(std::chrono::milliseconds wait)
{
    g_waitMs.store(wait.count());
}

QString FileLock::lockPathFor(const QString& filePath)
{
    return filePath + QStringLiteral(".lock");
}

FileLock::FileLock(const QString& filePath)
    : m_filePath(filePath)
    , m_lock(lockPathFor(filePath))
{
}

bool FileLock::acquire(QString* error)
{
    const QString folder = QFileInfo(m_filePath).absolutePath();
    const QString file = QDir::toNativeSeparators(m_filePath);
    if (!QDir().mkpath(folder)) {
        setError(error, QStringLiteral("Impossible de modifier le fichier ") + file + QStringLiteral(" : le dossier ")
                            + QDir::toNativeSeparators(folder) + QStringLiteral(" ne peut pas être créé"));
        return false;
    }
    const QDeadlineTimer deadline(fileLockWait());
    for (;;) {
        if (m_lock.tryLock(0))
            return true;
        if (m_lock.error() != QLockFile::LockFailedError) {
            setError(error, QStringLiteral("Impossible de verrouiller le fichier ") + file
                                + QStringLiteral(" : le dossier n'accepte pas le fichier ")
                                + QDir::toNativeSeparators(lockPathFor(m_filePath)));
            return false;
        }
        if (deadline.hasExpired())
            break;
        QThread::msleep(kRetryPauseMs);
    }
    setError(error, QStringLiteral("Le fichier ") + file
                        + QStringLiteral(" est en cours de modification par une autre copie du jeu. "
                                         "Rien n'a été changé ; réessayez dans un moment."));
    return false;
}
