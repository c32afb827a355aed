#include "window/event_boundary.h"

#include <exception>

namespace vell {

namespace {

class Depth {
  public:
    explicit Depth(int& d) : d_(++d) {}
    ~Depth() { --d_; }
    Depth(const Depth&) = delete;
    Depth& operator=(const Depth&) = delete;

  private:
    int& d_;
};

}  // namespace

void EventBoundary::run(const std::function<void()>& handler) {
    if (!handler) return;
    const Depth depth(depth_);
    if (depth_ > 1 || !report_) {
        handler();
        return;
    }
    // The report runs inside the handler of the failure, so that it may
    // look at the failure itself (std::current_exception).
    try {
        handler();
    } catch (const std::exception& e) {
        report_(e.what());
    } catch (...) {
        report_("unknown error");
    }
}

}  // namespace vell
