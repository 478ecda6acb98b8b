#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

// Helpers shared by the drawing, message-window and theme tests.

// A QApplication for fonts and list widgets, created once and kept until the
// process ends.
void ensureWidgetsApp();

// Puts every global of the drawing and message-window units back to its
// start-up value: empty image lists, buttons visible and enabled, window
// closed, no host, no screen.
void resetDrawingGlobals();

// A picture filled with `key` and, inside it, a disc of `shape` touching
// neither edge; pixel (1, 1) is always `key`.
QImage discPicture(int size, const QColor& key, const QColor& shape);

// The colour of a pixel of a premultiplied image, as 8-bit ARGB.
QColor pixelColor(const QImage& image, int x, int y);

// A black 1024 by 768 screen registered for drawing while the test runs.
class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QColor at(int x, int y) const { return pixelColor(m_screen, x, y); }

    QImage m_screen;
};
