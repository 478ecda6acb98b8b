#pragma once

#include "ThemeImage.h"

#include <vector>

// A list of theme pictures addressed by index. item() gives null for an
// index that the list does not hold, so a frame drawn while a theme is
// missing pictures draws nothing there instead of reading past the list.
class ImageList {
public:
    // Null when index is outside the list.
    ThemeImage* item(int index);
    const ThemeImage* item(int index) const;

    // Appends a picture (a null QImage gives an empty placeholder) and
    // returns it.
    ThemeImage& add(const QImage& image = QImage());

    int count() const { return static_cast<int>(m_items.size()); }
    void clear() { m_items.clear(); }

private:
    std::vector<ThemeImage> m_items;
};
