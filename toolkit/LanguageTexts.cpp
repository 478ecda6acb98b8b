#include "LanguageTexts.h"

#include "LineFile.h"
#include "MessageBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Every language line starts with a four-character label.
constexpr int kLabelLength = 4;

const char* const kLanguages[] = {"English", "Francais", "German"};

void reportUnreadable(const QFile& file)
{
    ShowMessage(QStringLiteral("Impossible de lire le fichier langue : ") + file.fileName() + QStringLiteral(" (")
                + file.errorString() + QStringLiteral(")"));
}

} // namespace

QString LanguageTexts::languageFilePath(const QString& appFolder, const QString& language)
{
    return QDir(appFolder).filePath(QStringLiteral("Textes/") + language + QStringLiteral(" demo.txt"));
}

bool LanguageTexts::loadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reportUnreadable(file);
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        reportUnreadable(file);
        return false;
    }
    m_lines = splitTextLines(bytes);
    m_reportedLines.clear();
    return true;
}

bool LanguageTexts::loadFromAppFolder(const QString& appFolder)
{
    for (const char* language : kLanguages) {
        const QString path = languageFilePath(appFolder, QString::fromLatin1(language));
        if (QFileInfo(path).isFile())
            return loadFile(path);
    }
    // The text is the program's own, spelling included.
    ShowMessage(QStringLiteral("Impossible de chager le fichier langue ajoutez: ")
                + languageFilePath(appFolder, QStringLiteral("Francais")));
    return false;
}

QString LanguageTexts::FText(int n) const
{
    if (n < 0 || n >= m_lines.size()) {
        if (!m_reportedLines.contains(n)) {
            m_reportedLines.insert(n);
            ShowMessage(QStringLiteral("Erreur - Appel à du texte avant son chargement : ligne ")
                        + QString::number(n));
        }
        return QStringLiteral("erreur");
    }
    const QString& line = m_lines.at(n);
    return line.size() > kLabelLength ? line.mid(kLabelLength) : QString();
}

const QStringList& LanguageTexts::FLangLines() const
{
    return m_lines;
}
