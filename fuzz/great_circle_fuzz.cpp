// Coordinate texts and the distance between any two of them.
#include <cmath>

#include "fuzz_support.h"
#include "nav/great_circle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vell::fuzz::Parts parts(data, size);
    const std::string lat1 = parts.next();
    const std::string lon1 = parts.next();
    const std::string lat2 = parts.next();
    const std::string lon2 = parts.rest();
    const float d = vell::Get_DIST(lat1, lon1, lat2, lon2);
    if (!std::isnan(d)) {
        // No two points lie farther apart than half the circle.
        vell::fuzz::require(d >= 0.0F && d <= 10814.0F, "distance off the globe");
    }
    const std::string plan = vell::fuzz::scratchFile("gc.pln");
    vell::fuzz::writeFile(plan, "[flightplan]\r\ndeparture_id=" + lat1 + "\r\ndestination_id=" +
                                    lat2 + "\r\n");
    (void)vell::GC_DIST(plan);
    return 0;
}
