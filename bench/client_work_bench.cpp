// The client's own work in a refresh, from the rows fetched to the grid's content ready: the
// shares of every row (qryATCalcFields), the rows in the results table with the row filter
// installed, the footer texts and the snapshot. The server's work is measured by bench/run.
#include "SyntheticGrid.h"

#include <benchmark/benchmark.h>

namespace {

void BM_FetchedRowsToGrid(benchmark::State &state)
{
    const int providers = static_cast<int>(state.range(0));
    // One provider in thirty without a rendered visit: the filter has rows to hide.
    const std::vector<VisitRow> fetched = fetchedRows(providers, 30);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<VisitRow> rows = fetched; // the query's rows, handed over as the refresh does
        state.ResumeTiming();
        GridSnapshot grid = gridFromFetchedRows(std::move(rows));
        benchmark::DoNotOptimize(grid);
    }
    state.counters["providers"] = providers;
}

} // namespace

BENCHMARK(BM_FetchedRowsToGrid)->Arg(60)->Arg(1000)->Arg(65536)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
