#include "bench_runner.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <iostream>
#include <vector>

#include "bench_common.h"
#include "platform/file_cache.h"
#include "ratio_report.h"

namespace {

using vell::bench::Results;

double nanoseconds(double t, benchmark::TimeUnit unit) {
    switch (unit) {
        case benchmark::kNanosecond:
            return t;
        case benchmark::kMicrosecond:
            return t * 1e3;
        case benchmark::kMillisecond:
            return t * 1e6;
        case benchmark::kSecond:
            return t * 1e9;
    }
    return t;
}

// Passes every run on to the reporter of the chosen format and keeps the
// per-iteration times of the runs for the ratios.
template <class Base>
class CollectingReporter : public Base {
  public:
    Results results;
    bool failed = false;

    void ReportRuns(const std::vector<benchmark::BenchmarkReporter::Run>& runs) override {
        for (const auto& run : runs) {
            if (run.error_occurred) {
                failed = true;
                continue;
            }
            if (run.run_type != benchmark::BenchmarkReporter::Run::RT_Iteration) continue;
            results[run.benchmark_name()] = {nanoseconds(run.GetAdjustedCPUTime(), run.time_unit),
                                             nanoseconds(run.GetAdjustedRealTime(), run.time_unit)};
        }
        Base::ReportRuns(runs);
    }
};

template <class Base>
int run(std::ostream& ratios) {
    CollectingReporter<Base> reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    vell::bench::dropSharedWorld();
    vell::bench::printRatios(reporter.results, ratios);
    return reporter.failed ? 1 : 0;
}

}  // namespace

namespace vell::bench {

int runBenchmarks(int argc, char** argv, const std::function<void(bool smoke)>& registerAll) {
    bool smoke = false;
    std::string format = "console";
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--vell_smoke") == 0) {
            smoke = true;
            continue;
        }
        if (std::strncmp(argv[i], "--benchmark_format=", 19) == 0) format = argv[i] + 19;
        args.push_back(argv[i]);
    }
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);

    // The worlds are written just before they are measured and do not
    // change while they are: the read cache may keep them at once, as it
    // keeps a user's files, which were written long before.
    files::cache::setSettleTime(std::chrono::nanoseconds(0));
    registerAll(smoke);

    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    int status = 0;
    // The ratios follow the table; beside JSON they go to the error stream,
    // so that the output stays one document.
    if (format == "json")
        status = run<benchmark::JSONReporter>(std::cerr);
    else if (format == "console")
        status = run<benchmark::ConsoleReporter>(std::cout);
    else
        benchmark::RunSpecifiedBenchmarks();  // another format: its own reporter, no ratios
    benchmark::Shutdown();
    return status;
}

}  // namespace vell::bench
