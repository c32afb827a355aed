#include "bench_common.h"

#include <cstdio>

#include "platform/files.h"
#include "platform/host_names.h"

namespace vell::bench {

namespace {

std::unique_ptr<World>& shared() {
    static std::unique_ptr<World> world;
    return world;
}

bool sameSize(const WorldSize& a, const WorldSize& b) {
    return a.aircraft == b.aircraft && a.variants == b.variants && a.waypoints == b.waypoints &&
           a.flights == b.flights;
}

}  // namespace

World& sharedWorld(const WorldSize& size) {
    auto& world = shared();
    if (!world || !sameSize(world->size(), size)) {
        world.reset();
        world = std::make_unique<World>(size);
    }
    return *world;
}

void dropSharedWorld() {
    shared().reset();
}

void dropReadCache() {
    files::useCache(false);
    files::useCache(true);
}

Window::Window(const World& world, std::string& failure) : host(world.host()) {
    f = createMainWindow(ui, host);
    f->events().setReport([&failure](const std::string& what) { failure = what; });
}

std::size_t plainRead(const std::string& path) {
    std::FILE* file = std::fopen(files::toHostName(path).c_str(), "rb");
    if (file == nullptr) return 0;
    std::string bytes;
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, file)) > 0) bytes.append(buf, n);
    std::fclose(file);
    return bytes.size();
}

std::vector<Scaling>& scalings() {
    static std::vector<Scaling> list;
    return list;
}

}  // namespace vell::bench
