// The mouse on the screen: the press flags and position that the drawn
// buttons read. The board's own handling (the number picker) builds on these.
#include "MainUnit.h"

#include "Fenetres.h"

void TfrmMain::EcranMouseDown(Qt::MouseButton button, int x, int y)
{
    // A press where the pointer has not moved since the window appeared
    // still lands on the button under it.
    FMouse.X = x;
    FMouse.Y = y;
    // Set even while a message window blocks the board: its answer buttons
    // need the press.
    if (button == Qt::LeftButton)
        FMouse.LeftDown = true;
    else if (button == Qt::RightButton)
        FMouse.RightDown = true;
    m_framesSincePress = 0;
    m_releasePending = false;
}

void TfrmMain::EcranMouseUp(Qt::MouseButton button, int x, int y)
{
    Q_UNUSED(button);
    Q_UNUSED(x);
    Q_UNUSED(y);
    // A quick click (a tap, or a press and release within one 25 ms frame)
    // would otherwise never be seen by the buttons: its release waits for
    // the end of the next frame.
    if (m_framesSincePress == 0 && (FMouse.LeftDown || FMouse.RightDown)) {
        m_releasePending = true;
        return;
    }
    FMouse.LeftDown = false;
    FMouse.RightDown = false;
}

void TfrmMain::endFrameForPress()
{
    ++m_framesSincePress;
    if (m_releasePending) {
        m_releasePending = false;
        FMouse.LeftDown = false;
        FMouse.RightDown = false;
    }
}

void TfrmMain::EcranMouseMove(int x, int y)
{
    FMouse.X = x;
    FMouse.Y = y;
    FMouse.Cursor = crDefault;
    if (BoardInputBlocked)
        return;
    FHoverX = x;
    FHoverY = y;
}
