// A seam for tests: makes the Nth step of one kind of file work fail with a
// given error, as a full disk or a failing drive would. Unarmed, it costs a
// counter and changes nothing. The file routines of this folder ask it
// before each step; what they do then is what they do for a real failure.
#pragma once

#include <optional>
#include <string>

namespace vell::faults {

// The steps that can be made to fail. Write is one write of bytes into a
// file; Flush is the flush of a written file to the disk (fsync); Sync the
// flush of the folder that holds a renamed file; Close the close of a
// written file; Rename the rename of a temporary file over its target; Copy
// the whole of one file copy, failing as its reading would; Read one read of
// a whole file; Remove one deletion. Any counts every step.
enum class Step { Write, Flush, Sync, Close, Rename, Copy, Read, Remove, Any };

struct Fault {
    Step step = Step::Any;
    int nth = 1;     // from 1: the first step of its kind after arming
    int error = 0;   // errno value the step fails with (ENOSPC, EIO)
};

// A fault from its text "KIND:N[:ERROR]", as in "write:3:ENOSPC" or
// "rename:1"; kinds are the names above in lower case, errors ENOSPC, EIO,
// EACCES or a number (EIO when left out). Nothing for any other text.
std::optional<Fault> parse(const std::string& text);

// Arms the fault; its count starts now.
void arm(const Fault& fault);
void disarm();
// The armed fault has struck since it was armed.
bool struck();

// While one lives, steps are neither counted nor failed: a test reads what
// the program wrote without the fault striking there.
class Hold {
  public:
    Hold();
    ~Hold();
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;
};

// Called by the file routines before each step: 0 to go on, else the error
// the step fails with. A struck fault strikes once.
int inject(Step step);

}  // namespace vell::faults
