#pragma once

// Drawing on the screen bitmap and the drawn image buttons.
//
// How the main window uses it:
//  - once at start-up: setScreenBitmap(&its 1024x768 screen QImage), which
//    it shows in the Ecran widget, and TextFontName := "CHOW FUN" or
//    "Courier new";
//  - in each frame (DrawScene/DrawMenus), inside one ScreenPainter scope,
//    which gathers the frame's draws and paints them together when it closes
//    (and not at all when they equal the last frame's): DrawScreenImage with items
//    of the image lists (BoardImages.item(12) ...), DrawScreenText, and for
//    every drawn button DrawImageButton(Buttons[i].Enabled, Buttons[i].Visible,
//    x, y, FMouse, face); a result of 1 runs the button's command, 2 (right
//    click) is consumed and does nothing;
//  - after the frame: the screen widget's cursor := toQtCursor(FMouse.Cursor).
// The five image lists are filled by loadThemeGraphics (ThemeGraphics.h).

#include "ImageList.h"
#include "TKaloBouton.h"
#include "TMouseState.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>

// Button faces 1 to 20 (item 0 an empty placeholder): normal, under the
// mouse, disabled. The normal faces are colour-keyed: their surround has
// alpha 0 and is not part of the button.
extern ImageList ButtonImages;
extern ImageList ButtonRolloverImages;
extern ImageList ButtonDisabledImages;
// The theme's board pictures 0 to 26.
extern ImageList BoardImages;
// 1 help, 2 help rollover, 3 home screen, 4 message window, 5 grid lines,
// 6 answer-button frame (item 0 an empty placeholder).
extern ImageList ScreenImages;

// Font family of every drawn text and of the captions on the button faces.
extern QString TextFontName;

// The main window's drawn buttons, indexes 0 to 17.
extern std::array<TKaloBouton, 18> Buttons;

// The screen bitmap every draw goes to; owned by the main window. Null (the
// default) makes every draw do nothing.
void setScreenBitmap(QImage* screen);
QImage* screenBitmap();

// A Windows colour value ($00BBGGRR) as an opaque colour.
QColor windowsColor(std::uint32_t colour);

// Pixel height of a font of that point size on the 96-dpi screen the
// pictures are drawn for.
int pointsToPixels(int points);

// Writes text in bold TextFontName at size - 2 points with its top-left at
// (x, y), without background. colour is a Windows colour value.
void DrawScreenText(std::int32_t x, std::int32_t y, std::int32_t size, std::uint32_t colour,
                    const QString& text);

// Sets the image's opacity to alpha (it stays set) and draws it with its
// top-left corner at (x, y) in its draw mode. A null or empty image draws
// nothing.
void DrawScreenImage(std::int32_t x, std::int32_t y, ThemeImage* image, std::uint8_t alpha);

// Draws the whole image scaled into dest with the opacity and mode it already
// has (used for the pencil marks). A null or empty image draws nothing.
void DrawScreenImageScaled(const QRect& dest, const ThemeImage* image);

// True when (mouseX, mouseY) lies on the drawn shape of the normal face
// `face` placed at (x, y): strictly inside the image, and on a pixel other
// than the colour-key value of its pixel (1, 1). False for a face that is
// missing or smaller than 2 by 2 pixels.
bool IsOverButton(std::int32_t x, std::int32_t y, std::int32_t mouseX, std::int32_t mouseY,
                  std::uint8_t face);

// Draws one button and reports a click: 0 nothing, 1 left, 2 right. An
// invisible button does nothing. A disabled one shows its disabled face and
// leaves the mouse alone. An enabled one shows its rollover face under the
// mouse, sets the hand cursor there and consumes any pending press (both
// flags cleared); a reported click draws the rollover face again 2 pixels to
// the right (pressed look).
std::uint8_t DrawImageButton(bool enabled, bool visible, std::int32_t x, std::int32_t y,
                             TMouseState& mouse, std::uint8_t face);
