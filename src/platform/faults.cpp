#include "platform/faults.h"

#include <cerrno>
#include <charconv>

namespace vell::faults {

namespace {

struct State {
    std::optional<Fault> armed;
    int seen = 0;
    bool struck = false;
    int held = 0;
};

State& state() {
    static State s;
    return s;
}

std::optional<Step> stepNamed(const std::string& name) {
    static const std::pair<const char*, Step> kNames[] = {
        {"write", Step::Write},   {"flush", Step::Flush}, {"sync", Step::Sync},
        {"close", Step::Close},   {"rename", Step::Rename}, {"copy", Step::Copy},
        {"read", Step::Read},     {"remove", Step::Remove}, {"any", Step::Any},
    };
    for (const auto& [text, step] : kNames) {
        if (name == text) return step;
    }
    return std::nullopt;
}

std::optional<int> number(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || at != end) return std::nullopt;
    return value;
}

std::optional<int> errorNamed(const std::string& name) {
    if (name == "ENOSPC") return ENOSPC;
    if (name == "EIO") return EIO;
    if (name == "EACCES") return EACCES;
    const auto n = number(name);
    if (n && *n > 0) return n;
    return std::nullopt;
}

}  // namespace

std::optional<Fault> parse(const std::string& text) {
    const std::size_t first = text.find(':');
    if (first == std::string::npos) return std::nullopt;
    const std::size_t second = text.find(':', first + 1);
    const auto step = stepNamed(text.substr(0, first));
    const auto nth = number(text.substr(first + 1, second == std::string::npos
                                                        ? std::string::npos
                                                        : second - first - 1));
    const auto error =
        second == std::string::npos ? std::optional<int>(EIO) : errorNamed(text.substr(second + 1));
    if (!step || !nth || *nth < 1 || !error) return std::nullopt;
    return Fault{*step, *nth, *error};
}

void arm(const Fault& fault) { state() = State{fault, 0, false, state().held}; }

void disarm() { state() = State{{}, 0, false, state().held}; }

Hold::Hold() { ++state().held; }

Hold::~Hold() { --state().held; }

bool struck() { return state().struck; }

int inject(Step step) {
    State& s = state();
    if (!s.armed || s.struck || s.held > 0) return 0;
    if (s.armed->step != Step::Any && s.armed->step != step) return 0;
    if (++s.seen < s.armed->nth) return 0;
    s.struck = true;
    return s.armed->error;
}

}  // namespace vell::faults
