#pragma once

#include <QImage>

#include <cstdint>

// One picture of the image lists: a Format_ARGB32_Premultiplied image with
// the overall opacity and the draw mode kept beside it. Blend mixes the
// image over the screen by per-pixel alpha times the opacity; Opaque copies
// its pixels unchanged and ignores the opacity. An item whose file could not
// be read holds a null image and draws nothing.
class ThemeImage {
public:
    enum class DrawMode { Opaque, Blend };

    ThemeImage() = default;
    explicit ThemeImage(const QImage& image);

    const QImage& image() const { return m_image; }
    // Converts to Format_ARGB32_Premultiplied; a null image stays null.
    void setImage(const QImage& image);
    QImage& pixels() { return m_image; }

    bool isEmpty() const { return m_image.isNull(); }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

    std::uint8_t masterAlpha() const { return m_masterAlpha; }
    void setMasterAlpha(std::uint8_t alpha) { m_masterAlpha = alpha; }

    DrawMode drawMode() const { return m_drawMode; }
    void setDrawMode(DrawMode mode) { m_drawMode = mode; }

private:
    QImage m_image;
    std::uint8_t m_masterAlpha = 255;
    DrawMode m_drawMode = DrawMode::Opaque;
};
