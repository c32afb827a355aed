// A small writer of profile text with CR LF line ends, and a deterministic
// number source for the generated files: the same seed gives the same text.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace vell::bench {

class TextBuilder {
  public:
    void section(const std::string& name, const std::string& comment = "") {
        if (!text_.empty()) line("");
        line("[" + name + "]" + (comment.empty() ? "" : "\t\t// " + comment));
    }
    void key(const std::string& name, const std::string& value, const std::string& comment = "") {
        line(name + "=" + value + (comment.empty() ? "" : "  // " + comment));
    }
    // A key written by hand: blanks and a tab around "=".
    void looseKey(const std::string& name, const std::string& value,
                  const std::string& comment = "") {
        line(name + " \t= " + value + (comment.empty() ? "" : "   ;" + comment));
    }
    void comment(const std::string& text) { line("// " + text); }
    void line(const std::string& text) { text_ += text + "\r\n"; }

    std::size_t size() const { return text_.size(); }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

// A fixed sequence of numbers from a seed (a 64-bit linear congruential
// step): generated files differ from one another yet never between runs.
class Numbers {
  public:
    explicit Numbers(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ULL + 1) {}
    // A whole number in [lo, hi].
    int whole(int lo, int hi) {
        next();
        return lo + static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(hi - lo + 1));
    }
    // A number in [lo, hi) written with `decimals` places.
    std::string fixed(double lo, double hi, int decimals) {
        next();
        const double unit = static_cast<double>(state_ >> 11) / 9007199254740992.0;
        return format(lo + (hi - lo) * unit, decimals);
    }
    static std::string format(double value, int decimals) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
        return buf;
    }

  private:
    void next() { state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL; }
    std::uint64_t state_;
};

}  // namespace vell::bench
