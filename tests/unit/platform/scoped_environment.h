// Environment variables set (or removed) for one test and put back as they
// were when it ends.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/environment.h"

namespace vell::testing {

class ScopedEnvironment {
  public:
    using Values = std::vector<std::pair<std::string, std::optional<std::string>>>;

    explicit ScopedEnvironment(const Values& values) {
        for (const auto& [name, value] : values) {
            saved_.emplace_back(name, environmentValue(name));
            setEnvironmentValue(name, value);
        }
    }
    ~ScopedEnvironment() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            setEnvironmentValue(it->first, it->second);
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    Values saved_;
};

}  // namespace vell::testing
