// vellmaster-world: writes a generated simulator world into a folder, for
// measuring or looking at the program by hand.
//   vellmaster-world FOLDER [AIRCRAFT [VARIANTS [WAYPOINTS [FLIGHTS]]]]
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

#include "world.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 6) {
        std::cerr << "usage: vellmaster-world FOLDER [AIRCRAFT [VARIANTS [WAYPOINTS [FLIGHTS]]]]\n"
                     "  defaults: 500 aircraft, 3 variants, 200 waypoints, 100 flights\n";
        return 2;
    }
    vell::bench::WorldSize size{500, 3, 200, 100};
    int* fields[] = {&size.aircraft, &size.variants, &size.waypoints, &size.flights};
    for (int i = 2; i < argc; ++i) {
        char* end = nullptr;
        const long n = std::strtol(argv[i], &end, 10);
        if (*end != '\0' || n < 0 || n > 1000000) {
            std::cerr << "vellmaster-world: not a count: " << argv[i] << "\n";
            return 2;
        }
        *fields[i - 2] = static_cast<int>(n);
    }
    try {
        const vell::bench::World world(size, argv[1]);
        std::cout << "wrote " << world.bytesWritten() << " bytes into " << world.root() << "\n"
                  << "FS 2004:      " << world.fs9Folder() << "\n"
                  << "saved flight: " << world.savedFlight() << "\n"
                  << "flights:      " << world.flightsFolder() << "\n"
                  << "The program finds them through the registry values HKLM '"
                  << "EXE Path' of FS 2004 and HKCU 'Personal' (" << world.root() << "/Docs).\n";
    } catch (const std::exception& e) {
        std::cerr << "vellmaster-world: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
