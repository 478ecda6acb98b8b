#pragma once

#include <QRect>

// Where the game puts things on its 1024 x 768 screen. The pictures are
// painted to fit these places.
namespace layout {

constexpr int kScreenW = 1024;
constexpr int kScreenH = 768;

// Full-screen pictures (theme background, home screen) are drawn at (1, 1).
constexpr int kFullScreenOrigin = 1;

constexpr int kCell = 60;
constexpr QRect kBoard(298, 140, 9 * kCell, 9 * kCell);

// Button faces: in-game column at x 80 from y 140, home column at x 450 from
// y 280, both stepping 40 pixels; at most nine and seven buttons.
constexpr int kFaceW = 150;
constexpr int kFaceH = 38;
constexpr int kStep = 40;
constexpr QRect kGameColumn(80, 140, kFaceW, 8 * kStep + kFaceH);
constexpr QRect kHomeColumn(450, 280, kFaceW, 6 * kStep + kFaceH);

constexpr QRect kHelpButton(940, 1, 64, 64);

// Message window: centred at x 512, top 200; answer buttons at +(50, 300)
// and +(300, 300); list box at +(8, 56), 484 x 193.
constexpr int kWindowW = 500;
constexpr int kWindowH = 360;
constexpr QRect kWindow(512 - kWindowW / 2, 200, kWindowW, kWindowH);

// Options panel (its own child controls sit on top of its background).
constexpr QRect kPanel(871, 151, 153, 597);

constexpr int kSplashW = 415;
constexpr int kSplashH = 277;
constexpr int kArrowW = 21;
constexpr int kArrowH = 17;

// A rectangle of the screen in the coordinates of a full-screen picture.
constexpr QRect onFullScreenPicture(const QRect& r)
{
    return r.translated(-kFullScreenOrigin, -kFullScreenOrigin);
}

}  // namespace layout
