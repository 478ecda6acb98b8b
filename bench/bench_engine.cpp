// Engine speed: generation at every level and grading of fixed grids.
//   cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DSUDOKU_BENCH=ON -DSUDOKU_TESTS=OFF
//   cmake --build build/bench --target bench_engine && build/bench/bin/bench_engine

#include "EngineTestSupport.h"
#include "Random.h"

#include <benchmark/benchmark.h>

namespace {

void BM_GeneratePuzzle(benchmark::State& state)
{
    SudokuEngine engine;
    const auto level = static_cast<std::uint8_t>(state.range(0));
    for (auto _ : state) {
        engine.GeneratePuzzle(level);
        benchmark::DoNotOptimize(engine.FCurrent);
    }
}
BENCHMARK(BM_GeneratePuzzle)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)
    ->Repetitions(5)->ReportAggregatesOnly(true)->MinTime(1.0);

void grade(benchmark::State& state, const std::string& puzzle, std::uint8_t maxLevel)
{
    SudokuEngine engine;
    LoadCurrent(engine, ParseGrid(puzzle));
    std::uint8_t level = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.GradeAndSolve(maxLevel, level));
        benchmark::ClobberMemory();
    }
    state.counters["level"] = level;
}

void BM_GradeAndSolve(benchmark::State& state)
{
    grade(state, kRatedPuzzles[static_cast<std::size_t>(state.range(0))], 5);
}
BENCHMARK(BM_GradeAndSolve)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)->ReportAggregatesOnly(true);

void BM_GradeThirtyClues(benchmark::State& state)
{
    grade(state, kThirtyCluePuzzle, 4);
}
BENCHMARK(BM_GradeThirtyClues)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
