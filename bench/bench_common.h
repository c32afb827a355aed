// What the benchmarks share: one world on disk at a time, a started window
// on it, the plain read that the floors take, and the list of the ratios
// that the report prints.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "bench_ui_port.h"
#include "vellmaster.h"
#include "world.h"

namespace vell::bench {

// The world of this size, written on first use; a world of another size
// replaces it, so that at most one large world lies on the disk.
World& sharedWorld(const WorldSize& size);
// Removes the shared world (at the end of the run).
void dropSharedWorld();

// Forgets what the program's read cache holds, so that a run starts as the
// program does: switching the cache off and on again.
void dropReadCache();

// The window model, wired, its failures kept in `failure` instead of a
// message box.
struct Window {
    Window(const World& world, std::string& failure);
    BenchUiPort ui;
    Host host;
    std::unique_ptr<Frm_Vell13> f;
};

// The file's bytes read once with the C library, as the floors read them;
// the count of bytes read.
std::size_t plainRead(const std::string& path);

// Two benchmarks whose ratio the report prints; `linear` is what the ratio
// would be if the work grew with the size alone (0: no such line).
struct Scaling {
    std::string numerator;
    std::string denominator;
    double linear;
};
std::vector<Scaling>& scalings();

// The benchmarks of each kind, registered at the sizes of a full run or,
// with `smoke`, of a brief check that they still run.
void registerStartup(bool smoke);
void registerOpenFlight(bool smoke);
void registerContentList(bool smoke);
void registerIniItem(bool smoke);
// Start-up under Wine, with and without many prefixes (POSIX only).
void registerWinePrefixes(bool smoke);
// The start-up and the content list as whole processes (POSIX only).
void registerWholeProcess(bool smoke);

}  // namespace vell::bench
