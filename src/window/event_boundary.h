// Where the window raises its handlers. A failure that escapes a handler
// ends the action a person started, never the program: the outermost event
// of the action reports it, and the window goes on with the next event.
// Nested events (a handler that sets a field) pass a failure outwards, so an
// action stops as a whole at the step that failed.
#pragma once

#include <functional>
#include <string>

namespace vell {

class EventBoundary {
  public:
    using Report = std::function<void(const std::string& what)>;
    // Called with the failure's text while the failure is being handled.
    void setReport(Report report) { report_ = std::move(report); }
    const Report& report() const { return report_; }

    // Runs handler (nothing when it is empty).
    void run(const std::function<void()>& handler);

  private:
    Report report_;
    int depth_ = 0;
};

}  // namespace vell
