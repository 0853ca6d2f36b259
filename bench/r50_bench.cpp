// GOST R 50.2.076-2010: the reduction to 15 °C for each product group, its
// slowest case, and the actual density with and without a pressure.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "density/numeric_text.h"
#include "density/r50.h"

namespace {

class NullSink : public density::MessageSink {
public:
    void show(const density::Message&) override {}
};

using density::ProductGroup;

struct Reading {
    const char* density;
    const char* temperature;
};

// Typical readings of each group: densities inside its range, sample
// temperatures of a tank farm.
const std::array<Reading, 4> kCrude = {{{"850,0", "30"}, {"872,4", "12,5"}, {"831,2", "-5"}, {"890,6", "41,3"}}};
const std::array<Reading, 4> kProducts = {{{"850,0", "30"}, {"742,5", "18"}, {"780,0", "-20"}, {"815,3", "35,5"}}};
const std::array<Reading, 4> kLube = {{{"900,0", "50"}, {"880,5", "22"}, {"912,3", "8,5"}, {"935,0", "65"}}};

void reduceTypical(benchmark::State& state, const std::array<Reading, 4>& readings, ProductGroup group)
{
    density::ScopedDecimalSeparator sep(',');
    NullSink sink;
    std::size_t k = 0;
    for (auto _ : state) {
        const Reading& r = readings[k++ & 3];
        benchmark::DoNotOptimize(density::r50ReduceTo15(r.density, r.temperature, true, group, false, sink));
    }
}

void BM_R50ReduceTo15_Crude(benchmark::State& state)
{
    reduceTypical(state, kCrude, ProductGroup::Crude);
}
void BM_R50ReduceTo15_Products(benchmark::State& state)
{
    reduceTypical(state, kProducts, ProductGroup::Products);
}
void BM_R50ReduceTo15_Lubricating(benchmark::State& state)
{
    reduceTypical(state, kLube, ProductGroup::Lubricating);
}
BENCHMARK(BM_R50ReduceTo15_Crude);
BENCHMARK(BM_R50ReduceTo15_Products);
BENCHMARK(BM_R50ReduceTo15_Lubricating);

// The slowest admitted case: petroleum products near 695 kg/m3 at +100 °C,
// fixed as transition, about 80 rounds of the iteration.
void BM_R50ReduceTo15_Slowest(benchmark::State& state)
{
    density::ScopedDecimalSeparator sep(',');
    NullSink sink;
    int rounds = 0;
    density::r50ReduceTo15Value(697 * density::r50GlassFactor(100), 100, ProductGroup::Products, &rounds);
    for (auto _ : state)
        benchmark::DoNotOptimize(density::r50ReduceTo15("697", "100", true, ProductGroup::Products, false, sink));
    state.counters["rounds"] = rounds;
}
BENCHMARK(BM_R50ReduceTo15_Slowest);

// The numeric core alone, without reading texts.
void BM_R50ReduceTo15Value_Products(benchmark::State& state)
{
    double rho = 742.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(density::r50ReduceTo15Value(rho, 18, ProductGroup::Products));
        rho = rho < 900 ? rho + 0.1 : 742.5;
    }
}
BENCHMARK(BM_R50ReduceTo15Value_Products);

// The actual density at 30 °C (86 °F), without and with an excess pressure.
void actualDensity(benchmark::State& state, const char* temperature, const char* pressure, bool fahrenheit)
{
    density::ScopedDecimalSeparator sep(',');
    NullSink sink;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            density::r50ActualDensity("850,0", temperature, pressure, ProductGroup::Products, fahrenheit, sink));
}
BENCHMARK_CAPTURE(actualDensity, NoPressure, "30", "0", false);
BENCHMARK_CAPTURE(actualDensity, Pressure, "30", "5", false);
BENCHMARK_CAPTURE(actualDensity, PressureFahrenheit, "86", "5", true);

}  // namespace
