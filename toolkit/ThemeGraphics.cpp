#include "ThemeGraphics.h"

#include "ButtonFaces.h"
#include "ImageList.h"
#include "LanguageLines.h"
#include "MessageBox.h"
#include "UnitePerso.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImageReader>
#include <QPainter>

#include <utility>

namespace {

constexpr int kBoardPictureCount = 27;

QString unreadableMessage(const QString& path)
{
    return QStringLiteral("Fichier ") + path + QStringLiteral(" illisible. Non Chargé..");
}

// Reads a picture as premultiplied ARGB32. On failure gives a null image and
// the message that explains it.
QImage readPicture(const QString& path, QString* error)
{
    if (!QFileInfo(path).isFile()) {
        *error = missingFileMessage(path);
        return QImage();
    }
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull()) {
        *error = unreadableMessage(path);
        return QImage();
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void makeKeyedBlend(ThemeImage& item, std::uint8_t opacity, bool keyed)
{
    if (keyed)
        applyColorKey(item.pixels());
    item.setMasterAlpha(opacity);
    item.setDrawMode(ThemeImage::DrawMode::Blend);
}

// One theme load: reads each file once, remembers the failures in the order
// met and reports each of them once.
class ThemeReader {
public:
    explicit ThemeReader(const QString& appFolder)
        : m_root(QDir::cleanPath(appFolder + QStringLiteral("/graphisme")))
    {
    }

    QString path(const QString& relative) const { return m_root + QLatin1Char('/') + relative; }

    QImage picture(const QString& relative)
    {
        const QString full = path(relative);
        if (auto it = m_cache.constFind(full); it != m_cache.constEnd())
            return *it;
        QString error;
        QImage image = readPicture(full, &error);
        if (image.isNull()) {
            m_failedFiles << full;
            m_messages << error;
        }
        m_cache.insert(full, image);
        return image;
    }

    const QStringList& failedFiles() const { return m_failedFiles; }
    const QStringList& messages() const { return m_messages; }

private:
    QString m_root;
    QHash<QString, QImage> m_cache;
    QStringList m_failedFiles;
    QStringList m_messages;
};

// Board picture n: its opacity, and whether it is colour-keyed and blended.
void treatBoardPicture(int n, ThemeImage& item)
{
    if ((n >= 0 && n <= 9) || (n >= 13 && n <= 22) || n == 25)
        makeKeyedBlend(item, 155, true);
    else if (n == 10 || n == 26)
        makeKeyedBlend(item, 220, false);
    // 11, 12, 23, 24: opaque, full opacity, as added.
}

ImageList loadBoard(ThemeReader& reader, const QString& theme)
{
    ImageList list;
    for (int n = 0; n < kBoardPictureCount; ++n) {
        ThemeImage& item = list.add(reader.picture(theme + QLatin1Char('/') + QString::number(n) + QStringLiteral(".bmp")));
        treatBoardPicture(n, item);
    }
    return list;
}

struct FaceSet {
    QString helpFile;
    QColor captionColor;
    int uncaptionedFace; // a face 1..18 drawn without caption, or 0
};

ImageList loadFaces(ThemeReader& reader, const FaceSet& set, const TextLookup& FText)
{
    ImageList list;
    list.add();
    for (int face = 1; face <= Face::Count; ++face) {
        QImage picture = reader.picture(face == Face::Help ? set.helpFile : QStringLiteral("1.bmp"));
        if (face != Face::Help && face != set.uncaptionedFace && !picture.isNull())
            DrawCaptionOnBitmap32(picture,
                                  FText(face == Face::Multiplayer ? Line::MultiplayerCaption : Line::faceCaption(face)),
                                  set.captionColor);
        makeKeyedBlend(list.add(picture), 255, true);
    }
    return list;
}

ImageList loadScreens(ThemeReader& reader)
{
    static const char* const kFiles[] = {"aide.bmp", "aideRoll.bmp", "accueil.bmp",
                                         "fenetre.bmp", "Grid.bmp", "Tour.bmp"};
    ImageList list;
    list.add();
    for (int l = 1; l <= 6; ++l) {
        ThemeImage& item = list.add(reader.picture(QString::fromLatin1(kFiles[l - 1])));
        if (l == 1 || l == 5 || l == 6)
            makeKeyedBlend(item, 255, true);
    }
    return list;
}

} // namespace

void MakeColorTransparent(QImage& image, QRgb key)
{
    if (image.isNull())
        return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    const QRgb k = key & 0x00FFFFFFu;
    for (int y = 0; y < image.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            // A transparent pixel has no colour of its own in this format;
            // it becomes (stays) 0 like every keyed pixel.
            if ((qUnpremultiply(row[x]) & 0x00FFFFFFu) == k)
                row[x] = 0;
        }
    }
}

void applyColorKey(QImage& image)
{
    if (image.width() < 2 || image.height() < 2)
        return;
    MakeColorTransparent(image, image.pixel(1, 1));
}

QImage LoadBitmapOrWarn(const QString& path)
{
    QString error;
    QImage image = readPicture(path, &error);
    if (image.isNull())
        ShowMessage(error);
    return image;
}

void DrawCaptionOnBitmap32(QImage& face, const QString& caption, const QColor& colour)
{
    if (face.isNull() || caption.isEmpty())
        return;
    QFont font(TextFontName);
    font.setBold(true);
    font.setPixelSize(pointsToPixels(12));
    const int x = face.width() / 2 - (8 * int(caption.size())) / 2 - 2;
    const int y = 14;
    QPainter painter(&face);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPoint(x, y + QFontMetrics(font).ascent()), caption);
}

ThemeLoadResult loadThemeGraphics(const QString& appFolder, const QString& theme,
                                  const TextLookup& FText)
{
    ThemeLoadResult result;
    result.theme = theme.isEmpty() ? FText(Line::FirstTheme) : theme;


    ThemeReader reader(appFolder);
    ImageList board = loadBoard(reader, result.theme);
    result.panelBackground = reader.picture(result.theme + QStringLiteral("/23.bmp"));
    ImageList normal = loadFaces(reader, {QStringLiteral("aide.bmp"), kNormalCaptionColor, 0}, FText);
    ImageList rollover =
        loadFaces(reader, {QStringLiteral("aideRoll.bmp"), kRolloverCaptionColor, Face::UncaptionedRollover}, FText);
    ImageList disabled = loadFaces(reader, {QStringLiteral("aideRoll.bmp"), kDisabledCaptionColor, 0}, FText);
    ImageList screens = loadScreens(reader);

    // All five lists change at once, before any message box lets a frame run.
    BoardImages = std::move(board);
    ButtonImages = std::move(normal);
    ButtonRolloverImages = std::move(rollover);
    ButtonDisabledImages = std::move(disabled);
    ScreenImages = std::move(screens);

    result.failedFiles = reader.failedFiles();
    for (const QString& message : reader.messages())
        ShowMessage(message);
    return result;
}
