#pragma once

#include <QString>
#include <QStringList>

// The text files of the data folder. They are written by hand in UTF-8 under
// data/Textes and handed to the game as it reads them: Windows-1252 with CR LF
// line ends.
//
// A language file holds lines 0 to 75, each starting with a four-character
// label that the game skips: the line number in three digits and a blank
// ("038 Wood"). The rules file is free text.
namespace texts {

inline const QStringList kLanguageFiles = {"English demo.txt", "Francais demo.txt", "German demo.txt"};
inline const QString kRulesFile = QStringLiteral("regles demo.txt");
constexpr int kLanguageLines = 76;
constexpr int kFirstTheme = 38;

// Checks the sources and writes the converted files into `outDir`; throws
// std::runtime_error naming the file and line of the first problem found.
void convert(const QString& srcDir, const QString& outDir);

// Windows-1252 bytes of a text; throws std::runtime_error for characters the
// code page lacks.
QByteArray toWindows1252(const QString& text);

}  // namespace texts
