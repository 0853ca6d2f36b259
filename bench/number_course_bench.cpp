// The course over numbers, per reading: what the Python module's loop pays
// for each element of an array, without the arrays' own memory.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "calc/number_course.h"
#include "full_table.h"

namespace {

// Readings of products to 0,1 kg/m3 and temperatures to 0,1 °C, as the
// Python benchmark makes them.
struct Readings {
    std::vector<double> density;
    std::vector<double> temperature;
};

const Readings& readings()
{
    static const Readings r = [] {
        Readings out;
        std::mt19937_64 rng(1);
        std::uniform_real_distribution<double> density(700, 950);
        std::uniform_real_distribution<double> temperature(-20, 50);
        for (int i = 0; i < 1000000; ++i) {
            out.density.push_back(std::round(density(rng) * 10) / 10);
            out.temperature.push_back(std::round(temperature(rng) * 10) / 10);
        }
        return out;
    }();
    return r;
}

void run(benchmark::State& state, calc::Course course)
{
    const density::ReductionTable table(fullTableLines());
    const calc::Choices choices;
    const calc::NumberCourse numbers = calc::numberCourse(course, choices);
    const Readings& r = readings();
    std::vector<double> values(r.density.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < values.size(); ++i) {
            const calc::NumberAnswer a = numbers.run(r.density[i], r.temperature[i], choices, &table);
            values[i] = a.status == calc::NumberStatus::Answered ? a.value : NAN;
        }
        benchmark::DoNotOptimize(values.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * values.size()));
}

void BM_NumberCourse_Reduce20(benchmark::State& state)
{
    run(state, calc::Course::Reduce20);
}
BENCHMARK(BM_NumberCourse_Reduce20)->Unit(benchmark::kMillisecond);

void BM_NumberCourse_Reduce15(benchmark::State& state)
{
    run(state, calc::Course::Reduce15);
}
BENCHMARK(BM_NumberCourse_Reduce15)->Unit(benchmark::kMillisecond);

}  // namespace
