// Printing the grid (to PDF at 300 dpi, read back with poppler-utils) and the
// metafile export (its records read back), with their failures.
#include "PlayTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace {

const QString kHeading = QStringLiteral("(Grille) Quintara - Tavesh Interactive");
constexpr int kDpi = 300;

// Runs a poppler tool; its standard output, or a failed assertion.
QByteArray runTool(const QString& program, const QStringList& arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    const bool done = tool.waitForFinished(60000);
    EXPECT_TRUE(done && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0)
        << program.toStdString() << ": " << tool.readAllStandardError().toStdString();
    return tool.readAllStandardOutput();
}

struct Word {
    QString text;
    double left, top, right, bottom;  // printer pixels
    double centreX() const { return (left + right) / 2; }
    double centreY() const { return (top + bottom) / 2; }
};

std::vector<Word> pdfWords(const QString& pdf)
{
    const QString html = QString::fromUtf8(runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<Word> words;
    const double scale = kDpi / 72.0;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(5), m.captured(1).toDouble() * scale, m.captured(2).toDouble() * scale,
                         m.captured(3).toDouble() * scale, m.captured(4).toDouble() * scale});
    }
    return words;
}

// The page as 8-bit grey levels at the printer's resolution, without
// anti-aliasing, so that lines and glyphs keep their exact colour.
QImage pdfRaster(const QString& pdf)
{
    const QString prefix = pdf + QStringLiteral(".raster");
    runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-gray"),
                                         QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"),
                                         QStringLiteral("no"), QStringLiteral("-singlefile"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".pgm")).convertToFormat(QImage::Format_Grayscale8);
}

int grey(const QImage& image, int x, int y)
{
    return image.constScanLine(y)[x];
}

// The lines crossed along a row (horizontal) or a column: centre and
// darkest level of each run of non-white pixels.
std::vector<std::pair<double, int>> linesCrossed(const QImage& image, int at, bool alongRow)
{
    std::vector<std::pair<double, int>> lines;
    const int length = alongRow ? image.width() : image.height();
    int start = -1;
    int darkest = 255;
    for (int i = 0; i <= length; ++i) {
        const int level = i < length ? (alongRow ? grey(image, i, at) : grey(image, at, i)) : 255;
        if (level < 250) {
            if (start < 0)
                start = i, darkest = 255;
            darkest = std::min(darkest, level);
        } else if (start >= 0) {
            lines.emplace_back((start + i - 1) / 2.0, darkest);
            start = -1;
        }
    }
    return lines;
}

// The darkest level inside cell (x, y) of the page, its lines left out.
int darkestInCell(const QImage& image, int margin, int cell, int x, int y)
{
    int darkest = 255;
    for (int py = margin + y * cell + 4; py < margin + (y + 1) * cell - 4; ++py)
        for (int px = margin + x * cell + 4; px < margin + (x + 1) * cell - 4; ++px)
            darkest = std::min(darkest, grey(image, px, py));
    return darkest;
}

class PrintTest : public PlayTest
{
protected:
    void SetUp() override
    {
        PlayTest::SetUp();
        ASSERT_TRUE(m_folder.isValid());
    }

    QString path(const QString& name) const { return m_folder.path() + QLatin1Char('/') + name; }

    // Prints through a dialog that the player accepts with an A4 page to a
    // PDF file, the page's full paper as the printable area.
    void printToPdf(const QString& file, QPageLayout::Orientation orientation, bool accept = true)
    {
        window().RunPrintDialog = [=](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            printer.setResolution(kDpi);
            printer.setFullPage(true);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageOrientation(orientation);
            return accept;
        };
        window().mnuPrintClick();
    }

    // The known game with the player's own digits in two empty cells and a
    // pencil mark in a third. pdftotext reads the glyphs of two neighbouring
    // cells of a row on the landscape page as one word, so the own digits'
    // neighbours in their rows are emptied.
    void fillOwnDigits()
    {
        for (auto [x, y] : {std::pair{0, 0}, {2, 0}, {7, 7}})
            window().FGivens[x * 9 + y] = current(x, y) = kEmptyCell;
        current(1, 0) = knownSolution()[9];
        current(8, 7) = 2;
        mark(0, 1, 4) = 1;
    }

    QTemporaryDir m_folder;
};

struct PageCase {
    QPageLayout::Orientation orientation;
    int width, height, cell, margin;  // printer pixels at 300 dpi, A4
};

void PrintTo(const PageCase& page, std::ostream* out)
{
    *out << (page.orientation == QPageLayout::Portrait ? "portrait" : "landscape");
}

class PrintedPageTest : public PrintTest, public ::testing::WithParamInterface<PageCase>
{
};

TEST_P(PrintedPageTest, HeadingGridAndDigitsStandWhereTheyBelong)
{
    const PageCase page = GetParam();
    fillOwnDigits();
    const QString pdf = path(QStringLiteral("page.pdf"));
    printToPdf(pdf, page.orientation);
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(m_messages->count(), 0);
    const QString info = QString::fromUtf8(runTool(QStringLiteral("pdfinfo"), {pdf}));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title: +") + QRegularExpression::escape(kHeading))))
        << info.toStdString();

    // pdftoppm rounds the paper's size in pixels up.
    const QImage image = pdfRaster(pdf);
    ASSERT_NEAR(image.width(), page.width, 1);
    ASSERT_NEAR(image.height(), page.height, 1);

    // The heading's words above the grid, centred, at the top; every other
    // word a digit in its cell's centre.
    QStringList heading;
    double headingLeft = page.width, headingRight = 0, headingTop = page.height;
    std::map<std::pair<int, int>, std::vector<Word>> inCell;
    for (const Word& w : pdfWords(pdf)) {
        if (w.bottom < page.margin) {
            heading << w.text;
            headingLeft = std::min(headingLeft, w.left);
            headingRight = std::max(headingRight, w.right);
            headingTop = std::min(headingTop, w.top);
        } else {
            inCell[{static_cast<int>(w.centreX() - page.margin) / page.cell,
                    static_cast<int>(w.centreY() - page.margin) / page.cell}]
                .push_back(w);
        }
    }
    EXPECT_EQ(heading.join(QLatin1Char(' ')), kHeading);
    EXPECT_NEAR((headingLeft + headingRight) / 2, page.width / 2.0, 3.0);
    EXPECT_NEAR(headingTop, 2.0, 4.0);

    int digits = 0;
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const std::uint8_t d = current(x, y);
            const int darkest = darkestInCell(image, page.margin, page.cell, x, y);
            const std::vector<Word>& words = inCell[{x, y}];
            if (d == kEmptyCell) {
                EXPECT_TRUE(words.empty()) << "cell " << x << "," << y;
                EXPECT_EQ(darkest, 255) << "cell " << x << "," << y;
                continue;
            }
            ++digits;
            ASSERT_EQ(words.size(), 1u) << "cell " << x << "," << y;
            const Word& w = words.front();
            EXPECT_EQ(w.text, QString::number(d + 1));
            // 16-point digits: a word's box is the font's height, between
            // one and 1.35 em.
            EXPECT_GT(w.bottom - w.top, 16 * kDpi / 72.0) << x << "," << y;
            EXPECT_LT(w.bottom - w.top, 1.35 * 16 * kDpi / 72.0) << x << "," << y;
            EXPECT_NEAR(w.centreX(), page.margin + x * page.cell + page.cell / 2.0, 2.0) << x << "," << y;
            EXPECT_NEAR(w.centreY(), page.margin + y * page.cell + page.cell / 2.0, 2.0) << x << "," << y;
            if (window().FGivens[x * 9 + y] != kEmptyCell)
                EXPECT_EQ(darkest, 0) << "given " << x << "," << y;
            else
                EXPECT_EQ(darkest, 128) << "own digit " << x << "," << y;
        }
    }
    EXPECT_EQ(digits, 41 - 3 + 2);

    // Ten lines each way, black every third, silver between, a grid of
    // nine cells on the page height's scale; crossed just inside the first
    // row and column, where no digit reaches.
    const int clear = page.margin + 4;
    for (bool alongRow : {true, false}) {
        const auto lines = linesCrossed(image, clear, alongRow);
        ASSERT_EQ(lines.size(), 10u);
        for (int i = 0; i < 10; ++i) {
            EXPECT_NEAR(lines[i].first, page.margin + i * page.cell, 2.0) << i;
            EXPECT_EQ(lines[i].second, i % 3 == 0 ? 0 : 192) << i;
        }
        EXPECT_NEAR(lines[9].first - lines[0].first, 9 * page.cell, 1.0);
    }
}

INSTANTIATE_TEST_SUITE_P(A4, PrintedPageTest,
                         ::testing::Values(PageCase{QPageLayout::Portrait, 2480, 3508, 97, 219},
                                           PageCase{QPageLayout::Landscape, 3508, 2480, 68, 155}),
                         [](const ::testing::TestParamInfo<PageCase>& info) {
                             return info.param.orientation == QPageLayout::Portrait ? "Portrait" : "Landscape";
                         });

TEST_F(PrintTest, EmptyGridPrintsTheHeadingAndTheLinesOnly)
{
    std::fill(std::begin(window().FCurrent), std::end(window().FCurrent), kEmptyCell);
    const QString pdf = path(QStringLiteral("empty.pdf"));
    printToPdf(pdf, QPageLayout::Portrait);
    QStringList texts;
    for (const Word& w : pdfWords(pdf))
        texts << w.text;
    EXPECT_EQ(texts.join(QLatin1Char(' ')), kHeading);
    const QImage image = pdfRaster(pdf);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            EXPECT_EQ(darkestInCell(image, 219, 97, x, y), 255);
}

TEST_F(PrintTest, CancelledDialogOrFailingPrinterLeavesEverythingAsItWas)
{
    fillOwnDigits();
    const std::vector<std::uint8_t> before(std::begin(window().FCurrent), std::end(window().FCurrent));

    const QString cancelled = path(QStringLiteral("cancelled.pdf"));
    printToPdf(cancelled, QPageLayout::Portrait, false);
    EXPECT_FALSE(QFile::exists(cancelled));
    EXPECT_EQ(m_messages->count(), 0);

    // A PDF file under a plain file cannot be opened, even by root.
    QFile plain(path(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString unwritable = path(QStringLiteral("plain/page.pdf"));
    printToPdf(unwritable, QPageLayout::Portrait);
    ASSERT_EQ(m_messages->count(), 1);
    EXPECT_TRUE(m_messages->messages().first().contains(unwritable)) << m_messages->messages().first().toStdString();
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"plain"});

    EXPECT_EQ(std::vector<std::uint8_t>(std::begin(window().FCurrent), std::end(window().FCurrent)), before);
    EXPECT_EQ(window().GameState, 2);
}

TEST_F(PrintTest, FileCutShortWhilePrintingGivesOneMessageAndNoFile)
{
    fillOwnDigits();
    const QString pdf = path(QStringLiteral("page.pdf"));
    // No file may grow beyond 4 KB while the page is printed, as on a disk
    // that fills up: writes beyond fail instead of raising a signal.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit before = limit;
    limit.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    printToPdf(pdf, QPageLayout::Portrait);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_EQ(m_messages->count(), 1);
    EXPECT_TRUE(m_messages->messages().first().contains(pdf)) << m_messages->messages().first().toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(window().GameState, 2);
}

// ---- the metafile ----

struct Record {
    std::uint32_t type;
    std::vector<char> data;  // the whole record
    std::int32_t at(int offset) const
    {
        std::int32_t v = 0;
        std::memcpy(&v, data.data() + offset, 4);
        return v;
    }
    std::int16_t at16(int offset) const
    {
        std::int16_t v = 0;
        std::memcpy(&v, data.data() + offset, 2);
        return v;
    }
};

enum : std::uint32_t {
    kHeader = 1,
    kPolyline = 4,
    kEof = 14,
    kMoveTo = 27,
    kCreatePen = 38,
    kRectangle = 43,
    kLineTo = 54,
    kCreateFont = 82,
    kTextA = 83,
    kTextW = 84,
    kPolyline16 = 87,
};

std::vector<Record> readRecords(const QString& file)
{
    QFile f(file);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
    const QByteArray content = f.readAll();
    const std::vector<char> bytes(content.begin(), content.end());
    std::vector<Record> records;
    for (std::size_t offset = 0; offset + 8 <= bytes.size();) {
        std::uint32_t type = 0, size = 0;
        std::memcpy(&type, bytes.data() + offset, 4);
        std::memcpy(&size, bytes.data() + offset + 4, 4);
        if (size < 8 || size % 4 != 0 || offset + size > bytes.size()) {
            ADD_FAILURE() << "bad record at " << offset;
            break;
        }
        records.push_back({type, std::vector<char>(bytes.begin() + offset, bytes.begin() + offset + size)});
        offset += size;
    }
    return records;
}

QString recordText(const Record& r)
{
    const int chars = r.at(44);
    const char* text = r.data.data() + r.at(48);
    return r.type == kTextW ? QString::fromUtf16(reinterpret_cast<const char16_t*>(text), chars)
                            : QString::fromLatin1(text, chars);
}

class ExportTest : public PrintTest
{
protected:
    void SetUp() override
    {
        PrintTest::SetUp();
        window().FAppFolder = m_folder.path() + QLatin1Char('/');
    }
    QStringList folderEntries() const
    {
        return QDir(m_folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries, QDir::Name);
    }
    void touch(const QString& name)
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
};

TEST_F(ExportTest, WritesTheGridAsEnhancedMetafileRecords)
{
    fillOwnDigits();
    window().Button1Click(window().Button1);
    EXPECT_EQ(m_messages->count(), 0);
    const std::vector<Record> records = readRecords(path(QStringLiteral("sudoku1.wmf")));
    ASSERT_GE(records.size(), 2u);
    ASSERT_EQ(records.front().type, kHeader);
    EXPECT_EQ(std::string(records.front().data.data() + 40, 4), " EMF");
    EXPECT_EQ(records.back().type, kEof);
    // The frame (hundredths of a millimetre) is 900 pixels of the reference device.
    const Record& header = records.front();
    EXPECT_NEAR(header.at(32) / 100.0 * header.at(72) / header.at(80), 900.0, 1.0);

    std::vector<int> pens;
    std::vector<Record> drawn;
    for (const Record& r : records) {
        if (r.type == kCreatePen)
            pens.push_back(r.at(16));
        else if (r.type != kHeader && r.type != kEof && r.type != 37 && r.type != 40 && r.type != kCreateFont
                 && r.type != 39)
            drawn.push_back(r);
    }
    EXPECT_EQ(pens, (std::vector<int>{1, 5}));
    // One font: Arial of 30 points, as character height in pixels of the
    // 96-dpi reference device.
    std::vector<std::pair<int, QString>> fonts;
    for (const Record& r : records)
        if (r.type == kCreateFont)
            fonts.emplace_back(r.at(12), QString::fromUtf16(reinterpret_cast<const char16_t*>(r.data.data() + 40)));
    EXPECT_EQ(fonts, (std::vector<std::pair<int, QString>>{{-30 * 96 / 72, QStringLiteral("Arial")}}));

    // Column by column, each cell's square then its text centred in it.
    ASSERT_EQ(drawn.size(), 2u * 81 + 8 + 1);
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            const Record& square = drawn[2 * (x * 9 + y)];
            const Record& text = drawn[2 * (x * 9 + y) + 1];
            ASSERT_EQ(square.type, kRectangle);
            EXPECT_EQ((std::vector<int>{square.at(8), square.at(12), square.at(16), square.at(20)}),
                      (std::vector<int>{x * 100, y * 100, x * 100 + 100, y * 100 + 100}));
            ASSERT_TRUE(text.type == kTextA || text.type == kTextW);
            const std::uint8_t d = current(x, y);
            EXPECT_EQ(recordText(text), d == kEmptyCell ? QStringLiteral(" ") : QString::number(d + 1));
            EXPECT_GT(text.at(36), x * 100 + 25);
            EXPECT_LT(text.at(36), x * 100 + 50);
            EXPECT_GT(text.at(40), y * 100 + 15);
            EXPECT_LT(text.at(40), y * 100 + 40);
        }
    }
    // The box lines, then the closed border.
    const int lines[][4] = {{299, 0, 299, 900}, {599, 0, 599, 900}, {0, 299, 900, 299}, {0, 599, 900, 599}};
    for (int i = 0; i < 4; ++i) {
        const Record& from = drawn[162 + 2 * i];
        const Record& to = drawn[163 + 2 * i];
        ASSERT_EQ(from.type, kMoveTo);
        ASSERT_EQ(to.type, kLineTo);
        EXPECT_EQ((std::vector<int>{from.at(8), from.at(12), to.at(8), to.at(12)}),
                  (std::vector<int>(std::begin(lines[i]), std::end(lines[i]))));
    }
    const Record& border = drawn.back();
    ASSERT_TRUE(border.type == kPolyline16 || border.type == kPolyline);
    ASSERT_EQ(border.at(24), 5);
    std::vector<int> points;
    for (int i = 0; i < 10; ++i)
        points.push_back(border.type == kPolyline16 ? border.at16(28 + 2 * i) : border.at(28 + 4 * i));
    EXPECT_EQ(points, (std::vector<int>{2, 2, 897, 2, 897, 897, 2, 897, 2, 2}));
}

TEST_F(ExportTest, TakesTheFirstFreeNumber)
{
    touch(QStringLiteral("sudoku1.wmf"));
    touch(QStringLiteral("sudoku2.wmf"));
    window().Button1Click(window().Button1);
    EXPECT_GT(QFileInfo(path(QStringLiteral("sudoku3.wmf"))).size(), 0);
    EXPECT_EQ(QFileInfo(path(QStringLiteral("sudoku1.wmf"))).size(), 0);

    QFile::remove(path(QStringLiteral("sudoku1.wmf")));
    QFile::remove(path(QStringLiteral("sudoku3.wmf")));
    window().Button1Click(window().Button1);
    EXPECT_GT(QFileInfo(path(QStringLiteral("sudoku1.wmf"))).size(), 0);
    EXPECT_EQ(folderEntries(), (QStringList{"sudoku1.wmf", "sudoku2.wmf"}));
    EXPECT_EQ(m_messages->count(), 0);
}

TEST_F(ExportTest, UnwritableFolderGivesOneMessageAndNoFile)
{
    // Tests may run as root, whom a read-only folder does not stop: the data
    // folder here is a path under a plain file, which nobody can write into.
    touch(QStringLiteral("plain"));
    window().FAppFolder = path(QStringLiteral("plain/"));
    const std::vector<std::uint8_t> before(std::begin(window().FCurrent), std::end(window().FCurrent));
    window().Button1Click(window().Button1);
    ASSERT_EQ(m_messages->count(), 1);
    EXPECT_TRUE(m_messages->messages().first().contains(path(QStringLiteral("plain/sudoku1.wmf"))))
        << m_messages->messages().first().toStdString();
    EXPECT_EQ(folderEntries(), QStringList{"plain"});
    EXPECT_EQ(QFileInfo(path(QStringLiteral("plain"))).size(), 0);
    EXPECT_EQ(std::vector<std::uint8_t>(std::begin(window().FCurrent), std::end(window().FCurrent)), before);
}

} // namespace
