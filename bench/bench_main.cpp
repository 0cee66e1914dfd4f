// Entry of the benchmark program: every bench/*.cpp registers its own
// benchmarks; this file alone provides main().
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
