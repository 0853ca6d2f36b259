// The cost a click pays for its journal entry: one append to journal.sqlite
// (WAL, synchronous=FULL) on the disk of the temporary folder, and the entry
// made from a course's outcome.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "calc/calculators.h"
#include "journal/course_terms.h"
#include "journal/journal_file.h"
#include "text/catalogue.h"

namespace {

calc::Inputs reduce15Inputs()
{
    calc::Inputs in;
    in.density = "850,5";
    in.temperature = "25,5";
    return in;
}

journal::Entry sampleEntry()
{
    const calc::Inputs in = reduce15Inputs();
    const calc::Outcome outcome = calc::run(calc::Course::Reduce15, in, {});
    return journal::entryOf(calc::Course::Reduce15, in, outcome, {true, true, false}, QDateTime::currentDateTime(), {});
}

void JournalAppend(benchmark::State& state)
{
    QTemporaryDir dir;
    journal::JournalFile file(dir.filePath(QStringLiteral("journal.sqlite")));
    if (!file.open().ok()) {
        state.SkipWithError("the journal did not open");
        return;
    }
    journal::Entry entry = sampleEntry();
    for (auto _ : state) {
        if (!file.append(entry).ok()) {
            state.SkipWithError("an append failed");
            return;
        }
    }
}
BENCHMARK(JournalAppend)->Unit(benchmark::kMicrosecond);

void JournalEntryOfOutcome(benchmark::State& state)
{
    const calc::Inputs in = reduce15Inputs();
    const calc::Outcome outcome = calc::run(calc::Course::Reduce15, in, {});
    const QDateTime at = QDateTime::currentDateTime();
    for (auto _ : state)
        benchmark::DoNotOptimize(journal::entryOf(calc::Course::Reduce15, in, outcome, {true, true, false}, at, {}));
}
BENCHMARK(JournalEntryOfOutcome)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    text::catalogue().fill(text::UiLanguage::Russian);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
