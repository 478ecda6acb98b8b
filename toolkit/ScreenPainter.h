#pragma once

#include <QPainter>

// Keeps one QPainter open on the screen bitmap for the life of the object,
// so that the many draws of a frame share it. The main window opens one
// around its scene (between BeginUpdate and EndUpdate of the screen).
// Scopes nest: an inner one (a scene drawn again from inside a command)
// reuses the outer painter. Without an open scope each draw opens its own
// painter.
class ScreenPainter {
public:
    ScreenPainter();
    ~ScreenPainter();
    ScreenPainter(const ScreenPainter&) = delete;
    ScreenPainter& operator=(const ScreenPainter&) = delete;

    // The shared painter, or null when no scope is open or no screen is set.
    static QPainter* current();

private:
    bool m_owner = false;
};
