// vell_bench: the program's benchmarks, each beside its floor, followed by
// the ratio lines. --vell_smoke runs them on tiny worlds, as a check that
// they still run (CTest's bench.smoke). Exits 1 when a benchmark failed.
#include "bench_common.h"
#include "bench_runner.h"

int main(int argc, char** argv) {
    return vell::bench::runBenchmarks(argc, argv, [](bool smoke) {
        vell::bench::registerStartup(smoke);
        vell::bench::registerOpenFlight(smoke);
        vell::bench::registerContentList(smoke);
        vell::bench::registerIniItem(smoke);
        vell::bench::registerWinePrefixes(smoke);
#ifdef VELL_BENCH_WHOLE_PROCESS
        vell::bench::registerWholeProcess(smoke);
#endif
    });
}
