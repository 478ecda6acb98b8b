// Getting the grid out of the game as a picture: one printed page through
// the print dialog, and the hidden "Save to Wmf" button's enhanced metafile
// written beside the program. Neither touches the game: a printer that
// cannot start or a file that cannot be written is reported in one message
// box, and an export that fails leaves no file behind.
#include "MainUnit.h"

#include "AtomicWrite.h"
#include "MessageBox.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

// libEMF's Windows declarations come last: they define macros that Qt's
// headers must not see.
#include <libEMF/emf.h>

namespace {

const QString kHeading = QStringLiteral("(Grille) Quintara - Tavesh Interactive");

// The printed page, in printer pixels: the grid's cell and margin as parts
// of the page height, so that the grid is a quarter of the page height on
// either orientation.
constexpr int kCellsPerPageHeight = 36;
constexpr int kMarginsPerPageHeight = 16;
constexpr int kHeadingTop = 2;
constexpr int kDigitPointSize = 16;
const QColor kBlack(0, 0, 0);
const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);
constexpr int kBoxLineWidth = 2;
constexpr int kCellLineWidth = 1;

// The metafile, in its logical units (pixels of the reference device).
constexpr int kPictureSide = 900;
constexpr int kPictureCell = 100;
constexpr int kPictureFontPoints = 30;
constexpr int kPictureCellPen = 1;
constexpr int kPictureBoxPen = 5;
constexpr int kBoxLines[] = {299, 599};
constexpr int kBorderNear = 2;
constexpr int kBorderFar = 897;
constexpr char kPictureFont[] = "Arial";
constexpr int kReferencePixelsWide = 1024;
constexpr int kReferencePixelsHigh = 768;
constexpr int kReferenceMillimetresWide = 320;
constexpr int kReferenceMillimetresHigh = 240;
constexpr int kReferencePixelsPerInch = 96;

// Top-left text placement as the page and the picture both use it: the
// text's measured box centred on (centreX, centreY).
QPoint centredTextOrigin(const QFontMetrics& metrics, const QString& text, int centreX, int centreY)
{
    return QPoint(centreX - metrics.horizontalAdvance(text) / 2, centreY - metrics.height() / 2);
}

// Draws text with its box's top-left corner at `topLeft`.
void drawTextAt(QPainter& canvas, QPoint topLeft, const QString& text)
{
    canvas.drawText(topLeft.x(), topLeft.y() + canvas.fontMetrics().ascent(), text);
}

// The page: heading, twenty grid lines, the digits of `current`, givens
// black and the player's own digits grey. Pencil marks are not printed.
void drawPage(QPainter& canvas, int pageWidth, int pageHeight, const std::uint8_t* current,
              const std::uint8_t* givens)
{
    canvas.setPen(kBlack);
    const int headingWidth = canvas.fontMetrics().horizontalAdvance(kHeading);
    drawTextAt(canvas, QPoint(pageWidth / 2 - headingWidth / 2, kHeadingTop), kHeading);

    const int cell = pageHeight / kCellsPerPageHeight;
    const int margin = pageHeight / kMarginsPerPageHeight;
    QFont font = canvas.font();
    font.setPointSize(kDigitPointSize);
    canvas.setFont(font);

    const int gridEnd = margin + 9 * cell;
    for (int i = 0; i <= 9; ++i) {
        const bool boxLine = i % 3 == 0;
        canvas.setPen(QPen(boxLine ? kBlack : kSilver, boxLine ? kBoxLineWidth : kCellLineWidth, Qt::SolidLine,
                           Qt::FlatCap));
        const int p = margin + i * cell;
        canvas.drawLine(margin, p, gridEnd, p);
        canvas.drawLine(p, margin, p, gridEnd);
    }

    const QFontMetrics metrics = canvas.fontMetrics();
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const std::uint8_t digit = current[x * 9 + y];
            if (digit == kEmptyCell)
                continue;
            const QString text = QString::number(digit + 1);
            canvas.setPen(givens[x * 9 + y] != kEmptyCell ? kBlack : kGrey);
            drawTextAt(canvas,
                       centredTextOrigin(metrics, text, margin + x * cell + cell / 2, margin + y * cell + cell / 2),
                       text);
        }
    }
}

// A printer that failed to start or to finish the document, with the cause:
// for a file, what opening it says.
QString printFailure(const QPrinter& printer, const QString& whatFailed)
{
    const QString file = printer.outputFileName();
    QString cause = whatFailed;
    if (!file.isEmpty()) {
        const bool existed = QFileInfo::exists(file);
        QFile probe(file);
        if (!probe.open(QIODevice::Append))
            cause = probe.errorString();
        else if (!existed)
            probe.remove();
    }
    const QString name = file.isEmpty() ? printer.printerName() : QDir::toNativeSeparators(file);
    return QStringLiteral("Impossible d'imprimer sur ") + name + QStringLiteral(" : ") + cause;
}

// Qt's PDF writer does not report a write that failed (a full disk): a file
// cut short is told by its missing end-of-file marker. A device or a pipe
// chosen as the file cannot be checked and passes.
bool pdfCutShort(const QPrinter& printer)
{
    const QString file = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || file.isEmpty() || !QFileInfo(file).isFile())
        return false;
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly))
        return true;
    pdf.seek(std::max<qint64>(0, pdf.size() - 32));
    return !pdf.readAll().contains("%%EOF");
}

// The picture of `current` as the bytes of an enhanced metafile: 900 by 900
// units, each cell's square and its digit (a blank for an empty cell) in
// 30-point Arial, then the box lines and the border with a 5-unit pen.
// Empty on failure.
QByteArray gridMetafile(const std::uint8_t* current)
{
    char* buffer = nullptr;
    std::size_t length = 0;
    std::FILE* stream = open_memstream(&buffer, &length);
    if (!stream)
        return {};

    // The logical unit is a pixel of libEMF's reference device, a 96 dpi
    // screen of 1024 by 768 pixels on 320 by 240 mm; the frame is the
    // picture's 900 pixels in hundredths of a millimetre.
    RECT frame{0, 0, kPictureSide * kReferenceMillimetresWide * 100 / kReferencePixelsWide,
               kPictureSide * kReferenceMillimetresHigh * 100 / kReferencePixelsHigh};

    const HDC dc = CreateEnhMetaFileWithFILEA(0, stream, &frame, nullptr);
    if (!dc) {
        std::fclose(stream);
        std::free(buffer);
        return {};
    }

    // A point size as a character height in device pixels, as the font
    // mapper takes it (negative: without the internal leading).
    const int fontPixels = (kPictureFontPoints * kReferencePixelsPerInch + 36) / 72;
    const HFONT font = CreateFontA(-fontPixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_DONTCARE, kPictureFont);
    SelectObject(dc, font);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    const HPEN cellPen = CreatePen(PS_SOLID, kPictureCellPen, RGB(0, 0, 0));
    SelectObject(dc, cellPen);

    // libEMF keeps no font metrics, so the text is measured with the same
    // family and height through Qt's font matching.
    QFont measured(QString::fromLatin1(kPictureFont));
    measured.setPixelSize(fontPixels);
    const QFontMetrics metrics(measured);

    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            const std::uint8_t stored = current[x * 9 + y];
            const QString text = stored == kEmptyCell ? QStringLiteral(" ") : QString::number(stored + 1);
            const int left = x * kPictureCell;
            const int top = y * kPictureCell;
            Rectangle(dc, left, top, left + kPictureCell, top + kPictureCell);
            const QPoint at = centredTextOrigin(metrics, text, left + kPictureCell / 2, top + kPictureCell / 2);
            const QByteArray bytes = text.toLatin1();
            TextOutA(dc, at.x(), at.y(), bytes.constData(), static_cast<INT>(bytes.size()));
        }
    }

    const HPEN boxPen = CreatePen(PS_SOLID, kPictureBoxPen, RGB(0, 0, 0));
    SelectObject(dc, boxPen);
    for (int p : kBoxLines) {
        MoveToEx(dc, p, 0, nullptr);
        LineTo(dc, p, kPictureSide);
    }
    for (int p : kBoxLines) {
        MoveToEx(dc, 0, p, nullptr);
        LineTo(dc, kPictureSide, p);
    }
    const POINT border[] = {{kBorderNear, kBorderNear},
                            {kBorderFar, kBorderNear},
                            {kBorderFar, kBorderFar},
                            {kBorderNear, kBorderFar},
                            {kBorderNear, kBorderNear}};
    Polyline(dc, border, 5);

    const HENHMETAFILE picture = CloseEnhMetaFileWithFILE(dc);
    DeleteEnhMetaFile(picture);
    DeleteObject(boxPen);
    DeleteObject(cellPen);
    DeleteObject(font);

    const bool written = std::fflush(stream) == 0 && !std::ferror(stream);
    std::fclose(stream);
    QByteArray bytes;
    if (written && picture)
        bytes = QByteArray(buffer, static_cast<qsizetype>(length));
    std::free(buffer);
    return bytes;
}

} // namespace

void TfrmMain::mnuPrintClick()
{
    if (!Printer)
        Printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    QPrinter& printer = *Printer;

    bool accepted = false;
    if (RunPrintDialog) {
        accepted = RunPrintDialog(printer);
    } else {
        QPrintDialog PrintDialog1(&printer, this);
        accepted = PrintDialog1.exec() == QDialog::Accepted;
    }
    if (!accepted)
        return;

    printer.setDocName(kHeading);
    QPainter canvas;
    if (!canvas.begin(&printer)) {
        ShowMessage(printFailure(printer, QStringLiteral("l'imprimante n'a pas pu commencer le document")));
        return;
    }
    drawPage(canvas, printer.width(), printer.height(), FCurrent, FGivens);
    if (!canvas.end() || printer.printerState() == QPrinter::Error) {
        ShowMessage(printFailure(printer, QStringLiteral("l'imprimante n'a pas pu terminer le document")));
    } else if (pdfCutShort(printer)) {
        // The cut file is of no use; what it replaced was lost when printing began.
        QFile::remove(printer.outputFileName());
        ShowMessage(QStringLiteral("Impossible d'imprimer sur ") + QDir::toNativeSeparators(printer.outputFileName())
                    + QStringLiteral(" : le fichier n'a pas pu être écrit en entier (disque plein ?)"));
    }
}

QString TfrmMain::nextPictureFile() const
{
    for (int n = 1;; ++n) {
        const QString name = FAppFolder + QStringLiteral("sudoku") + QString::number(n) + QStringLiteral(".wmf");
        if (!QFileInfo::exists(name))
            return name;
    }
}

void TfrmMain::Button1Click(QObject* /*sender*/)
{
    const QByteArray picture = gridMetafile(FCurrent);
    const QString name = nextPictureFile();
    if (picture.isEmpty()) {
        ShowMessage(QStringLiteral("Impossible d'enregistrer le fichier ") + QDir::toNativeSeparators(name)
                    + QStringLiteral(" : l'image n'a pas pu être dessinée"));
        return;
    }
    QString error;
    if (!writeFileAtomically(name, picture, &error))
        ShowMessage(error);
}
