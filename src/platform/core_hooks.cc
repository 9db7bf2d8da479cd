#include "platform/file_system.h"
#include "platform/status_line.h"
#include "platform/workstation_marks.h"

namespace zefir {

namespace {

RememberingStatusLine default_status_line;
StatusLine* current_status_line = &default_status_line;

class AllowAllMarks : public WorkstationMarks {
 public:
  bool mark(char, std::string_view) override { return true; }
  bool unmark() override { return true; }
};

AllowAllMarks default_marks;
WorkstationMarks* current_marks = &default_marks;

}  // namespace

StatusLine& statusLine() {
  return *current_status_line;
}
void setStatusLine(StatusLine* line) {
  current_status_line = line ? line : &default_status_line;
}

WorkstationMarks& workstationMarks() {
  return *current_marks;
}
void setWorkstationMarks(WorkstationMarks* marks) {
  current_marks = marks ? marks : &default_marks;
}

void unmarkUntilDone() {
  while (!workstationMarks().unmark()) platform::sleepMs(platform::randomInt(1, 99));
}

}  // namespace zefir
