// Table lookups and unit conversions, the work behind one button press.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "density/numeric_text.h"
#include "density/reduction_table.h"
#include "density/units.h"
#include "full_table.h"

namespace {

density::ReductionTable fullTable()
{
    return density::ReductionTable(fullTableLines());
}

class NullSink : public density::MessageSink {
public:
    void show(const density::Message&) override {}
};

void BM_LookupDensity20_LastRow(benchmark::State& state)
{
    const density::ReductionTable table = fullTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(table.lookupDensity20(1085.5, 125.0));
}
BENCHMARK(BM_LookupDensity20_LastRow);

void BM_LookupActualDensity_LastRowLastPair(benchmark::State& state)
{
    const density::ReductionTable table = fullTable();
    // the last pair of the last row: every pair before it is walked
    const double density20 = 1085 + 0.7 * 105;
    for (auto _ : state)
        benchmark::DoNotOptimize(table.lookupActualDensity(density20, 125.0));
}
BENCHMARK(BM_LookupActualDensity_LastRowLastPair);

void BM_LoadTableFromText(benchmark::State& state)
{
    const density::ReductionTable table = fullTable();
    std::string text;
    for (const std::string& l : table.lines())
        text += l + "\r\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(density::ReductionTable::fromText(text));
}
BENCHMARK(BM_LoadTableFromText);

void BM_ConvertTemperature(benchmark::State& state)
{
    NullSink sink;
    for (auto _ : state)
        benchmark::DoNotOptimize(density::convertTemperature("59,9", density::TemperatureUnit::Fahrenheit, sink));
}
BENCHMARK(BM_ConvertTemperature);

void BM_ConvertVolume(benchmark::State& state)
{
    NullSink sink;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            density::convertVolume("12345,678", density::VolumeUnit::CubicMetre, density::VolumeUnit::UsGallon, sink));
}
BENCHMARK(BM_ConvertVolume);

void BM_ConvertPressure(benchmark::State& state)
{
    NullSink sink;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            density::convertPressure("10,34", density::PressureUnit::MPa, density::PressureUnit::Psi, sink));
}
BENCHMARK(BM_ConvertPressure);

}  // namespace
