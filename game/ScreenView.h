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
    // Replaces the bitmap by the picture, which gives it its size, converted to
    // the premultiplied 32-bit format the drawing uses. A null picture keeps
    // the bitmap as it is and returns false.
    bool loadBitmap(const QImage& picture);

    void BeginUpdate();
    void Changed();
    void EndUpdate();
    void Invalidate();
    bool updating() const { return m_updateDepth > 0; }
    int repaintRequests() const { return m_repaintRequests; }

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
    bool m_changed = false;
    int m_repaintRequests = 0;
};
