// What both benchmark programs do around their benchmarks: the options
// (--vell_smoke: tiny worlds, a check that they still run), the table in the
// chosen format, then the ratio lines. Returns 1 when a benchmark failed.
#pragma once

#include <functional>

namespace vell::bench {

int runBenchmarks(int argc, char** argv, const std::function<void(bool smoke)>& registerAll);

}  // namespace vell::bench
