#pragma once

#include <QImage>
#include <QWidget>

// The drawn game screen (the main window's Ecran): shows its bitmap at its
// own size from the top-left corner, black elsewhere, and reports the mouse
// in the bitmap's pixels. The frame loop brackets its drawing with
// BeginUpdate / Changed / EndUpdate and then asks for one repaint.
class ScreenView : public QWidget
{
    Q_OBJECT

public:
    explicit ScreenView(QWidget* parent = nullptr);

    QImage& Bitmap() { return m_bitmap; }
    const QImage& Bitmap() const { return m_bitmap; }

    void BeginUpdate();
    void Changed();
    void EndUpdate();
    // Asks for one repaint when the bitmap changed since the last request,
    // unless an update is still open.
    void Invalidate();

signals:
    void mouseDown(Qt::MouseButton button, int x, int y);
    void mouseUp(Qt::MouseButton button, int x, int y);
    void mouseMove(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage m_bitmap;
    int m_updateDepth = 0;
    qint64 m_requestedKey = 0; // the bitmap's cache key at the last repaint asked for
};
