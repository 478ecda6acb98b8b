// Shows the multiplayer setup window with one listed game, hosted by the
// name given, for the end-to-end scripts to find that game among the rows
// of the program's own setup window: a row of the same name looks the same.
// Prints where the first row's host cell stands in the window and the
// distance from one row to the next: x y width height pitch (a row's grid
// line lies outside its cell). The window has no network thread and sends
// nothing.
#include "GameRow.h"
#include "MultiPlayerSetupUnit.h"

#include <QApplication>
#include <QTableWidget>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    TfrmMultiplayerSetup setup;
    TGameRow row;
    row.Host = QString::fromUtf8(argv[1]);
    row.Players = 1;
    row.GameType = 1;
    row.TypeName = GameTypeName(row.GameType);
    row.Heard = DateTimeToDosDateTime(QDateTime::currentDateTime());
    row.Address = QStringLiteral("127.0.0.1");
    row.Port = QStringLiteral("2EE0");
    row.GameId = 1;
    setup.GameLocated(row);
    setup.show();
    QTimer::singleShot(0, &setup, [&setup] {
        QTableWidget* list = setup.lvGames;
        const QRect cell = list->visualRect(list->model()->index(0, 0));
        const QPoint place = list->viewport()->mapTo(&setup, cell.topLeft());
        std::printf("%d %d %d %d %d\n", place.x(), place.y(), cell.width(), cell.height(), list->rowHeight(0));
        std::fflush(stdout);
    });
    return app.exec();
}
