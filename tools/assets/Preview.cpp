#include "Preview.h"

#include "Canvas.h"
#include "ScreenLayout.h"
#include "Texts.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QPainter>

#include <cmath>
#include <stdexcept>

namespace {

struct Loader {
    QString dir;
    // Loads a picture; keyed pictures lose the colour of their pixel (1, 1).
    QImage operator()(const QString& name, bool keyed) const
    {
        QImage img(dir + '/' + name);
        if (img.isNull())
            throw std::runtime_error("cannot load " + (dir + '/' + name).toStdString());
        img = img.convertToFormat(QImage::Format_ARGB32);
        if (keyed) {
            const QRgb key = img.pixel(1, 1) & 0xFFFFFF;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if ((img.pixel(x, y) & 0xFFFFFF) == key)
                        img.setPixel(x, y, 0);
        }
        return img;
    }
};

QStringList languageLines(const QString& dataDir)
{
    QFile f(dataDir + "/Textes/" + texts::kLanguageFiles.first());
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the English language file");
    QStringList lines = QString::fromLatin1(f.readAll()).split("\r\n");
    for (QString& l : lines)
        l = l.mid(4);
    return lines;
}

void drawAt(QPainter& g, int x, int y, const QImage& img, int alpha)
{
    g.setOpacity(alpha / 255.0);
    g.drawImage(x, y, img);
    g.setOpacity(1);
}

// A button face with its caption, as the game prepares it at load time.
QImage captioned(QImage face, const QString& caption, const QString& family, QColor colour)
{
    QPainter g(&face);
    QFont font(family);
    font.setPointSize(12);
    font.setBold(true);
    g.setFont(font);
    g.setPen(colour);
    const int x = face.width() / 2 - 8 * int(caption.size()) / 2 - 2;
    g.drawText(QRect(x, 14, 400, 40), Qt::AlignLeft | Qt::AlignTop, caption);
    return face;
}

void drawPanel(QPainter& g, const QImage& background, const QStringList& text, bool whiteLabels)
{
    const QPoint o = layout::kPanel.topLeft();
    g.drawImage(o, background);
    QFont bold("Sans");
    bold.setPixelSize(13);
    bold.setBold(true);
    g.setFont(bold);
    g.setPen(whiteLabels ? Qt::white : Qt::black);
    g.drawText(o + QPoint(26, 69 + 13), text[66]);
    g.drawText(o + QPoint(26, 156 + 13), text[67]);
    g.drawText(o + QPoint(25, 198 + 13), text[68]);
    g.drawText(o + QPoint(28, 406 + 13), text[70]);
    for (QRect r : {QRect(26, 90, 121, 19), QRect(24, 176, 105, 19), QRect(24, 217, 105, 19),
                    QRect(3, 425, 140, 21)}) {
        g.fillRect(r.translated(o), Qt::white);
        g.setPen(Qt::gray);
        g.drawRect(r.translated(o));
    }
    g.setPen(Qt::black);
    g.drawText(o + QPoint(30, 104), text[73]);
    g.drawText(o + QPoint(28, 190), text[38]);
    g.drawText(o + QPoint(28, 231), text[23]);
}

// The message window with a question and both answer buttons.
void drawWindow(QPainter& g, const Loader& load, const QStringList& text, const QString& font)
{
    const QImage face = load("1.bmp", true);
    const QRect w = layout::kWindow;
    g.drawImage(w.topLeft(), load("fenetre.bmp", false));
    for (int dx : {50, 300}) {
        g.drawImage(w.topLeft() + QPoint(dx, 300), load("Tour.bmp", true));
        g.drawImage(w.topLeft() + QPoint(dx, 300), captioned(face, text[dx == 50 ? 2 : 3], font, QColor(150, 40, 40)));
    }
    QFont f(font);
    f.setPointSize(11);
    f.setBold(true);
    g.setFont(f);
    g.setPen(QColor(150, 40, 40));
    const QString message = text[35];
    g.drawText(w.left() + w.width() / 2 - 9 * int(message.size()) / 2, w.top() + 20 + 16, message);
}

QImage gameScreen(const Loader& load, const QString& theme, const QStringList& text, const QString& font,
                  bool whiteLabels, bool withWindow)
{
    auto board = [&](int n, bool keyed) { return load(theme + '/' + QString::number(n) + ".bmp", keyed); };
    QImage screen(layout::kScreenW, layout::kScreenH, QImage::Format_ARGB32_Premultiplied);
    screen.fill(Qt::black);
    QPainter g(&screen);
    drawAt(g, 1, 1, board(12, false), 255);
    const QImage backdrop = board(10, false), overlay = board(26, false);
    const char* puzzle = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
    const char* played = "..4.....2.7.....48.....2.........9.....2.........8.........7.....2.........3.....";
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const int cx = layout::kBoard.left() + 60 * x, cy = layout::kBoard.top() + 60 * y;
            drawAt(g, cx, cy, backdrop, 170);
            const char given = puzzle[y * 9 + x], mine = played[y * 9 + x];
            if (given != '.')
                drawAt(g, cx + 4, cy + 4, board(given - '0' + 13, true), 205);
            else if (mine != '.') {
                drawAt(g, cx + 4, cy + 4, board(mine - '0', true), 205);
                if (x == 1 && y == 1)
                    drawAt(g, cx + 4, cy + 4, overlay, 150);
            } else if ((x + y) % 4 == 0) {  // pencil marks
                const int offs[] = {2, 21, 39};
                for (int k : {0, 4, 8})
                    g.drawImage(QRect(cx + offs[k % 3], cy + offs[k / 3] - (k / 3 == 2), 20, 20), board(k + 1, true));
            }
        }
    drawAt(g, layout::kBoard.left() + 1, layout::kBoard.top(), load("Grid.bmp", true), 255);

    // The picker, open on cell (6, 5), with the mouse on digit 4.
    const int pl = layout::kBoard.left() + 6 * 60 + 30 - 90, pt = layout::kBoard.top() + 5 * 60 + 30 - 90;
    drawAt(g, pl - 5, pt - 5, board(25, true), 190);
    for (int i = 1; i <= 10; ++i) {
        const double a = i * 36 * M_PI / 180;
        const int px = int(std::lround(60 * std::sin(a) + 60 + pl)), py = int(std::lround(60 * std::cos(a) + 60 + pt));
        drawAt(g, px, py, board(i == 5 ? i + 12 : i - 1, true), 205);
    }

    const QImage face = load("1.bmp", true);
    const int faces[] = {5, 4, 6, 9, 10, 8, 11, 17, 18};
    for (int i = 0; i < 9; ++i) {
        const QColor c = i == 2 ? QColor(255, 0, 0) : i == 7 ? QColor(127, 127, 127) : QColor(150, 40, 40);
        g.drawImage(80, 140 + 40 * i, captioned(face, text[faces[i] + 1], font, c));
    }
    g.drawImage(layout::kHelpButton.topLeft(), load("aide.bmp", true));
    drawPanel(g, board(23, false), text, whiteLabels);
    if (withWindow)
        drawWindow(g, load, text, font);
    return screen;
}

QImage homeScreen(const Loader& load, const QStringList& text, const QString& font)
{
    QImage screen(layout::kScreenW, layout::kScreenH, QImage::Format_ARGB32_Premultiplied);
    screen.fill(Qt::black);
    QPainter g(&screen);
    g.drawImage(1, 1, load("accueil.bmp", false));
    const QImage face = load("1.bmp", true);
    const int faces[] = {4, 16, 10, 12, 14, 13};
    for (int i = 0; i < 6; ++i)
        g.drawImage(450, 280 + 40 * i, captioned(face, text[faces[i] + 1], font, QColor(150, 40, 40)));

    return screen;
}

QImage contactSheet(const Loader& load, const QString& theme)
{
    QImage sheet(9 * 70 + 10, 4 * 70 + 10 + 200, QImage::Format_ARGB32_Premultiplied);
    QPainter g(&sheet);
    for (int y = 0; y < sheet.height(); y += 8)
        for (int x = 0; x < sheet.width(); x += 8)
            g.fillRect(x, y, 8, 8, ((x + y) / 8) % 2 ? QColor(200, 200, 200) : QColor(240, 240, 240));
    const int keyed[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22};
    int slot = 0;
    for (int n : keyed) {
        g.drawImage(10 + (slot % 9) * 70, 10 + (slot / 9) * 70, load(theme + '/' + QString::number(n) + ".bmp", true));
        ++slot;
    }
    g.drawImage(10 + 2 * 70, 10 + 2 * 70, load(theme + "/10.bmp", false));
    g.drawImage(10 + 3 * 70, 10 + 2 * 70, load(theme + "/26.bmp", false));
    g.drawImage(10, 300, load(theme + "/25.bmp", true));
    return sheet;
}

void save(const QImage& img, const QString& path)
{
    if (!img.save(path, "PNG"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

}  // namespace

void writePreviews(const QString& dataDir, const QString& outDir)
{
    if (!QDir().mkpath(outDir))
        throw std::runtime_error("cannot create " + outDir.toStdString());
    const Loader load{dataDir + "/graphisme"};
    const QStringList text = languageLines(dataDir);
    QString font = "Sans";
    const int id = QFontDatabase::addApplicationFont(dataDir + "/graphisme/CHOWFUN_.TTF");
    if (id >= 0)
        font = QFontDatabase::applicationFontFamilies(id).value(0, font);
    save(homeScreen(load, text, font), outDir + "/home.png");
    for (int t = 0; t < 3; ++t) {
        const QString theme = text[texts::kFirstTheme + t];
        save(gameScreen(load, theme, text, font, t == 1, false), outDir + "/game-" + theme + ".png");
        if (t == 1)
            save(gameScreen(load, theme, text, font, true, true), outDir + "/window-" + theme + ".png");
        save(contactSheet(load, theme), outDir + "/sheet-" + theme + ".png");
    }
}
