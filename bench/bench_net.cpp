// A flood of locate replies, each with a new game id, reaching the setup
// window shown offscreen; the event loop runs after every batch of 32, as
// it does between the socket's batches.
#include "GameRow.h"
#include "MultiPlayerSetupUnit.h"

#include <QApplication>
#include <QDateTime>
#include <QTableWidget>

#include <benchmark/benchmark.h>

namespace {

void LocateReplyFlood(benchmark::State& state)
{
    TfrmMultiplayerSetup setup;
    setup.show();
    TGameRow row;
    row.Host = QStringLiteral("Eve");
    row.Players = 1;
    row.TypeName = GameTypeName(1);
    row.GameType = 1;
    row.Heard = DateTimeToDosDateTime(QDateTime::currentDateTime());
    row.Address = QStringLiteral("127.0.0.1");
    row.Port = QStringLiteral("2EE1");
    std::int32_t gameId = 0;
    for (auto _ : state) {
        row.GameId = gameId++;
        setup.GameLocated(row);
        if (gameId % 32 == 0)
            QApplication::processEvents();
    }
    state.counters["rows"] = setup.lvGames->rowCount();
}
// As many replies as a stranger's flood made rows in the window.
BENCHMARK(LocateReplyFlood)->Iterations(5500)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
