#include "ScreenView.h"

#include <QMouseEvent>
#include <QPainter>

ScreenView::ScreenView(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScreenView::BeginUpdate()
{
    ++m_updateDepth;
}

void ScreenView::Changed()
{
    // Whether the bitmap changed is told by its cache key, which every write
    // to it moves on: nothing to record.
}

void ScreenView::EndUpdate()
{
    if (m_updateDepth > 0)
        --m_updateDepth;
}

void ScreenView::Invalidate()
{
    if (m_updateDepth != 0)
        return;
    // An unchanged bitmap is not sent to the window system again; exposes
    // and resizes are repainted by Qt without asking.
    const qint64 key = m_bitmap.cacheKey();
    if (key == m_requestedKey)
        return;
    m_requestedKey = key;
    update();
}

void ScreenView::paintEvent(QPaintEvent*)
{
    // While a frame is being drawn (a modal box opened by a command spins
    // its own event loop) the bitmap is half-painted: the widget keeps what
    // it last showed, and the frame's end asks for a repaint.
    if (m_bitmap.paintingActive())
        return;
    QPainter painter(this);
    const QRegion outside = QRegion(rect()) - QRegion(m_bitmap.rect());
    for (const QRect& r : outside)
        painter.fillRect(r, Qt::black);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, m_bitmap);
}

void ScreenView::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit mouseDown(event->button(), p.x(), p.y());
}

void ScreenView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is a press like any other.
    mousePressEvent(event);
}

void ScreenView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit mouseUp(event->button(), p.x(), p.y());
}

void ScreenView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit mouseMove(p.x(), p.y());
}
