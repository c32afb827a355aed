// The leading number of any text, and the zero patterns on what it gives.
#include <cmath>

#include "fuzz_support.h"
#include "text/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double x = vell::leadingNumber(text);
    (void)vell::toInt16(x);
    (void)vell::isWholeNumber(text);
    for (const char* pattern : {"0", "00", "0000", "00000", "0000.0", "000.00", "0.000"}) {
        const std::string written = vell::formatPattern(x, pattern);
        if (std::isfinite(x) && std::fabs(x) < 1e9) {
            // Written with three decimals at most, read back within half a step.
            vell::fuzz::require(std::fabs(vell::leadingNumber(written) - x) <= 0.5 + 1e-6,
                                "a pattern moved the number");
        }
    }
    return 0;
}
