// Distinct four-letter airport codes in a fixed order that is not sorted,
// as a folder of plans or a hand-written airport set gives them: the lists
// of the window must take them in any order.
#pragma once

#include <string>
#include <vector>

namespace vell::testing {

inline std::vector<std::string> unsortedAirportCodes(int count) {
    constexpr long long kCodes = 26LL * 26 * 26 * 26;
    std::vector<std::string> codes;
    for (long long i = 0; i < count; ++i) {
        // 7919 is prime to 26^4: each i gives a code of its own.
        long long n = i * 7919 % kCodes;
        std::string code(4, 'A');
        for (int at = 3; at >= 0; --at, n /= 26)
            code[static_cast<std::size_t>(at)] = static_cast<char>('A' + n % 26);
        codes.push_back(code);
    }
    return codes;
}

}  // namespace vell::testing
