// Cost per call of the curve measurements and searches that the garment
// drafts run many times over (seam lengths, fitting loops, crossings).
#include <benchmark/benchmark.h>

#include "kernel/Bezier.h"

namespace {

// An armhole-sized quadratic and cubic, in centimetres.
const Vector q0(0, 0), q1(4, 12), q2(14, 16);
const Vector c0(0, 0), c1(2, 9), c2(10, 17), c3(16, 18);

void BM_Bezier3ArcLength(benchmark::State& state) {
    const int n = int(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(Bezier3::ArcLength(c0, c1, c2, c3, 0.0, 1.0, n));
}
BENCHMARK(BM_Bezier3ArcLength)->Arg(10)->Arg(50)->Arg(200);

void BM_Bezier2ArcLength(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Bezier2::ArcLength(q0, q1, q2, 0.1f, 0.9f));
}
BENCHMARK(BM_Bezier2ArcLength);

void BM_Bezier2ParamAtLength(benchmark::State& state) {
    for (auto _ : state) {
        float t = 0.0f;
        benchmark::DoNotOptimize(Bezier2::ParamAtLength(q0, q1, q2, t, 12.5f));
    }
}
BENCHMARK(BM_Bezier2ParamAtLength);

void BM_Bezier2ParamAtChordLength(benchmark::State& state) {
    const int n = int(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(Bezier2::ParamAtChordLength(q0, q1, q2, 12.5f, n));
}
BENCHMARK(BM_Bezier2ParamAtChordLength)->Arg(100)->Arg(1000);

void BM_Bezier2TangentFromPoint(benchmark::State& state) {
    const Vector p(0, 16);
    for (auto _ : state) {
        float t = 0.5f;
        benchmark::DoNotOptimize(Bezier2::TangentFromPoint(p, q0, q1, q2, t, 1));
    }
}
BENCHMARK(BM_Bezier2TangentFromPoint);

void BM_Bezier2CrossLine(benchmark::State& state) {
    const Vector a(7, 0), dir(0, 1);
    for (auto _ : state) {
        float t = 0.1f;
        benchmark::DoNotOptimize(Bezier2::CrossLine(a, dir, q0, q1, q2, t));
    }
}
BENCHMARK(BM_Bezier2CrossLine);

void BM_Bezier3CrossLineFrom(benchmark::State& state) {
    const Vector p(8, 0), dir(0, 1);
    for (auto _ : state) {
        float t = 0.0f;
        benchmark::DoNotOptimize(Bezier3::CrossLineFrom(p, dir, c0, c1, c2, c3, t, 20, 0));
    }
}
BENCHMARK(BM_Bezier3CrossLineFrom);

void BM_Bezier3CrossCurve(benchmark::State& state) {
    for (auto _ : state) {
        float t = 0.5f;
        benchmark::DoNotOptimize(Bezier3::CrossCurve(q0, 10.0f, q0, q1, q2, t));
    }
}
BENCHMARK(BM_Bezier3CrossCurve);

void BM_Bezier3CrossCircle(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Bezier3::CrossCircle(c0, 12.0f, c0, c1, c2, c3, 20));
}
BENCHMARK(BM_Bezier3CrossCircle);

}  // namespace
