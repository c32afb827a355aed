// A simulator world on disk for measuring the program: an FS 2004 tree with
// aircraft and their variants, a saved flight with its plan in the user's
// flight folder, a folder of flights with plans for the content list, and
// the registry values that lead the program to them. Written into a
// temporary folder (below /dev/shm when it is there) that goes with the
// object, or into a folder of the caller's that stays.
#pragma once

#include <string>

#include "platform/host.h"

namespace vell::bench {

struct WorldSize {
    int aircraft = 10;
    int variants = 3;
    int waypoints = 20;  // of the saved flight's plan
    int flights = 0;     // in the flights folder
};

class World {
  public:
    // A world in a temporary folder of its own, removed at the end.
    explicit World(const WorldSize& size);
    // A world written into `folder` (created), which stays.
    World(const WorldSize& size, const std::string& folder);
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    const WorldSize& size() const { return size_; }
    const std::string& root() const { return root_; }
    std::string programFolder() const;
    std::string fs9Folder() const;
    std::string aircraftFolder() const;
    // The user's documents folder (the registry's "Personal").
    std::string documentsFolder() const;
    // The user's folder where FS 2004 saves flights.
    std::string userFlightsFolder() const;
    // The saved flight in the user's folder, and its plan beside it.
    std::string savedFlight() const;
    std::string savedPlan() const;
    // The folder of flights below the simulator's flights folder.
    std::string flightsFolder() const;

    // Registry values that point the program at this world.
    const Registry& registry() const { return registry_; }
    // A host for the window model: this world's registry and program folder.
    Host host() const;

    // Bytes written, for the report.
    unsigned long long bytesWritten() const { return bytes_; }

  private:
    void write();
    void writeFile(const std::string& path, const std::string& bytes);

    WorldSize size_;
    std::string root_;
    bool temporary_;
    MemoryRegistry registry_;
    unsigned long long bytes_ = 0;
};

// Where temporary worlds go: $VELL_BENCH_DIR, else /dev/shm, else the
// system's temporary folder.
std::string worldParentFolder();

}  // namespace vell::bench
