#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The language lines: entry n is line n of the language file, counted from 0,
// decoded from Windows-1252. Loaded once at start-up; FText is a plain indexed
// lookup that never touches the file.
class LanguageTexts {
public:
    // Loads the whole file in place of the current lines. A file that cannot be
    // read shows a message and leaves the current lines untouched.
    bool loadFile(const QString& path);

    // Loads the first of the English, French and German files that exists in
    // appFolder/Textes/. When none exists, shows a message naming the French
    // file and the lines stay as they were.
    bool loadFromAppFolder(const QString& appFolder);

    // Line n from its fifth character on. A line number outside the list shows
    // one message per distinct number and gives "erreur".
    QString FText(int n) const;

    const QStringList& FLangLines() const;

    static QString languageFilePath(const QString& appFolder, const QString& language);

private:
    QStringList m_lines;
    mutable QSet<int> m_reportedLines;
};
