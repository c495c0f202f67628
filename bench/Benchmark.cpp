// Measures the analysis and the call trees on generated listings.
//   lumorca-bench                  10,000 and 100,000 lines
//   lumorca-bench N...             the given sizes
//   lumorca-bench --write N FILE   writes a generated listing of N lines
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "analyzer/CallTree.h"
#include "analyzer/ListingLoader.h"
#include "bench/ListingGenerator.h"

#ifdef __linux__
#include <sstream>
#endif

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point from) {
    return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

// Peak resident memory of the process in MB, or -1 where it is not known.
double PeakMegabytes() {
#ifdef __linux__
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            std::istringstream fields(line.substr(6));
            double kilobytes = 0;
            fields >> kilobytes;
            return kilobytes / 1024.0;
        }
    }
#endif
    return -1;
}

struct Figures {
    size_t Lines = 0;
    double AnalysisMs = 0;
    double AnalysisCpuMs = 0;
    double CallTreesMs = 0;
    size_t CallNodes = 0;
    size_t CappedTrees = 0;
    double LoadMs = 0;  // reading the bytes into lines as well
    double PeakMb = 0;
    double WordCountMs = -1;  // `wc -w` over the same bytes, -1 when it could not run
};

// The best of five runs of `wc -w` over the bytes, process start included.
double WordCountMilliseconds(const std::string& bytes) {
    const std::string file = "lumorca-bench-words.pro";
    {
        std::ofstream out(file, std::ios::binary);
        out << bytes;
        if (!out) return -1;
    }
    const std::string command = "wc -w < " + file + " > /dev/null";
    double best = 1e300;
    for (int run = 0; run < 5; ++run) {
        const Clock::time_point start = Clock::now();
        if (std::system(command.c_str()) != 0) {
            best = -1;
            break;
        }
        best = std::min(best, Milliseconds(start));
    }
    std::remove(file.c_str());
    return best;
}

Figures Measure(size_t lines) {
    lumorca::bench::ListingShape shape;
    shape.Lines = lines;
    const lumorca::ListingSource source =
        lumorca::ListingSource::FileBytes(lumorca::bench::GenerateListing(shape));
    const lumorca::AnalysisSettings settings;

    Figures figures;
    // The best of several runs: the machine is shared. Processor time too,
    // which other processes on the machine disturb less than wall time.
    // The whole load comes first, so that the peak is that of a reader: the
    // bytes and one load at a time, none of the copies made for timing the
    // analysis stage alone afterwards.
    constexpr int kRuns = 5;
    figures.AnalysisMs = 1e300;
    figures.AnalysisCpuMs = 1e300;
    figures.LoadMs = 1e300;
    lumorca::LoadedListing loaded;
    for (int run = 0; run < kRuns; ++run) {
        loaded = lumorca::LoadedListing();
        const Clock::time_point loadStart = Clock::now();
        loaded = lumorca::LoadListing(source, settings);
        figures.LoadMs = std::min(figures.LoadMs, Milliseconds(loadStart));
    }
    figures.PeakMb = PeakMegabytes();
    {
        const lumorca::ListingLines read = lumorca::ReadListing(source, settings.Language);
        for (int run = 0; run < kRuns; ++run) {
            lumorca::ListingLines copy = read;
            const Clock::time_point start = Clock::now();
            const std::clock_t cpuStart = std::clock();
            const lumorca::LoadedListing analysed = lumorca::AnalyzeReadListing(std::move(copy), settings);
            const double cpu = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
            figures.AnalysisMs = std::min(figures.AnalysisMs, Milliseconds(start));
            figures.AnalysisCpuMs = std::min(figures.AnalysisCpuMs, cpu);
        }
    }
    figures.WordCountMs = WordCountMilliseconds(source.Bytes());
    const lumorca::ListingLines& listing = loaded.Lines;
    const lumorca::AnalysisResult& result = loaded.Analysis;
    figures.Lines = listing.size();

    const Clock::time_point start = Clock::now();
    for (lumorca::CallDirection direction :
         {lumorca::CallDirection::CalledFrom, lumorca::CallDirection::Calling}) {
        const lumorca::CallGraph graph(result.Symbols, listing, result.Structures, result.EntryList,
                                       settings, direction);
        for (const std::string& entry : result.EntryList) {
            const bool complete = graph.Walk(entry, lumorca::CallPrintLimit,
                                             [&](const lumorca::CallNode&, int) { ++figures.CallNodes; });
            if (!complete) ++figures.CappedTrees;
        }
    }
    figures.CallTreesMs = Milliseconds(start);
    return figures;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--write") {
        lumorca::bench::ListingShape shape;
        shape.Lines = std::strtoul(argv[2], nullptr, 10);
        std::ofstream file(argv[3], std::ios::binary);
        file << lumorca::bench::GenerateListing(shape);
        return file ? 0 : 2;
    }
    std::vector<size_t> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(std::strtoul(argv[i], nullptr, 10));
    if (sizes.empty()) sizes = {10000, 100000};

    std::vector<Figures> all;
    for (size_t size : sizes) {
        const Figures f = Measure(size);
        all.push_back(f);
        std::printf("%8zu lines: analysis %7.1f ms (processor %7.1f ms), peak %6.1f MB; call trees of "
                    "every entry, both directions: %7.1f ms, %zu nodes, %zu capped\n",
                    f.Lines, f.AnalysisMs, f.AnalysisCpuMs, f.PeakMb, f.CallTreesMs, f.CallNodes,
                    f.CappedTrees);
        if (f.WordCountMs > 0) {
            std::printf("%8zu lines: wc -w %7.1f ms; analysis / wc -w %5.2f x; whole load (bytes to "
                        "analysis) %7.1f ms, %5.2f x\n",
                        f.Lines, f.WordCountMs, f.AnalysisMs / f.WordCountMs, f.LoadMs,
                        f.LoadMs / f.WordCountMs);
        }
    }
    if (all.size() >= 2 && all.front().AnalysisMs > 0 && all.front().AnalysisCpuMs > 0) {
        std::printf("growth %zu -> %zu lines: %.1f x (processor %.1f x)\n", all.front().Lines,
                    all.back().Lines, all.back().AnalysisMs / all.front().AnalysisMs,
                    all.back().AnalysisCpuMs / all.front().AnalysisCpuMs);
    }
    return 0;
}
