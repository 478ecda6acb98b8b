#include "NetHost.h"

QPoint CentreOn(const NetHost* host, const QSize& size)
{
    if (!host)
        return QPoint();
    const QRect main = host->MainWindowGeometry();
    return QPoint(main.left() + main.width() / 2 - size.width() / 2,
                  main.top() + main.height() / 2 - size.height() / 2);
}
