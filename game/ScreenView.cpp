#include "ScreenView.h"

#include <QMouseEvent>
#include <QPainter>

ScreenView::ScreenView(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool ScreenView::loadBitmap(const QImage& picture)
{
    if (picture.isNull())
        return false;
    m_bitmap = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Changed();
    return true;
}

void ScreenView::BeginUpdate()
{
    ++m_updateDepth;
}

void ScreenView::Changed()
{
    m_changed = true;
}

void ScreenView::EndUpdate()
{
    if (m_updateDepth > 0)
        --m_updateDepth;
}

void ScreenView::Invalidate()
{
    if (m_updateDepth > 0)
        return;
    m_changed = false;
    ++m_repaintRequests;
    update();
}

void ScreenView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!m_bitmap.isNull())
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
