#include "TMouseState.h"

void TMouseState::press(Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        LeftDown = true;
    else if (button == Qt::RightButton)
        RightDown = true;
    m_seenByFrame = false;
    m_releasePending = false;
}

void TMouseState::release()
{
    if (!m_seenByFrame && (LeftDown || RightDown)) {
        m_releasePending = true;
        return;
    }
    LeftDown = false;
    RightDown = false;
}

void TMouseState::frameEnded()
{
    m_seenByFrame = true;
    if (m_releasePending) {
        m_releasePending = false;
        LeftDown = false;
        RightDown = false;
    }
}

void TMouseState::dropPress()
{
    LeftDown = false;
    RightDown = false;
    m_releasePending = false;
}

Qt::CursorShape toQtCursor(std::int16_t cursor)
{
    return cursor == crHandPoint ? Qt::PointingHandCursor : Qt::ArrowCursor;
}
