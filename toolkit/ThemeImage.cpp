#include "ThemeImage.h"

ThemeImage::ThemeImage(const QImage& image)
{
    setImage(image);
}

void ThemeImage::setImage(const QImage& image)
{
    if (image.isNull() || image.format() == QImage::Format_ARGB32_Premultiplied)
        m_image = image;
    else
        m_image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
