#include "ImageList.h"

ThemeImage* ImageList::item(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    return &m_items[static_cast<std::size_t>(index)];
}

const ThemeImage* ImageList::item(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return &m_items[static_cast<std::size_t>(index)];
}

ThemeImage& ImageList::add(const QImage& image)
{
    m_items.emplace_back(image);
    return m_items.back();
}
