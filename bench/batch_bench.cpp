// vantorel-calc batch, the whole process: a generated CSV of a mix of every
// calculation is fed to the program beside this benchmark; lines per second
// and the peak memory of the process. Run with the default --threads and with
// one thread, on 100,000 and 1,000,000 lines: the peak memory stays flat; and
// with --format json.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "full_table.h"

namespace {

namespace fs = std::filesystem;

fs::path binaryFolder()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path() : exe.parent_path();
}

// One line of each of the thirteen subcommands in turn, with inputs that
// wander over the admitted ranges (some fall outside the table, as in real
// files).
fs::path generate(long long lines)
{
    const fs::path file = fs::temp_directory_path() / ("vantorel_batch13_" + std::to_string(lines) + ".csv");
    if (fs::exists(file))
        return file;
    // written under another name first, so that an interrupted run leaves no
    // short file behind to be taken for a whole one
    const fs::path partial = fs::path(file).concat(".part");
    std::ofstream out(partial, std::ios::binary);
    out << "command,a,b,c,d\n";
    char buf[128];
    for (long long i = 0; i < lines; ++i) {
        const double d = 600 + (i * 7) % 450 + 0.1 * (i % 10);
        const double t = -20 + (i * 13) % 110 + 0.1 * (i % 10);
        const long long v = 100 + i % 5000;
        const long long api = i % 99;
        static const char* const conversions[] = {"temperature,%.1f,C,F\n", "volume,%.1f,m3,bbl\n",
                                                  "pressure,%.1f,bar,psi\n"};
        switch (i % 13) {
        case 0:
            std::snprintf(buf, sizeof buf, "reduce20,%.1f,%.1f\n", d, t);
            break;
        case 1:
            std::snprintf(buf, sizeof buf, "actual20,%.1f,%.1f\n", d, t);
            break;
        case 2:
            std::snprintf(buf, sizeof buf, "mass20,%lld,%.1f,%.1f\n", v, d, t);
            break;
        case 3:
            std::snprintf(buf, sizeof buf, "volume20,%lld,%.1f,%.1f\n", v, d, t);
            break;
        case 4:
            std::snprintf(buf, sizeof buf, "reduce15,%.1f,%.1f\n", d, t);
            break;
        case 5:
            std::snprintf(buf, sizeof buf, "actual15,%.1f,%.1f\n", d + 20, t);
            break;
        case 6:
            std::snprintf(buf, sizeof buf, "mass15,%lld,%.1f,%.1f\n", v, d + 20, t);
            break;
        case 7:
            std::snprintf(buf, sizeof buf, "volume15,%lld,%.1f,%.1f\n", v, d + 20, t);
            break;
        case 8:
            std::snprintf(buf, sizeof buf, "api20,%.1f,%.1f\n", d, t);
            break;
        case 9:
            std::snprintf(buf, sizeof buf, "api20-density,%lld,%.1f\n", api, t);
            break;
        case 10:
            std::snprintf(buf, sizeof buf, "api15,%.1f,%.1f\n", d, t);
            break;
        case 11:
            std::snprintf(buf, sizeof buf, "api15-density,%lld,%.1f\n", api, t);
            break;
        default: {
            const int n = std::snprintf(buf, sizeof buf, "convert,");
            std::snprintf(buf + n, sizeof buf - n, conversions[(i / 13) % 3], t);
            break;
        }
        }
        out << buf;
    }
    out.close();
    fs::rename(partial, file);
    return file;
}

// A full synthetic table, for a build without data/tablegost3900.txt.
fs::path table()
{
    const fs::path real = binaryFolder() / "tablegost3900.txt";
    if (fs::exists(real))
        return real;
    const fs::path file = fs::temp_directory_path() / "vantorel_batch_table.txt";
    std::ofstream out(file, std::ios::binary);
    for (const std::string& row : fullTableLines())
        out << row << "\r\n";
    return file;
}

// Runs vantorel-calc batch on the file, output to /dev/null; false when it
// could not run or failed.
bool runProcess(const fs::path& input, int threads, bool json, double& seconds, long& maxRssKb)
{
    const fs::path program = binaryFolder() / "vantorel-calc";
    const std::string tableFile = table().string();
    const std::string threadText = std::to_string(threads);
    const std::string inputText = input.string();
    std::vector<std::string> args = {program.string(), "--decimal", ".", "--table", tableFile, "batch", inputText};
    if (threads > 0)
        args.insert(args.begin() + 1, {"--threads", threadText});
    if (json)
        args.insert(args.begin() + 1, {"--format", "json"});
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        const int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return false;
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    maxRssKb = usage.ru_maxrss;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_BatchProcess(benchmark::State& state)
{
    const long long lines = state.range(0);
    const int threads = static_cast<int>(state.range(1));
    const bool json = state.range(2) != 0;
    const fs::path input = generate(lines);
    long maxRss = 0;
    for (auto _ : state) {
        double seconds = 0;
        long rss = 0;
        if (!runProcess(input, threads, json, seconds, rss)) {
            state.SkipWithError("vantorel-calc did not run (build it beside this benchmark)");
            return;
        }
        state.SetIterationTime(seconds);
        maxRss = std::max(maxRss, rss);
    }
    state.SetItemsProcessed(state.iterations() * lines);
    state.counters["lines_per_second"] =
        benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["max_rss_MiB"] = static_cast<double>(maxRss) / 1024;
}
// threads 0: the program's default (one per core); json 1: --format json
BENCHMARK(BM_BatchProcess)
    ->ArgNames({"lines", "threads", "json"})
    ->Args({100000, 0, 0})
    ->Args({1000000, 0, 0})
    ->Args({1000000, 1, 0})
    ->Args({1000000, 0, 1})
    ->Args({1000000, 1, 1})
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
