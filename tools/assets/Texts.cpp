#include "Texts.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <stdexcept>

namespace texts {

namespace {

// Code points of bytes 0x80..0x9F; 0 marks the five unassigned bytes.
const char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

[[noreturn]] void fail(const QString& file, int line, const QString& what)
{
    QString where = file;
    if (line >= 0)
        where += QStringLiteral(", line %1").arg(line);
    throw std::runtime_error((where + ": " + what).toStdString());
}

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, -1, "cannot be read");
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        fail(path, -1, "is not valid UTF-8");
    text.replace("\r\n", "\n");
    QStringList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();  // the final line end
    return lines;
}

void writeCrLf(const QString& path, const QStringList& lines, const QString& name)
{
    QByteArray out;
    for (int i = 0; i < lines.size(); ++i) {
        try {
            out += toWindows1252(lines[i]);
        } catch (const std::exception& e) {
            fail(name, i, e.what());
        }
        out += "\r\n";
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(out) != out.size())
        fail(path, -1, "cannot be written");
}

// The button faces show lines 2 to 19 and 75 centred on a 150-pixel face.
constexpr int kLongestCaption = 13;

void checkLanguage(const QString& name, const QStringList& lines)
{
    if (lines.size() != kLanguageLines)
        fail(name, -1, QStringLiteral("has %1 lines, expected %2").arg(lines.size()).arg(kLanguageLines));
    for (int i = 0; i < lines.size(); ++i) {
        const QString label = QStringLiteral("%1 ").arg(i, 3, 10, QLatin1Char('0'));
        if (!lines[i].startsWith(label))
            fail(name, i, "must start with the label \"" + label + "\"");
        const QString text = lines[i].mid(4);
        if (((i >= 2 && i <= 19) || i == 75) && text.size() > kLongestCaption)
            fail(name, i, QStringLiteral("a button caption of at most %1 characters").arg(kLongestCaption));
    }
    if (lines[0].mid(4).contains(QRegularExpression("[^A-Za-z0-9_-]")) || lines[0].size() <= 4)
        fail(name, 0, "the program's folder name must be one plain word");
    if (!lines[49].contains("[name]") || !lines[49].contains("[date]"))
        fail(name, 49, "the score template needs both [name] and [date]");
    for (int t = kFirstTheme; t < kFirstTheme + 3; ++t)
        if (lines[t].mid(4).contains(QRegularExpression("[^A-Za-z0-9 _-]")) || lines[t].size() <= 4)
            fail(name, t, "a theme name is a folder name: letters, digits, blanks");
}

}  // namespace

QByteArray toWindows1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(char(u));
            continue;
        }
        const auto* hit = std::find(std::begin(kHighControls), std::end(kHighControls), u);
        if (hit == std::end(kHighControls))
            throw std::runtime_error("character U+" + QString::number(u, 16).toUpper().toStdString() +
                                     " has no Windows-1252 code");
        out.append(char(0x80 + (hit - std::begin(kHighControls))));
    }
    return out;
}

void convert(const QString& srcDir, const QString& outDir)
{
    if (!QDir().mkpath(outDir))
        fail(outDir, -1, "cannot be created");
    QStringList themes;
    for (const QString& name : kLanguageFiles) {
        const QStringList lines = readLines(srcDir + '/' + name);
        checkLanguage(name, lines);
        const QStringList own = {lines[38].mid(4), lines[39].mid(4), lines[40].mid(4)};
        if (themes.isEmpty())
            themes = own;
        else if (own != themes)
            fail(name, kFirstTheme, "theme names differ from " + kLanguageFiles.first() +
                                        "; they name folders and must be the same in every language");
        writeCrLf(outDir + '/' + name, lines, name);
    }
    const QStringList rules = readLines(srcDir + '/' + kRulesFile);
    if (rules.isEmpty())
        fail(kRulesFile, -1, "is empty");
    writeCrLf(outDir + '/' + kRulesFile, rules, kRulesFile);
}

}  // namespace texts
