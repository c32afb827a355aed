#include "ratio_report.h"

#include <cstdio>

#include "bench_common.h"

namespace vell::bench {

namespace {

const std::string kFloor = "/floor";

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// "A/b/c" looks for "A/b/c/floor", "A/b/floor", "A/floor".
const std::string* floorOf(const Results& results, const std::string& name) {
    std::string prefix = name;
    for (;;) {
        const auto it = results.find(prefix + kFloor);
        if (it != results.end()) return &it->first;
        const auto cut = prefix.find_last_of('/');
        if (cut == std::string::npos) return nullptr;
        prefix.erase(cut);
    }
}

void line(std::ostream& out, const std::string& what, const Timing& a, const Timing& b,
          const std::string& tail) {
    char buf[256];
    std::snprintf(buf, sizeof buf, "ratio %-58s cpu %9.2fx  real %9.2fx", what.c_str(),
                  b.cpu > 0 ? a.cpu / b.cpu : 0.0, b.real > 0 ? a.real / b.real : 0.0);
    out << buf << tail << "\n";
}

}  // namespace

void printRatios(const Results& results, std::ostream& out) {
    if (results.empty()) return;
    out << "\nwork / floor (the floor reads the same files once):\n";
    for (const auto& [name, timing] : results) {
        if (endsWith(name, kFloor)) continue;
        if (const std::string* floor = floorOf(results, name))
            line(out, name + " / floor", timing, results.at(*floor), "");
    }
    bool header = false;
    for (const Scaling& s : scalings()) {
        const auto a = results.find(s.numerator);
        const auto b = results.find(s.denominator);
        if (a == results.end() || b == results.end()) continue;
        if (!header) out << "\nscaling (linear: what a cost in proportion to the size gives):\n";
        header = true;
        char tail[64] = "";
        if (s.linear > 0) std::snprintf(tail, sizeof tail, "  (linear %.1fx)", s.linear);
        line(out, s.numerator + " / " + s.denominator, a->second, b->second, tail);
    }
}

}  // namespace vell::bench
