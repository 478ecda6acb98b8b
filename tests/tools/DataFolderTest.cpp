// The data folder beside the program: every file the game reads is there,
// decodes, and fits the screen layout it is drawn into.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>

namespace {

QString dataDir()
{
    const QString fromEnv = qEnvironmentVariable("SUDOKU_DATA_DIR");
    return fromEnv.isEmpty() ? QStringLiteral(SUDOKU_DATA_DIR) : fromEnv;
}

QString dataPath(const QString& relative) { return dataDir() + '/' + relative; }

QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

const QStringList kLanguageFiles = {"English demo.txt", "Francais demo.txt", "German demo.txt"};
const QString kRulesFile = "Textes/regles demo.txt";
const QRgb kKey = qRgb(255, 0, 255);

// Language lines as the game reads them: split at CR LF, label dropped.
QStringList languageLines(const QString& file)
{
    QStringList lines;
    for (const QByteArray& raw : readAll(dataPath("Textes/" + file)).split('\n'))
        lines << QString::fromLatin1(raw.endsWith('\r') ? raw.chopped(1) : raw).mid(4);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList themeNames() { return languageLines(kLanguageFiles.first()).mid(38, 3); }

uint32_t le32(const QByteArray& b, int at)
{
    return uint8_t(b[at]) | uint8_t(b[at + 1]) << 8 | uint8_t(b[at + 2]) << 16 | uint32_t(uint8_t(b[at + 3])) << 24;
}
uint16_t le16(const QByteArray& b, int at) { return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8); }

bool isKey(const QImage& img, int x, int y) { return (img.pixel(x, y) & 0xFFFFFF) == (kKey & 0xFFFFFF); }

// Average colour of the pixels that are not the key.
QColor inkColour(const QImage& img)
{
    double r = 0, g = 0, b = 0;
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (!isKey(img, x, y)) {
                const QRgb p = img.pixel(x, y);
                r += qRed(p), g += qGreen(p), b += qBlue(p), ++n;
            }
    return n ? QColor(int(r / n), int(g / n), int(b / n)) : QColor();
}

double luminance(QRgb c) { return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c); }

// How far from `background` in brightness a third of the picture's shape is
// at least: the body of a digit, not its rim, decides whether it reads.
double bodyContrast(const QImage& img, double background)
{
    std::vector<double> d;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (!isKey(img, x, y))
                d.push_back(std::abs(luminance(img.pixel(x, y)) - background));
    if (d.empty())
        return 0;
    std::sort(d.rbegin(), d.rend());
    return d[d.size() / 3];
}

struct Picture {
    QString path;  // relative to graphisme/
    QSize size;
    bool keyed;
};

// Sizes come from the screen layout: 60-pixel cells with digits drawn at the
// cell's corner + 4, a 540-pixel board, 150 x 38 faces stepping 40 pixels,
// a 500-pixel message window with answer buttons at +50 and +300, the
// 153 x 597 options panel, the 415 x 277 splash and the 21 x 17 arrows.
std::vector<Picture> expectedPictures()
{
    std::vector<Picture> all = {
        {"1.bmp", {150, 38}, true},       {"aide.bmp", {64, 64}, true},     {"aideRoll.bmp", {64, 64}, true},
        {"Tour.bmp", {150, 38}, true},    {"Grid.bmp", {540, 540}, true},   {"accueil.bmp", {1024, 768}, false},
        {"fenetre.bmp", {500, 360}, false}, {"splash.bmp", {415, 277}, false}, {"R.bmp", {21, 17}, false},
        {"L.bmp", {21, 17}, false},
    };
    for (const QString& theme : themeNames())
        for (int n = 0; n <= 26; ++n) {
            const QString path = theme + '/' + QString::number(n) + ".bmp";
            if (n <= 9 || (n >= 13 && n <= 22))
                all.push_back({path, {52, 52}, true});
            else if (n == 25)
                all.push_back({path, {182, 182}, true});
            else if (n == 12)
                all.push_back({path, {1024, 768}, false});
            else if (n == 23)
                all.push_back({path, {153, 597}, false});
            else if (n == 26)
                all.push_back({path, {52, 52}, false});
            else
                all.push_back({path, {60, 60}, false});
        }
    return all;
}

// The font database needs a GUI application. It lives until the process
// ends: destroying it after main() returns would outlive Qt's thread data.
void ensureGuiApp()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "data_folder_tests";
    static char* argv[] = {name, nullptr};
    static auto* app = new QGuiApplication(argc, argv);
    (void)app;
}

}  // namespace

TEST(DataFolderLayout, HoldsEveryFileTheProgramReads)
{
    ASSERT_EQ(themeNames().size(), 3) << "no English language file in " << dataDir().toStdString();
    QStringList wanted;
    for (const Picture& p : expectedPictures())
        wanted << "graphisme/" + p.path;
    wanted << "graphisme/CHOWFUN_.TTF" << "graphisme/CHOWFUN_LICENSE.txt";
    for (const char* sound : {"Impossible", "Loud", "erase", "7", "applause", "help", "Message"})
        wanted << QStringLiteral("sons/%1.wav").arg(sound);
    for (const QString& file : kLanguageFiles)
        wanted << "Textes/" + file;
    wanted << kRulesFile;

    QStringList missing;
    for (const QString& file : wanted)
        if (!QFileInfo(dataPath(file)).isFile())
            missing << file;
    EXPECT_TRUE(missing.isEmpty()) << "missing in " << dataDir().toStdString() << ": "
                                   << missing.join(", ").toStdString();
}

TEST(DataFolderPictures, AreTwentyFourBitBmpsOfTheLayoutSizes)
{
    for (const Picture& p : expectedPictures()) {
        SCOPED_TRACE(p.path.toStdString());
        const QByteArray bytes = readAll(dataPath("graphisme/" + p.path));
        ASSERT_GE(bytes.size(), 54);
        EXPECT_TRUE(bytes.startsWith("BM"));
        EXPECT_EQ(le16(bytes, 28), 24) << "bits per pixel";
        const QImage img = QImage::fromData(bytes, "BMP");
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.size(), p.size);
    }
}

TEST(DataFolderPictures, KeyedPicturesShowTheirShapeAroundTheKeyAtPixelOneOne)
{
    for (const Picture& p : expectedPictures()) {
        SCOPED_TRACE(p.path.toStdString());
        const QImage img(dataPath("graphisme/" + p.path));
        ASSERT_FALSE(img.isNull());
        int keyPixels = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                keyPixels += isKey(img, x, y);
        if (p.keyed) {
            EXPECT_TRUE(isKey(img, 1, 1));
            EXPECT_LT(keyPixels, img.width() * img.height()) << "nothing would show";
        } else {
            EXPECT_EQ(keyPixels, 0) << "an opaque picture shows the key colour";
        }
    }
}

TEST(DataFolderPictures, ButtonsAreSolidWhereTheyAreClicked)
{
    // The game hit-tests a face by its non-key pixels, so the middle of each
    // face, where the caption sits, must be part of the shape.
    for (const char* face : {"1.bmp", "aide.bmp"}) {
        const QImage img(dataPath(QStringLiteral("graphisme/") + face));
        ASSERT_FALSE(img.isNull()) << face;
        EXPECT_FALSE(isKey(img, img.width() / 2, img.height() / 2)) << face;
        EXPECT_FALSE(isKey(img, img.width() / 4, img.height() / 2)) << face;
    }
}

TEST(DataFolderPictures, GridLinesFallOnCellEdgesOfTheBoard)
{
    // The grid is drawn one pixel right of the board's corner: the edge
    // between cells at board x = 60k lies between columns 60k - 2 and 60k - 1
    // of the picture; rows are not shifted, the edge lies between rows 60k - 1
    // and 60k. A line must cover at least one pixel on either side of it.
    const QImage grid(dataPath("graphisme/Grid.bmp"));
    ASSERT_FALSE(grid.isNull());
    for (int k = 1; k < 9; ++k) {
        EXPECT_FALSE(isKey(grid, 60 * k - 2, 30) && isKey(grid, 60 * k - 1, 30)) << "vertical line " << k;
        EXPECT_FALSE(isKey(grid, 30, 60 * k - 1) && isKey(grid, 30, 60 * k)) << "horizontal line " << k;
        EXPECT_TRUE(isKey(grid, 60 * k - 5, 30) && isKey(grid, 60 * k + 3, 30)) << "line " << k << " is too thick";
    }
    for (int cell = 0; cell < 9; ++cell)
        EXPECT_TRUE(isKey(grid, 60 * cell + 29, 60 * cell + 30)) << "cell " << cell << " is covered";
}

TEST(DataFolderPictures, DigitsStandOutFromTheirCellsAndBetweenStyles)
{
    for (const QString& theme : themeNames()) {
        SCOPED_TRACE(theme.toStdString());
        const QImage backdrop(dataPath("graphisme/" + theme + "/10.bmp"));
        ASSERT_FALSE(backdrop.isNull());
        const double cell = luminance(inkColour(backdrop).rgb());
        for (int d = 1; d <= 9; ++d) {
            const QImage player(dataPath(QStringLiteral("graphisme/%1/%2.bmp").arg(theme).arg(d)));
            const QImage given(dataPath(QStringLiteral("graphisme/%1/%2.bmp").arg(theme).arg(d + 13)));
            ASSERT_FALSE(player.isNull() || given.isNull()) << "digit " << d;
            EXPECT_GT(bodyContrast(player, cell), 70) << "player digit " << d;
            EXPECT_GT(bodyContrast(given, cell), 70) << "given digit " << d;
            EXPECT_NE(player, given) << "digit " << d << " looks the same in both styles";
        }
    }
}

TEST(DataFolderPictures, ThemesLookDifferent)
{
    std::vector<QColor> average;
    for (const QString& theme : themeNames()) {
        const QImage bg(dataPath("graphisme/" + theme + "/12.bmp"));
        ASSERT_FALSE(bg.isNull()) << theme.toStdString();
        average.push_back(inkColour(bg.scaled(64, 48)));
    }
    for (size_t a = 0; a < average.size(); ++a)
        for (size_t b = a + 1; b < average.size(); ++b) {
            const int distance = std::abs(average[a].red() - average[b].red()) +
                                 std::abs(average[a].green() - average[b].green()) +
                                 std::abs(average[a].blue() - average[b].blue());
            EXPECT_GT(distance, 60) << "themes " << a << " and " << b;
        }
}

TEST(DataFolderSounds, AreShortAudibleSixteenBitPcmWaves)
{
    for (const char* name : {"Impossible", "Loud", "erase", "7", "applause", "help", "Message"}) {
        SCOPED_TRACE(name);
        const QByteArray b = readAll(dataPath(QStringLiteral("sons/%1.wav").arg(name)));
        ASSERT_GE(b.size(), 44);
        ASSERT_TRUE(b.startsWith("RIFF") && b.mid(8, 4) == "WAVE");
        EXPECT_EQ(le32(b, 4), uint32_t(b.size() - 8)) << "RIFF size";
        std::map<QByteArray, std::pair<int, int>> chunks;  // id -> offset, size
        for (int at = 12; at + 8 <= b.size();) {
            const int size = int(le32(b, at + 4));
            chunks[b.mid(at, 4)] = {at + 8, size};
            at += 8 + size + (size & 1);
        }
        ASSERT_TRUE(chunks.count("fmt ") && chunks.count("data"));
        const int fmt = chunks["fmt "].first;
        EXPECT_EQ(le16(b, fmt), 1) << "PCM";
        const int channels = le16(b, fmt + 2), rate = int(le32(b, fmt + 4)), bits = le16(b, fmt + 14);
        EXPECT_EQ(bits, 16);
        EXPECT_TRUE(channels == 1 || channels == 2);
        EXPECT_TRUE(rate >= 22050 && rate <= 48000) << rate;
        const auto [data, size] = chunks["data"];
        ASSERT_LE(data + size, b.size());
        const double seconds = double(size) / (channels * 2) / rate;
        EXPECT_TRUE(seconds >= 0.02 && seconds <= 4) << seconds << " s";
        int peak = 0;
        for (int i = data; i + 1 < data + size; i += 2)
            peak = std::max(peak, std::abs(int(int16_t(le16(b, i)))));
        EXPECT_GT(peak, 3000) << "too quiet";
        EXPECT_LT(peak, 32767) << "clipped";
    }
}

TEST(DataFolderMusic, HoldsSeveralMp3TracksOfHalfAMinute)
{
    const QStringList tracks = QDir(dataPath("Musique")).entryList({"*.mp3"}, QDir::Files);
    EXPECT_GE(tracks.size(), 2) << "MP3 tracks in " << dataPath("Musique").toStdString();
    static const int kBitrates[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    for (const QString& track : tracks) {
        SCOPED_TRACE(track.toStdString());
        const QByteArray b = readAll(dataPath("Musique/" + track));
        int frame = 0;
        if (b.startsWith("ID3")) {  // tag size: four 7-bit bytes, after a 10-byte header
            ASSERT_GE(b.size(), 10);
            frame = 10 + ((b[6] & 0x7F) << 21 | (b[7] & 0x7F) << 14 | (b[8] & 0x7F) << 7 | (b[9] & 0x7F));
        }
        ASSERT_LT(frame + 4, b.size());
        ASSERT_EQ(uint8_t(b[frame]), 0xFF) << "no MP3 frame where the audio starts";
        ASSERT_EQ(uint8_t(b[frame + 1]) & 0xFE, 0xFA) << "not an MPEG-1 Layer III frame";
        const int bitrate = kBitrates[(uint8_t(b[frame + 2]) >> 4) % 15];
        ASSERT_GT(bitrate, 0);
        const double seconds = (b.size() - frame) * 8.0 / (bitrate * 1000);
        EXPECT_TRUE(seconds >= 15 && seconds <= 60) << seconds << " s";
    }
}

TEST(DataFolderTexts, LanguageFilesHoldEveryLineInWindows1252WithCrLf)
{
    const QStringList files = QStringList(kLanguageFiles) << "regles demo.txt";
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const QByteArray b = readAll(dataPath("Textes/" + file));
        ASSERT_FALSE(b.isEmpty());
        EXPECT_TRUE(b.endsWith("\r\n"));
        for (int i = 0; i < b.size(); ++i) {
            if (b[i] == '\n') {
                ASSERT_TRUE(i > 0 && b[i - 1] == '\r') << "bare LF at byte " << i;
            }
            if (b[i] == '\r') {
                ASSERT_TRUE(i + 1 < b.size() && b[i + 1] == '\n') << "bare CR at byte " << i;
            }
            const uint8_t c = uint8_t(b[i]);
            EXPECT_TRUE(c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D)
                << "byte " << i << " has no Windows-1252 character";
        }
        bool hasHighBytes = false;
        for (char c : b)
            hasHighBytes |= uint8_t(c) >= 0x80;
        if (hasHighBytes) {
            QStringDecoder utf8(QStringDecoder::Utf8);
            const QString decoded = utf8(b);
            EXPECT_TRUE(utf8.hasError()) << "UTF-8, not Windows-1252";
        }
    }
    for (const QString& file : kLanguageFiles) {
        SCOPED_TRACE(file.toStdString());
        const QList<QByteArray> raw = readAll(dataPath("Textes/" + file)).split('\n');
        EXPECT_GE(raw.size() - 1, 75);
        for (int i = 0; i + 1 < raw.size(); ++i)
            EXPECT_TRUE(raw[i].startsWith(QStringLiteral("%1 ").arg(i, 3, 10, QLatin1Char('0')).toLatin1()))
                << "line " << i << " lacks its four-character label";
    }
}

TEST(DataFolderTexts, ThemeNamesAreTheThemeFoldersInEveryLanguage)
{
    const QStringList themes = themeNames();
    ASSERT_EQ(themes.size(), 3);
    for (const QString& theme : themes)
        EXPECT_TRUE(QFileInfo(dataPath("graphisme/" + theme)).isDir()) << theme.toStdString();
    for (const QString& file : kLanguageFiles)
        EXPECT_EQ(languageLines(file).mid(38, 3), themes) << file.toStdString();
}

TEST(DataFolderTexts, LinesFitWhereTheGameShowsThem)
{
    for (const QString& file : kLanguageFiles) {
        SCOPED_TRACE(file.toStdString());
        const QStringList lines = languageLines(file);
        ASSERT_GE(lines.size(), 75);
        EXPECT_FALSE(lines[0].isEmpty() || lines[0].contains(' ')) << "program folder: one word";
        EXPECT_TRUE(lines[49].contains("[name]") && lines[49].contains("[date]"));
        // Faces are 150 pixels wide; their captions are lines 2 to 19.
        for (int i = 2; i <= 19; ++i)
            EXPECT_LE(lines[i].size(), 13) << "caption of face " << i - 1 << ": " << lines[i].toStdString();
        EXPECT_LE(lines[73].size(), 9) << "the player-name box takes 9 characters";
        for (int level = 23; level <= 27; ++level)
            EXPECT_FALSE(lines[level].isEmpty()) << "level " << level - 23;
    }
}

TEST(DataFolderFont, DeclaresTheChowFunFamilyUnderItsLicence)
{
    ensureGuiApp();
    const int id = QFontDatabase::addApplicationFont(dataPath("graphisme/CHOWFUN_.TTF"));
    ASSERT_GE(id, 0) << "the font does not load";
    EXPECT_TRUE(QFontDatabase::applicationFontFamilies(id).contains("CHOW FUN"))
        << QFontDatabase::applicationFontFamilies(id).join(", ").toStdString();
    const QByteArray head = readAll(dataPath("graphisme/CHOWFUN_.TTF")).left(4);
    EXPECT_EQ(head, QByteArray("\x00\x01\x00\x00", 4)) << "TrueType outlines";
    EXPECT_TRUE(readAll(dataPath("graphisme/CHOWFUN_LICENSE.txt")).contains("SIL OPEN FONT LICENSE"));
}

#ifdef SUDOKU_ASSETS_TOOL
namespace {

// Runs the asset maker's text conversion on a copy of the English file with
// one line replaced (or with the file missing) and returns its error output.
struct TextRun {
    int exitCode;
    QString errors;
};

TextRun convertWith(const std::function<void(QStringList&)>& edit, const QString& drop = {})
{
    QTemporaryDir dir;
    const QString src = dir.filePath("src"), out = dir.filePath("out");
    QDir().mkpath(src);
    QStringList english;
    for (int i = 0; i < 76; ++i)
        english << QStringLiteral("%1 text %1").arg(i, 3, 10, QLatin1Char('0'));
    english[0] = "000 Sudoku";
    english[38] = "038 Wood";
    english[39] = "039 Night";
    english[40] = "040 Pastel";
    english[49] = "049 by [name] on [date]";
    auto write = [&](const QString& name, const QStringList& lines) {
        QFile f(src + '/' + name);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write((lines.join('\n') + '\n').toUtf8());
    };
    for (const QString& file : kLanguageFiles) {
        QStringList lines = english;
        if (file == kLanguageFiles[1])
            edit(lines);
        if (file != drop)
            write(file, lines);
    }
    write("regles demo.txt", {"Fill the grid."});
    QProcess p;
    p.start(SUDOKU_ASSETS_TOOL, {"texts", src, out});
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace

TEST(AssetMakerTexts, ConvertsGoodSourcesToWindows1252)
{
    const TextRun run = convertWith([](QStringList& l) { l[15] = "015 Règles"; });
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
}

TEST(AssetMakerTexts, RejectsBadSourcesNamingFileAndLine)
{
    struct Case {
        const char* what;
        std::function<void(QStringList&)> edit;
        const char* message;
    };
    const Case cases[] = {
        {"a missing line", [](QStringList& l) { l.removeLast(); }, "Francais demo.txt: has 75 lines"},
        {"a wrong label", [](QStringList& l) { l[12] = "12 Save"; }, "Francais demo.txt, line 12"},
        {"another theme name", [](QStringList& l) { l[39] = "039 Nuit"; }, "Francais demo.txt, line 38"},
        {"a character outside the code page", [](QStringList& l) { l[50] = "050 Saved \u2713"; },
         "Francais demo.txt, line 50: character U+2713"},
        {"a caption too long for a face", [](QStringList& l) { l[5] = "005 Start a brand new game"; },
         "Francais demo.txt, line 5"},
        {"a template without markers", [](QStringList& l) { l[49] = "049 by someone"; },
         "Francais demo.txt, line 49"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TextRun run = convertWith(c.edit);
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(run.errors.contains(c.message)) << run.errors.toStdString();
    }
    const TextRun missing = convertWith([](QStringList&) {}, "German demo.txt");
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_TRUE(missing.errors.contains("German demo.txt")) << missing.errors.toStdString();
}
#endif
