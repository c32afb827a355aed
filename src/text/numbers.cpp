#include "text/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace vell {

namespace {

bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the leading number's characters into a compact text ("-12.5e3")
// that strtod can read; the reading position ends behind the last
// character that belongs to the number.
std::string leadingNumberText(std::string_view text, std::size_t& pos) {
    std::string out;
    auto skip = [&] {
        while (pos < text.size() && isSkipped(text[pos])) ++pos;
    };
    skip();
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        out += text[pos++];
    }
    bool digits = false;
    bool point = false;
    for (;;) {
        skip();
        if (pos >= text.size()) break;
        const char c = text[pos];
        if (isDigit(c)) {
            out += c;
            digits = true;
        } else if (c == '.' && !point) {
            out += c;
            point = true;
        } else {
            break;
        }
        ++pos;
    }
    if (!digits) return {};
    // The exponent counts only when digits follow the letter and its sign.
    std::size_t look = pos;
    auto skipAt = [&] {
        while (look < text.size() && isSkipped(text[look])) ++look;
    };
    if (look < text.size() && (text[look] == 'E' || text[look] == 'e')) {
        ++look;
        std::string exp = "e";
        skipAt();
        if (look < text.size() && (text[look] == '+' || text[look] == '-')) exp += text[look++];
        bool expDigits = false;
        for (;;) {
            skipAt();
            if (look >= text.size() || !isDigit(text[look])) break;
            exp += text[look++];
            expDigits = true;
        }
        if (expDigits) {
            out += exp;
            pos = look;
        }
    }
    return out;
}

}  // namespace

double leadingNumber(std::string_view text) {
    std::size_t pos = 0;
    const std::string number = leadingNumberText(text, pos);
    if (number.empty()) return 0.0;
    const double value = std::strtod(number.c_str(), nullptr);
    // A number too large for a double is no number the program can use.
    return std::isfinite(value) ? value : 0.0;
}

bool isWholeNumber(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && (text[first] == ' ' || text[first] == '\t')) ++first;
    while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t')) --last;
    const std::string_view core = text.substr(first, last - first);
    std::size_t i = 0;
    if (i < core.size() && (core[i] == '+' || core[i] == '-')) ++i;
    bool digits = false;
    bool point = false;
    for (; i < core.size(); ++i) {
        if (isDigit(core[i])) {
            digits = true;
        } else if (core[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return false;
    if (i < core.size() && (core[i] == 'E' || core[i] == 'e')) {
        ++i;
        if (i < core.size() && (core[i] == '+' || core[i] == '-')) ++i;
        bool expDigits = false;
        while (i < core.size() && isDigit(core[i])) {
            ++i;
            expDigits = true;
        }
        if (!expDigits) return false;
    }
    return i == core.size();
}

double roundHalfAway(double x) { return std::round(x); }

double roundHalfEven(double x) {
    if (!std::isfinite(x)) return x;
    const double lower = std::floor(x);
    const double diff = x - lower;
    if (diff < 0.5) return lower;
    if (diff > 0.5) return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

namespace {

std::int16_t clampedInt16(double r) {
    if (std::isnan(r)) return 0;
    if (r <= std::numeric_limits<std::int16_t>::min()) return std::numeric_limits<std::int16_t>::min();
    if (r >= std::numeric_limits<std::int16_t>::max()) return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(r);
}

}  // namespace

std::int16_t toInt16(double x) {
    return clampedInt16(roundHalfAway(x));
}

std::int16_t toInt16HalfEven(double x) {
    return clampedInt16(roundHalfEven(x));
}

std::string formatPattern(double x, std::string_view pattern) {
    const std::size_t dot = pattern.find('.');
    const std::size_t intDigits = dot == std::string_view::npos ? pattern.size() : dot;
    const int decimals = dot == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - dot - 1);
    if (!std::isfinite(x)) x = 0.0;

    // A whole number within the 15 significant digits needs no rounding:
    // its digits as they are (clock times, distances, speeds, most calls).
    if (decimals == 0 && std::fabs(x) < 1e15 && x == std::trunc(x)) {
        const auto magnitude = static_cast<long long>(std::fabs(x));
        std::string whole = magnitude == 0 ? std::string() : std::to_string(magnitude);
        if (whole.size() < intDigits) whole.insert(0, intDigits - whole.size(), '0');
        return magnitude != 0 && x < 0 ? "-" + whole : whole;
    }

    // Round on the value's decimal digits (15 significant, as the value was
    // typed), so that 2.675 rounds up like the user sees it, not like its
    // binary neighbour 2.67499999...
    constexpr int kSignificant = 15;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", kSignificant - 1, std::fabs(x));
    std::string digits;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p) {
        if (isDigit(*p)) digits += *p;
    }
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;

    // digits stand for 0.d1d2d3... times 10^(exponent+1); keep as many as
    // reach down to the pattern's last decimal.
    const int keep = exponent + 1 + decimals;
    std::string kept;  // the digits of round(|x| * 10^decimals)
    if (keep < 0) {
        kept = "0";
    } else {
        kept = digits.substr(0, static_cast<std::size_t>(std::min(keep, kSignificant)));
        while (static_cast<int>(kept.size()) < keep) kept += '0';
        const bool up = keep < kSignificant && digits[static_cast<std::size_t>(keep)] >= '5';
        if (up) {
            int i = static_cast<int>(kept.size()) - 1;
            while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') kept[static_cast<std::size_t>(i--)] = '0';
            if (i < 0) {
                kept.insert(kept.begin(), '1');
            } else {
                ++kept[static_cast<std::size_t>(i)];
            }
        }
        if (kept.empty()) kept = "0";
    }

    // Split into whole and decimal digits, pad both.
    while (static_cast<int>(kept.size()) < decimals + 1) kept.insert(kept.begin(), '0');
    std::string whole = kept.substr(0, kept.size() - static_cast<std::size_t>(decimals));
    const std::string frac = kept.substr(kept.size() - static_cast<std::size_t>(decimals));
    const std::size_t nonZero = whole.find_first_not_of('0');
    whole = nonZero == std::string::npos ? std::string() : whole.substr(nonZero);
    if (whole.size() < intDigits) whole.insert(0, intDigits - whole.size(), '0');

    std::string out;
    const bool isZero = kept.find_first_not_of('0') == std::string::npos;
    if (x < 0 && !isZero) out += '-';
    out += whole;
    if (decimals > 0) {
        out += '.';
        out += frac;
    }
    return out;
}

}  // namespace vell
