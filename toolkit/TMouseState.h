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
//
// A press reaches at most one button, and only one drawn after the press:
// - press() sets the flag of its button;
// - release() clears both flags, except for a quick click (press and release
//   with no frame in between), whose release waits for the end of the next
//   frame (frameEnded) so that one frame of buttons can still report it;
// - dropPress() gives a press up for the buttons: one the board has acted
//   on, or one that was down when a message window opened. A press given up
//   stays given up while it is held; only a new press counts.
struct TMouseState {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    bool LeftDown = false;   // pressed and not yet consumed by a button
    bool RightDown = false;
    std::int16_t Cursor = crDefault;

    // A mouse-down: left sets LeftDown, right sets RightDown, other buttons
    // nothing.
    void press(Qt::MouseButton button);
    void release();
    // Called once at the end of every frame, after the buttons were drawn.
    void frameEnded();
    void dropPress();

private:
    bool m_seenByFrame = true;     // a frame has ended since the last press
    bool m_releasePending = false; // a quick click's release, due at the frame's end
};

// crHandPoint gives the pointing hand; anything else the arrow.
Qt::CursorShape toQtCursor(std::int16_t cursor);
