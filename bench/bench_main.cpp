// Entry point of the benchmark program: every bench/*.cpp registers its benchmarks, this runs them.
// Run with --benchmark_filter=<regex> to pick some; medians are reported with the repetitions.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
