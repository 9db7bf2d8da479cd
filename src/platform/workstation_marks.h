// Marking this workstation's reads and writes of the base in its marker, as
// the core sees it. The workstation part installs the real one; the default
// allows every mark.
//
// Contract: mark() may refuse (returns false); the caller then neither reads
// nor writes. unmark() may also refuse; callers repeat it until it succeeds.
#pragma once

#include <string_view>

namespace zefir {

class WorkstationMarks {
 public:
  virtual ~WorkstationMarks() = default;
  // op is '+' (reading what others appended) or '#' (appending); `file` is
  // the base file concerned.
  virtual bool mark(char op, std::string_view file) = 0;
  virtual bool unmark() = 0;
};

WorkstationMarks& workstationMarks();
// Repeats unmark() (a short random pause between tries) until it succeeds.
void unmarkUntilDone();
// Unmarks when a marked read or write ends, also by an exception.
struct UnmarkOnExit {
  ~UnmarkOnExit() { unmarkUntilDone(); }
};
void setWorkstationMarks(WorkstationMarks* marks);  // nullptr restores the default

}  // namespace zefir
