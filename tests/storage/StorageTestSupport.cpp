#include "StorageTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void putFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
}

SavedGameRecord sampleRecord()
{
    SavedGameRecord r;
    for (std::size_t i = 0; i < SavedGameRecord::kCells; ++i) {
        r.solution[i] = static_cast<std::uint8_t>((i * 4 + i / 9) % 9);
        r.current[i] = i % 3 == 0 ? 255 : r.solution[i];
        r.givens[i] = i % 5 == 0 ? r.solution[i] : 255;
    }
    for (std::size_t i = 0; i < SavedGameRecord::kMarks; ++i)
        r.marks[i] = (i * 7) % 11 < 3 ? 1 : 0;
    r.playerName = QStringLiteral("Amélie");
    r.level = 3;
    r.gridNumber = -7;
    r.gameTime = 125.7;
    return r;
}

FileSizeLimit::FileSizeLimit(rlim_t maxBytes)
{
    getrlimit(RLIMIT_FSIZE, &m_saved);
    m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_saved;
    limit.rlim_cur = maxBytes;
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        qFatal("setrlimit failed");
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_savedHandler);
}
