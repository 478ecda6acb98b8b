#pragma once

// Loading a theme's pictures into the five image lists of UnitePerso.
//
// How the main window uses it: its ChargeGraphismes(theme) places the window
// and the board origin, calls
//     ThemeLoadResult r = loadThemeGraphics(FAppFolder, theme, [this](int n) { return FText(n); });
// sets the print button and the options panel's labels for r.theme, puts
// r.panelBackground in ImageFonddePanel, writes FText(Line::ImportMp3Caption) on
// ImageBtImportMP3, then sets FGraphicsLoaded, enables DXTimer and shows
// StatusBar1.

#include "ThemeImage.h"
#include "ThemeLoadResult.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>

using TextLookup = std::function<QString(int)>;

// Loads the theme `theme` (FText(Line::FirstTheme) when empty) from appFolder/graphisme:
// board pictures from the theme's folder, button faces with their captions
// drawn in three colours, and the screen pictures, each prepared for drawing
// (colour key, opacity, draw mode). The five lists are built aside and put
// in the globals together at the end, so a frame drawn meanwhile (while a
// message box is open) sees the previous complete set. Every missing or
// unreadable file is reported once, after the lists are in place; its items
// stay empty and the rest of the theme loads.
ThemeLoadResult loadThemeGraphics(const QString& appFolder, const QString& theme,
                                  const TextLookup& FText);

// Alpha 0 for every pixel whose red, green and blue equal those of key.
void MakeColorTransparent(QImage& image, QRgb key);

// Colour key from the image's own pixel (1, 1); an image smaller than 2 by 2
// is left alone.
void applyColorKey(QImage& image);

// Reads the picture at path as Format_ARGB32_Premultiplied (a picture
// without alpha is opaque). A missing or unreadable file shows
// "Fichier <path> absent. Non Chargé.." (or "illisible") and gives a null image.
QImage LoadBitmapOrWarn(const QString& path);

// Draws caption on a button face: bold 12-point TextFontName, anti-aliased,
// at x = width/2 - 8*length/2 - 2, y = 14 (top of the text).
void DrawCaptionOnBitmap32(QImage& face, const QString& caption, const QColor& colour);

// Caption colours of the normal, rollover and disabled faces.
inline const QColor kNormalCaptionColor{150, 40, 40};
inline const QColor kRolloverCaptionColor{255, 0, 0};
inline const QColor kDisabledCaptionColor{127, 127, 127};
