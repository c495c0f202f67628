// Times `check` against the analysis alone on a generated listing, and
// checking eight copies at once (one worker per core) against one copy.
// Prints wall and CPU time; on a busy machine the CPU figures are the
// steadier ones.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "analyzer/Findings.h"
#include "analyzer/ListingLoader.h"
#include "bench/ListingGenerator.h"
#include "texts/Texts.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Timing {
    double Wall = 1e300;  // ms, best round
    double Cpu = 1e300;   // ms of process CPU time, best round
};

Timing Best(int rounds, const std::function<void()>& run) {
    Timing best;
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        const std::clock_t cpuStart = std::clock();
        run();
        const double cpu = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        const double wall = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        best.Wall = std::min(best.Wall, wall);
        best.Cpu = std::min(best.Cpu, cpu);
    }
    return best;
}

// What `lumorca-cli check` does for one file, short of printing.
size_t CheckOne(const std::string& file) {
    lumorca::AnalysisSettings settings;
    const lumorca::LoadedListing listing =
        lumorca::LoadListing(lumorca::ListingSource::File(file), settings);
    return lumorca::CollectFindings(listing).size();
}

void Print(const char* what, const Timing& t, const Timing& base, const char* baseName) {
    std::printf("%-22s %9.1f ms wall (%.2f x %s)  %9.1f ms CPU (%.2f x)\n", what, t.Wall,
                t.Wall / base.Wall, baseName, t.Cpu, t.Cpu / base.Cpu);
}

}  // namespace

int main(int argc, char** argv) {
    const size_t lineCount = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
    const std::string dir = argc > 2 ? argv[2] : ".";
    lumorca::bench::ListingShape shape;
    shape.Lines = lineCount;
    const std::string file = dir + "/check_benchmark.pro";
    std::ofstream(file, std::ios::binary) << lumorca::bench::GenerateListing(shape);

    const lumorca::ListingLines original =
        lumorca::ReadListing(lumorca::ListingSource::File(file), lumorca::LanguageEnglish);
    const Timing analysis = Best(5, [&] {
        lumorca::AnalyzeReadListing(original, lumorca::AnalysisSettings{});
    });
    size_t findings = 0;
    const Timing check = Best(5, [&] { findings = CheckOne(file); });

    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const Timing eight = Best(3, [&] {
        std::atomic<int> next{0};
        std::vector<std::thread> workers;
        for (unsigned w = 0; w < cores; ++w) {
            workers.emplace_back([&] {
                while (next++ < 8) CheckOne(file);
            });
        }
        for (std::thread& worker : workers) worker.join();
    });

    std::printf("%zu lines, %zu findings, %u cores\n", original.size(), findings, cores);
    Print("analysis alone", analysis, analysis, "analysis");
    Print("check", check, analysis, "analysis");
    Print("check of 8 copies", eight, check, "check");
    std::remove(file.c_str());
    return 0;
}
