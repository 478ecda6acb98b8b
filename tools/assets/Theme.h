#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// The three board themes. Each theme folder holds 27 pictures, read by the
// game as <n>.bmp (sizes in pixels):
//   0        picker eraser                    52 x 52, keyed
//   1..9     digits 1..9, player's style      52 x 52, keyed (also picker items
//                                              and, scaled to 20 x 20, pencil marks)
//   10       cell backdrop                    60 x 60
//   11, 24   spare tiles (not drawn)          60 x 60
//   12       screen background                1024 x 768
//   13       picker eraser under the mouse    52 x 52, keyed
//   14..22   digits 1..9, given style         52 x 52, keyed (also picker items
//                                              under the mouse)
//   23       options panel background         153 x 597
//   25       picker disc                      182 x 182, keyed
//   26       wrong-digit overlay              52 x 52
// Digits land at a cell's corner + 4 on 60-pixel cells, hence 52; the disc is
// centred on the ring of picker items.

enum class ThemeKind { Wood, Night, Pastel };

// Font families registered by main() from Debian font packages.
struct Fonts {
    QString comic;   // hand-written style: player digits, titles
    QString serif;   // Wood's given digits
    QString sans;    // Night's given digits
    QString gothic;  // Pastel's given digits
};

// Colours and lettering of the small board pictures of one theme.
struct Palette {
    QColor matte;  // a cell as seen on screen: what digits are drawn over
    QString givenFamily;
    QColor givenTop, givenBottom, givenEdge;
    double givenEdgeWidth;
    QString playerFamily;
    QColor playerFill, playerEdge;
    double playerEdgeWidth;
    QColor discFill, discInner, discRim;
    QColor eraserBody, eraserSleeve, hoverGlow;
};

Palette paletteFor(ThemeKind kind, const Fonts& fonts);

// Board pictures that every theme draws the same way from its palette.
QImage paintDigit(const Palette& p, int digit, bool given);
QImage paintEraser(const Palette& p, bool hover);
QImage paintPickerDisc(const Palette& p);
QImage paintErrorOverlay();

// Scenery that differs in drawing, not only in colour.
QImage paintBackground(ThemeKind kind, const Fonts& fonts);
QImage paintCellBackdrop(ThemeKind kind, bool spare);
QImage paintPanel(ThemeKind kind);

// Writes the 27 pictures of a theme into `folder` (created if needed).
void writeTheme(ThemeKind kind, const Fonts& fonts, const QString& folder);
