// Runs file work again and again with a fault at the Nth step of one kind, N = 1, 2, ..., until
// the fault no longer strikes: every way that kind of step can fail in that work is tried.
#pragma once

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <ostream>
#include <string>

#include "platform/faults.h"

namespace vell::testing {

struct FaultKind { faults::Step step; int error; const char* name; };

inline std::ostream& operator<<(std::ostream& out, const FaultKind& k) { return out << k.name; }

inline const FaultKind kEveryFaultKind[] = {
    {faults::Step::Write, ENOSPC, "write_ENOSPC"}, {faults::Step::Write, EIO, "write_EIO"},
    {faults::Step::Flush, EIO, "flush_EIO"},       {faults::Step::Sync, EIO, "sync_EIO"},
    {faults::Step::Close, ENOSPC, "close_ENOSPC"}, {faults::Step::Rename, EIO, "rename_EIO"},
    {faults::Step::Copy, EIO, "copy_EIO"},         {faults::Step::Read, EIO, "read_EIO"},
    {faults::Step::Any, ENOSPC, "any_ENOSPC"}};

// The seam unarmed whatever the test does.
struct DisarmedAtEnd { ~DisarmedAtEnd() { faults::disarm(); } };

// prepare, work with the fault armed, check(struck, n), for n = 1, 2, ... up
// to the first run the fault did not strike; the number of runs it struck.
inline int runWithEveryFault(const FaultKind& kind, const std::function<void()>& prepare,
                             const std::function<void()>& work,
                             const std::function<void(bool struck, int n)>& check) {
    DisarmedAtEnd disarm;
    for (int n = 1; n < 1000; ++n) {
        prepare();
        faults::arm({kind.step, n, kind.error});
        work();
        const bool struck = faults::struck();
        faults::disarm();
        SCOPED_TRACE(std::string(kind.name) + " at step " + std::to_string(n));
        check(struck, n);
        if (!struck || ::testing::Test::HasFatalFailure()) return n - 1;
    }
    ADD_FAILURE() << "the work never ran without the fault";
    return 0;
}

}  // namespace vell::testing
