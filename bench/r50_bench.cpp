// GOST R 50.2.076-2010: the reduction to 15 °C for each product group, its
// slowest case, and the actual density with and without a pressure.
#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "density/numeric_text.h"
#include "density/r50.h"
#include "r50_reference.h"

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

// A mixed set: the three groups in turn, readings and temperatures of a tank
// farm written with one decimal, as typed.
struct MixedInput {
    ProductGroup group;
    double density;
    double temperature;
    std::string densityText;
    std::string temperatureText;
};

const std::vector<MixedInput>& mixedSet()
{
    static const std::vector<MixedInput> set = [] {
        density::ScopedDecimalSeparator sep(',');
        std::mt19937 random(15);
        std::vector<MixedInput> out;
        for (int i = 0; i < 4096; ++i) {
            const auto group = static_cast<ProductGroup>(1 + i % 3);
            const double low = group == ProductGroup::Lubricating ? 850 : group == ProductGroup::Crude ? 700 : 650;
            const double high = group == ProductGroup::Products ? 1000 : 950;
            const double rho = std::round(std::uniform_real_distribution<double>(low, high)(random) * 10) / 10;
            const double t = std::round(std::uniform_real_distribution<double>(-20, 60)(random) * 10) / 10;
            out.push_back({group, rho, t, density::formatHandOver(rho), density::formatHandOver(t)});
        }
        return out;
    }();
    return set;
}

template <typename Reduce>
void reduceMixed(benchmark::State& state, Reduce reduce)
{
    const std::vector<MixedInput>& inputs = mixedSet();
    std::size_t k = 0;
    for (auto _ : state) {
        const MixedInput& in = inputs[k++ & 4095];
        benchmark::DoNotOptimize(reduce(in));
    }
}

// The core as it was before its speed-up: the baseline of the targets.
void BM_R50Core_Mixed_Baseline(benchmark::State& state)
{
    reduceMixed(state, [](const MixedInput& in) {
        return reference::reduceTo15(in.density, in.temperature, in.group, false);
    });
}
// The same with the set re-selected from the result, written plainly.
void BM_R50Core_Mixed_PlainReselecting(benchmark::State& state)
{
    reduceMixed(state, [](const MixedInput& in) {
        return reference::reduceTo15(in.density, in.temperature, in.group, true);
    });
}
void BM_R50Core_Mixed(benchmark::State& state)
{
    reduceMixed(state, [](const MixedInput& in) {
        return density::r50ReduceTo15Value(in.density, in.temperature, in.group);
    });
}
// The text entry point on the same readings (no glass correction, so the
// numbers are those of the core).
void BM_R50Text_Mixed(benchmark::State& state)
{
    density::ScopedDecimalSeparator sep(',');
    NullSink sink;
    reduceMixed(state, [&sink](const MixedInput& in) {
        return density::r50ReduceTo15(in.densityText, in.temperatureText, false, in.group, false, sink);
    });
}
BENCHMARK(BM_R50Core_Mixed_Baseline);
BENCHMARK(BM_R50Core_Mixed_PlainReselecting);
BENCHMARK(BM_R50Core_Mixed);
BENCHMARK(BM_R50Text_Mixed);

// Not a timing: the core against its plain form over a million random
// admitted inputs. `differing` must be 0; `reselected` counts the inputs
// whose result moved to the set it selects itself.
void BM_R50Core_AgreesWithPlainForm(benchmark::State& state)
{
    for (auto _ : state) {
        std::mt19937_64 random(50);
        std::uniform_real_distribution<double> rho(550, 1190);
        std::uniform_real_distribution<double> t(-50, 100);
        long differing = 0;
        long reselected = 0;
        for (int i = 0; i < 1000000; ++i) {
            const auto group = static_cast<ProductGroup>(1 + i % 3);
            const double r = rho(random);
            const double temperature = t(random);
            const std::optional<double> fast = density::r50ReduceTo15Value(r, temperature, group);
            const std::optional<double> plain = reference::reduceTo15(r, temperature, group, true);
            const std::optional<double> before = reference::reduceTo15(r, temperature, group, false);
            if (fast.has_value() != plain.has_value() || (fast && *fast != *plain))
                ++differing;
            if (plain && before && *plain != *before)
                ++reselected;
        }
        state.counters["differing"] = static_cast<double>(differing);
        state.counters["reselected"] = static_cast<double>(reselected);
    }
}
BENCHMARK(BM_R50Core_AgreesWithPlainForm)->Iterations(1)->Unit(benchmark::kMillisecond);

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
