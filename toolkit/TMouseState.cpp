#include "TMouseState.h"

Qt::CursorShape toQtCursor(std::int16_t cursor)
{
    return cursor == crHandPoint ? Qt::PointingHandCursor : Qt::ArrowCursor;
}
