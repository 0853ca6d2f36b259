// Number text: reading a typed number, the fixed-point result text and the
// hand-over text between two computation steps.
#include <benchmark/benchmark.h>

#include <array>

#include "density/numeric_text.h"

namespace {

const std::array<const char*, 8> kTexts = {"853,4", "15,3", "-20", "1000", "0,0069", " 742,55 ", "1,5E3", "99"};
const std::array<double, 8> kValues = {860.5897, 1098673.5914999961, 839.369, 2.675, 0.00689476, 15.5, 42, 1e15};

// Calls fn on the eight inputs in turn, decimal comma.
template <typename Input, typename Fn>
void eachInTurn(benchmark::State& state, const std::array<Input, 8>& inputs, Fn fn)
{
    density::ScopedDecimalSeparator sep(',');
    std::size_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(fn(inputs[k++ & 7]));
}

void BM_ParseNumber(benchmark::State& state)
{
    eachInTurn(state, kTexts, [](const char* t) { return density::parseNumber(t); });
}
void BM_ParseNumberExtended(benchmark::State& state)
{
    eachInTurn(state, kTexts, [](const char* t) { return density::parseNumberExtended(t); });
}
void BM_FormatFixed(benchmark::State& state)
{
    eachInTurn(state, kValues, [](double v) { return density::formatFixed(v, 3); });
}
void BM_FormatHandOver(benchmark::State& state)
{
    eachInTurn(state, kValues, [](double v) { return density::formatHandOver(v); });
}
BENCHMARK(BM_ParseNumber);
BENCHMARK(BM_ParseNumberExtended);
BENCHMARK(BM_FormatFixed);
BENCHMARK(BM_FormatHandOver);

}  // namespace
