// Table lookups and unit conversions, the work behind one button press.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "density/numeric_text.h"
#include "density/reduction_table.h"
#include "density/units.h"

namespace {

// A full table: 301 rows from -25 to 125 °C, every one of the 60 cells filled.
density::ReductionTable fullTable()
{
    std::vector<std::string> lines;
    for (int i = 0; i <= 300; ++i) {
        const double t = -25 + 0.5 * i;
        char buf[32];
        std::snprintf(buf, sizeof buf, " %6.1f", t);
        std::string row = buf;
        for (int d = 500; d <= 1090; d += 10) {
            std::snprintf(buf, sizeof buf, " *%04d%6.1f", d, d + 0.7 * (t - 20));
            row += buf;
        }
        for (char& c : row)
            if (c == '.')
                c = ',';
        lines.push_back(row);
    }
    return density::ReductionTable(std::move(lines));
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
