#pragma once

#include <Qt>

#include <cstdint>

// Cursor identifiers kept in TMouseState::Cursor.
inline constexpr std::int16_t crDefault = 0;
inline constexpr std::int16_t crHandPoint = -21;

// The mouse as the drawn buttons see it: the main window's field FMouse.
// Its mouse handlers write X, Y and the press flags; DrawImageButton consumes
// a press by clearing both flags and sets the hand cursor over a button; the
// frame applies Cursor to the screen widget at its end (toQtCursor).
struct TMouseState {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    bool LeftDown = false;   // pressed and not yet consumed by a button
    bool RightDown = false;
    std::int16_t Cursor = crDefault;
};

// crHandPoint gives the pointing hand; anything else the arrow.
Qt::CursorShape toQtCursor(std::int16_t cursor);
