// Run by DisplayScalingTest in a process of its own: starts the application
// as the program does and prints how the game screen maps onto the display.
#include "DisplayScaling.h"
#include "ScreenView.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char* argv[])
{
    keepScreenPixelsUnscaled();
    QApplication app(argc, argv);
    ScreenView view;
    view.resize(1024, 768);
    view.show();
    // The widget's own picture of itself, in device pixels.
    const QPixmap shot = view.grab();
    std::printf("ratio %g, device pixels %dx%d\n", view.devicePixelRatioF(), shot.width(), shot.height());
    std::fflush(stdout);
    return 0;
}
