#include "DrawingTestSupport.h"

#include "MessageCapture.h"
#include "ThemeGraphics.h"
#include "UnitePerso.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QColor kKey(255, 0, 255);
const QColor kFaceColour(230, 210, 160);

QString themeText(int n)
{
    switch (n) {
    case 38: return QStringLiteral("Bois");
    case 39: return QStringLiteral("Nuit");
    case 40: return QStringLiteral("Papier");
    default:
        // Ten characters, as the caption centring is checked on them.
        return QStringLiteral("Bouton %1").arg(n, 3, 10, QLatin1Char('0'));
    }
}

QColor boardColour(const QString& theme, int n)
{
    return QColor(n * 9, theme == QLatin1String("Nuit") ? 30 : 150, 60);
}

// A blank button face: a rounded panel on a magenta surround.
QImage blankFace()
{
    QImage image(150, 38, QImage::Format_RGB32);
    image.fill(kKey);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kFaceColour);
    painter.drawRoundedRect(QRect(3, 3, 144, 32), 8, 8);
    return image;
}

QImage solid(int w, int h, const QColor& colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A data folder with the shared pictures and the themes Bois and Nuit.
class ThemeFolder {
public:
    ThemeFolder()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("graphisme"));
        save(QStringLiteral("1.bmp"), blankFace());
        save(QStringLiteral("aide.bmp"), discPicture(64, kKey, QColor(0, 120, 0)));
        save(QStringLiteral("aideRoll.bmp"), discPicture(64, kKey, QColor(0, 200, 0)));
        save(QStringLiteral("accueil.bmp"), solid(64, 48, QColor(10, 20, 30)));
        save(QStringLiteral("fenetre.bmp"), solid(100, 80, QColor(200, 200, 180)));
        save(QStringLiteral("Grid.bmp"), discPicture(54, kKey, Qt::black));
        save(QStringLiteral("Tour.bmp"), discPicture(38, kKey, QColor(90, 60, 30)));
        for (const QString& theme : {QStringLiteral("Bois"), QStringLiteral("Nuit")}) {
            QDir(m_dir.path()).mkpath(QStringLiteral("graphisme/") + theme);
            for (int n = 0; n <= 26; ++n)
                save(theme + '/' + QString::number(n) + QStringLiteral(".bmp"),
                     discPicture(60, kKey, boardColour(theme, n)));
        }
    }

    QString appFolder() const { return m_dir.path(); }
    QString path(const QString& relative) const { return m_dir.path() + QStringLiteral("/graphisme/") + relative; }
    void save(const QString& relative, const QImage& image) { ASSERT_TRUE(image.save(path(relative), "BMP")); }
    void remove(const QString& relative) { ASSERT_TRUE(QFile::remove(path(relative))); }
    void corrupt(const QString& relative)
    {
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("BM this is no bitmap");
    }

private:
    QTemporaryDir m_dir;
};

QString missing(const QString& path)
{
    return QStringLiteral("Fichier ") + path + QStringLiteral(" absent. Non Chargé..");
}

class ThemeLoadingTest : public ScreenTest {
protected:
    ThemeLoadResult load(const QString& theme) { return loadThemeGraphics(m_folder.appFolder(), theme, themeText); }

    static QImage keyedBlank()
    {
        QImage image = blankFace().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        applyColorKey(image);
        return image;
    }

    // The bounding box of the pixels where two images of one size differ.
    static QRect differences(const QImage& a, const QImage& b)
    {
        QRect box;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y))
                    box |= QRect(x, y, 1, 1);
        return box;
    }

    static bool holdsColour(const QImage& image, const QColor& colour)
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (pixelColor(image, x, y) == colour)
                    return true;
        return false;
    }

    ThemeFolder m_folder;
    MessageCapture m_messages;
};

} // namespace

TEST_F(ThemeLoadingTest, FillsEveryListAndPreparesEachPicture)
{
    const ThemeLoadResult result = load(QStringLiteral("Bois"));
    EXPECT_TRUE(m_messages.messages().isEmpty()) << m_messages.messages().join('\n').toStdString();
    EXPECT_TRUE(result.failedFiles.isEmpty());
    ASSERT_EQ(BoardImages.count(), 27);
    ASSERT_EQ(ButtonImages.count(), 21);
    ASSERT_EQ(ButtonRolloverImages.count(), 21);
    ASSERT_EQ(ButtonDisabledImages.count(), 21);
    ASSERT_EQ(ScreenImages.count(), 7);
    EXPECT_TRUE(ButtonImages.item(0)->isEmpty());
    EXPECT_TRUE(ScreenImages.item(0)->isEmpty());

    using Mode = ThemeImage::DrawMode;
    for (int n = 0; n <= 26; ++n) {
        const ThemeImage& item = *BoardImages.item(n);
        ASSERT_FALSE(item.isEmpty()) << n;
        EXPECT_EQ(item.image().format(), QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(pixelColor(item.image(), 30, 30), boardColour("Bois", n)) << n;
        const bool keyed = (n <= 9) || (n >= 13 && n <= 22) || n == 25;
        const bool plain = n == 11 || n == 12 || n == 23 || n == 24;
        EXPECT_EQ(qAlpha(item.image().pixel(1, 1)), keyed ? 0 : 255) << n;
        EXPECT_EQ(item.drawMode(), plain ? Mode::Opaque : Mode::Blend) << n;
        EXPECT_EQ(item.masterAlpha(), keyed ? 155 : plain ? 255 : 220) << n;
    }
    for (int l = 1; l <= 6; ++l) {
        const ThemeImage& item = *ScreenImages.item(l);
        const bool keyed = l == 1 || l == 5 || l == 6;
        EXPECT_EQ(qAlpha(item.image().pixel(1, 1)), keyed ? 0 : 255) << l;
        EXPECT_EQ(item.drawMode(), keyed ? Mode::Blend : Mode::Opaque) << l;
        EXPECT_EQ(item.masterAlpha(), 255) << l;
    }
    EXPECT_EQ(ScreenImages.item(4)->width(), 100);
    EXPECT_EQ(result.panelBackground.size(), QSize(60, 60));
}

TEST_F(ThemeLoadingTest, EveryKeyColouredPixelOfAFaceIsTransparent)
{
    load(QStringLiteral("Bois"));
    const QImage source = blankFace();
    for (ImageList* list : {&ButtonImages, &ButtonRolloverImages, &ButtonDisabledImages}) {
        const ThemeImage& face = *list->item(4);
        EXPECT_EQ(face.drawMode(), ThemeImage::DrawMode::Blend);
        EXPECT_EQ(face.masterAlpha(), 255);
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x)
                ASSERT_EQ(qAlpha(face.image().pixel(x, y)), source.pixelColor(x, y) == kKey ? 0 : 255)
                    << x << "," << y;
    }
}

TEST_F(ThemeLoadingTest, FacesCarryTheirCaptionsInThreeColours)
{
    load(QStringLiteral("Bois"));
    const QImage blank = keyedBlank();
    // Faces 1 to 18, and 20 (Multiplayer) after the help button's 19.
    for (int face = 1; face <= 20; ++face) {
        if (face == 19)
            continue;
        EXPECT_TRUE(holdsColour(ButtonImages.item(face)->image(), QColor(150, 40, 40))) << face;
        EXPECT_TRUE(holdsColour(ButtonDisabledImages.item(face)->image(), QColor(127, 127, 127))) << face;
        if (face != 15) {
            EXPECT_TRUE(holdsColour(ButtonRolloverImages.item(face)->image(), QColor(255, 0, 0))) << face;
        }
    }
    // Different lines give different faces.
    EXPECT_NE(ButtonImages.item(1)->image(), ButtonImages.item(2)->image());
    // The rollover face 15 is the blank picture.
    EXPECT_EQ(ButtonRolloverImages.item(15)->image(), blank);

    // Face 19 is the help button: its own pictures, no caption.
    QImage help(m_folder.path("aide.bmp"));
    help = help.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    applyColorKey(help);
    QImage helpRoll(m_folder.path("aideRoll.bmp"));
    helpRoll = helpRoll.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    applyColorKey(helpRoll);
    EXPECT_EQ(ButtonImages.item(19)->image(), help);
    EXPECT_EQ(ButtonRolloverImages.item(19)->image(), helpRoll);
    EXPECT_EQ(ButtonDisabledImages.item(19)->image(), helpRoll);
}

TEST_F(ThemeLoadingTest, CaptionIsCentredByFourPixelsPerCharacter)
{
    load(QStringLiteral("Bois"));
    // "Bouton 002" has 10 characters; the face is 150 wide: x = 75 - 40 - 2.
    const QRect box = differences(ButtonImages.item(1)->image(), keyedBlank());
    ASSERT_FALSE(box.isEmpty());
    EXPECT_GE(box.left(), 33);
    EXPECT_LE(box.left(), 36);
    EXPECT_GE(box.top(), 14);
    EXPECT_LE(box.top(), 24);
}

TEST_F(ThemeLoadingTest, EmptyNameLoadsTheDefaultTheme)
{
    const ThemeLoadResult result = load(QString());
    EXPECT_EQ(result.theme, QStringLiteral("Bois"));
    EXPECT_EQ(pixelColor(BoardImages.item(5)->image(), 30, 30), boardColour("Bois", 5));
}

TEST_F(ThemeLoadingTest, MissingBoardPictureIsReportedAndTheRestLoads)
{
    m_folder.remove(QStringLiteral("Bois/10.bmp"));
    const ThemeLoadResult result = load(QStringLiteral("Bois"));
    const QString path = m_folder.path(QStringLiteral("Bois/10.bmp"));
    EXPECT_EQ(m_messages.messages(), QStringList{missing(path)});
    EXPECT_EQ(result.failedFiles, QStringList{path});
    ASSERT_EQ(BoardImages.count(), 27);
    EXPECT_TRUE(BoardImages.item(10)->isEmpty());
    EXPECT_FALSE(BoardImages.item(11)->isEmpty());
    EXPECT_FALSE(ButtonImages.item(1)->isEmpty());

    // A frame over the whole board draws around the hole.
    for (int n = 0; n <= 26; ++n)
        DrawScreenImage((n % 14) * 70, (n / 14) * 70, BoardImages.item(n), 200);
    EXPECT_EQ(at(10 * 70 + 30, 30), QColor(Qt::black));
    EXPECT_NE(at(11 * 70 + 30, 30), QColor(Qt::black));
}

TEST_F(ThemeLoadingTest, MissingButtonFaceIsReportedOnceAndItsButtonsStaySafe)
{
    m_folder.remove(QStringLiteral("1.bmp"));
    load(QStringLiteral("Bois"));
    EXPECT_EQ(m_messages.messages(), QStringList{missing(m_folder.path(QStringLiteral("1.bmp")))});
    for (ImageList* list : {&ButtonImages, &ButtonRolloverImages, &ButtonDisabledImages}) {
        ASSERT_EQ(list->count(), 21);
        EXPECT_TRUE(list->item(1)->isEmpty());
        EXPECT_FALSE(list->item(19)->isEmpty());
    }
    EXPECT_EQ(ScreenImages.count(), 7);

    TMouseState mouse;
    mouse.X = 120;
    mouse.Y = 120;
    mouse.LeftDown = true;
    EXPECT_EQ(DrawImageButton(true, true, 100, 100, mouse, 1), 0);
    EXPECT_EQ(DrawImageButton(false, true, 100, 100, mouse, 2), 0);
    EXPECT_TRUE(mouse.LeftDown);
    EXPECT_EQ(DrawImageButton(true, true, 100, 100, mouse, 19), 1); // the help button still works
}

TEST_F(ThemeLoadingTest, UnreadablePictureIsReportedAsSuch)
{
    m_folder.corrupt(QStringLiteral("Grid.bmp"));
    const ThemeLoadResult result = load(QStringLiteral("Bois"));
    const QString path = m_folder.path(QStringLiteral("Grid.bmp"));
    EXPECT_EQ(m_messages.messages(),
              QStringList{QStringLiteral("Fichier ") + path + QStringLiteral(" illisible. Non Chargé..")});
    EXPECT_EQ(result.failedFiles, QStringList{path});
    EXPECT_TRUE(ScreenImages.item(5)->isEmpty());
    EXPECT_FALSE(ScreenImages.item(6)->isEmpty());
}

TEST_F(ThemeLoadingTest, UnknownThemeReportsEachBoardPictureOnce)
{
    const ThemeLoadResult result = load(QStringLiteral("Disparu"));
    EXPECT_EQ(m_messages.count(), 27);
    EXPECT_EQ(m_messages.messages().first(), missing(m_folder.path(QStringLiteral("Disparu/0.bmp"))));
    EXPECT_TRUE(result.panelBackground.isNull());
    EXPECT_EQ(BoardImages.count(), 27);
    for (int n = 0; n <= 26; ++n)
        EXPECT_TRUE(BoardImages.item(n)->isEmpty());
    EXPECT_FALSE(ButtonImages.item(1)->isEmpty());
    EXPECT_FALSE(ScreenImages.item(3)->isEmpty());
}

TEST_F(ThemeLoadingTest, FramesRunDuringTheMessagesSeeWholeLists)
{
    load(QStringLiteral("Bois"));
    m_folder.remove(QStringLiteral("Nuit/3.bmp"));

    // A message box runs the event loop, so frames draw while it is open.
    int frames = 0;
    MessageBoxHandler previous = setMessageBoxHandler([&](const QString&, MessageKind) {
        ++frames;
        EXPECT_EQ(BoardImages.count(), 27);
        EXPECT_EQ(ButtonImages.count(), 21);
        EXPECT_EQ(ScreenImages.count(), 7);
        EXPECT_EQ(pixelColor(BoardImages.item(4)->image(), 30, 30), boardColour("Nuit", 4));
        for (int n = 0; n <= 26; ++n)
            DrawScreenImage(0, 0, BoardImages.item(n), 255);
    });
    load(QStringLiteral("Nuit"));
    setMessageBoxHandler(std::move(previous));
    EXPECT_EQ(frames, 1);
}

TEST(ThemePictures, LoadBitmapOrWarnReportsAMissingFile)
{
    ensureWidgetsApp();
    MessageCapture messages;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("absent.bmp"));
    EXPECT_TRUE(LoadBitmapOrWarn(path).isNull());
    EXPECT_EQ(messages.messages(), QStringList{missing(path)});

    const QString present = dir.filePath(QStringLiteral("present.bmp"));
    ASSERT_TRUE(solid(4, 3, Qt::red).save(present, "BMP"));
    const QImage image = LoadBitmapOrWarn(present);
    EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(image.pixel(2, 2), qRgba(255, 0, 0, 255));
    EXPECT_EQ(messages.count(), 1);
}

TEST(ThemePictures, ColourKeyComparesRedGreenBlueOnly)
{
    QImage image(3, 3, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    image.setPixelColor(0, 0, Qt::white);
    MakeColorTransparent(image, qRgba(255, 0, 255, 0));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 255);
    EXPECT_EQ(image.pixel(2, 2), 0u);

    QImage tiny(1, 1, QImage::Format_ARGB32_Premultiplied);
    tiny.fill(Qt::magenta);
    applyColorKey(tiny);
    EXPECT_EQ(qAlpha(tiny.pixel(0, 0)), 255);
    QImage null;
    applyColorKey(null);
    EXPECT_TRUE(null.isNull());
}
