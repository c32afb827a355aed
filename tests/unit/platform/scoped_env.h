// An environment variable set for one test and restored when it ends. The
// value is a model text (Windows-1252), given to the host as its own text:
// UTF-8 on POSIX, UTF-16 on Windows.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/host_names.h"

namespace vell::testing {

class ScopedEnv {
  public:
    explicit ScopedEnv(std::string name) : name_(std::move(name)) {
        if (const char* old = std::getenv(name_.c_str())) old_ = old;
    }
    ~ScopedEnv() {
        if (old_) {
            put(*old_, false);
        } else {
            unset();
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

    void set(const std::string& value) const { put(value, true); }
    void unset() const {
#ifdef _WIN32
        _putenv_s(name_.c_str(), "");
#else
        ::unsetenv(name_.c_str());
#endif
    }

  private:
    void put(const std::string& value, bool modelText) const {
#ifdef _WIN32
        if (modelText) {
            const std::wstring wideName(name_.begin(), name_.end());
            _wputenv_s(wideName.c_str(), files::toHostName(value).c_str());
        } else {
            _putenv_s(name_.c_str(), value.c_str());
        }
#else
        ::setenv(name_.c_str(), modelText ? files::toHostName(value).c_str() : value.c_str(), 1);
#endif
    }

    std::string name_;
    std::optional<std::string> old_;  // the host's own text
};

}  // namespace vell::testing
