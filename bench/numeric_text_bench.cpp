// Number text: reading a typed number, the fixed-point result text and the
// hand-over text between two computation steps.
#include <benchmark/benchmark.h>

#include <array>

#include "density/numeric_text.h"

namespace {

const std::array<const char*, 8> kTexts = {"853,4", "15,3", "-20", "1000", "0,0069", " 742,55 ", "1,5E3", "99"};
const std::array<double, 8> kValues = {860.5897, 1098673.5914999961, 839.369, 2.675, 0.00689476, 15.5, 42, 1e15};

void BM_ParseNumber(benchmark::State& state)
{
    density::ScopedDecimalSeparator sep(',');
    std::size_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(density::parseNumber(kTexts[k++ & 7]));
}
BENCHMARK(BM_ParseNumber);

void BM_ParseNumberExtended(benchmark::State& state)
{
    density::ScopedDecimalSeparator sep(',');
    std::size_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(density::parseNumberExtended(kTexts[k++ & 7]));
}
BENCHMARK(BM_ParseNumberExtended);

void BM_FormatFixed(benchmark::State& state)
{
    density::ScopedDecimalSeparator sep(',');
    std::size_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(density::formatFixed(kValues[k++ & 7], 3));
}
BENCHMARK(BM_FormatFixed);

void BM_FormatHandOver(benchmark::State& state)
{
    density::ScopedDecimalSeparator sep(',');
    std::size_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(density::formatHandOver(kValues[k++ & 7]));
}
BENCHMARK(BM_FormatHandOver);

}  // namespace
