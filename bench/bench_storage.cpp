// Index lines of saved games: the cut of a very long player name to what a
// file name can hold, run on every save, load and delete.
#include "IndexLine.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SafeGameFileNameOfALongName(benchmark::State& state)
{
    const QString name = QString(state.range(0), QChar(0xe9));
    for (auto _ : state)
        benchmark::DoNotOptimize(safeGameFileName(name));
}
BENCHMARK(BM_SafeGameFileNameOfALongName)->Arg(300)->Arg(100000);

} // namespace

BENCHMARK_MAIN();
