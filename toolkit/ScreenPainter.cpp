#include "ScreenPainter.h"

#include "UnitePerso.h"

namespace {
QPainter* g_framePainter = nullptr;
}

ScreenPainter::ScreenPainter()
{
    QImage* screen = screenBitmap();
    if (g_framePainter || !screen || screen->isNull())
        return;
    g_framePainter = new QPainter(screen);
    m_owner = true;
}

ScreenPainter::~ScreenPainter()
{
    if (!m_owner)
        return;
    g_framePainter->end();
    delete g_framePainter;
    g_framePainter = nullptr;
}

QPainter* ScreenPainter::current()
{
    return g_framePainter;
}
