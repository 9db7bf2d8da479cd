// Two workstations as two processes on one program folder: the use marks of
// one refuse the other's writing, and a workstation killed in the middle of
// its work stops refusing only once the next count has found it gone.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/status_line.h"
#include "shell/workstation_table.h"
#include "shell/workstations.h"
#include "shell_test_folder.h"
#include "text/codepage.h"

namespace zefir::shell {
namespace {

using testing::ProgramFolder;

class LastStatus : public StatusLine {
 public:
  void show(std::string_view text, StatusKind) override { last = text; }
  std::string last;
};

// Workstation 3 in a child process: holds its marker, marks reading the
// base and waits to be killed. Returns its process id once it has marked.
pid_t startReadingWorkstation() {
  int ready[2];
  if (::pipe(ready) != 0) return -1;
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(ready[0]);
    StartupMarker marker;
    TableMarks marks(kWorkstationTable, 3);
    const bool ok = marker.create(markerPath("", ".003", true)) == StartupMarker::Result::Created &&
                    marks.mark('+', "Srodki.PST");
    const char byte = ok ? 'y' : 'n';
    (void)!::write(ready[1], &byte, 1);
    for (;;) ::pause();
  }
  ::close(ready[1]);
  char byte = 0;
  const bool ok = ::read(ready[0], &byte, 1) == 1 && byte == 'y';
  ::close(ready[0]);
  return ok ? child : -1;
}

TEST(WorkstationProcesses, KilledReadersMarkRefusesWritingUntilTheNextCount) {
  ProgramFolder folder;
  LastStatus status;
  setStatusLine(&status);
  ASSERT_TRUE(clearIdleWorkstations(kWorkstationTable, {}).ok());
  const pid_t three = startReadingWorkstation();
  ASSERT_GT(three, 0);

  TableMarks five(kWorkstationTable, 5);
  EXPECT_TRUE(five.mark('+', "Srodki.PST"));  // reading beside a reader
  EXPECT_TRUE(five.unmark());
  EXPECT_FALSE(five.mark('#', "Srodki.PST"));
  EXPECT_EQ(status.last, text::fromUtf8("Srodki.PST zajęty (3)"));
  WorkingWorkstations running = countWorkingWorkstations(markerFolder(""));
  EXPECT_EQ(running.count, 1);
  EXPECT_TRUE(running.working[3]);
  ASSERT_TRUE(clearIdleWorkstations(kWorkstationTable, running).ok());
  EXPECT_FALSE(five.mark('#', "Srodki.PST"));  // a running reader's mark stays

  ::kill(three, SIGKILL);
  ::waitpid(three, nullptr, 0);
  EXPECT_FALSE(five.mark('#', "Srodki.PST"));  // its mark outlives it in the table
  EXPECT_TRUE(platform::exists("Kosz/!Prac-ST.003"));
  const WorkingWorkstations after = countWorkingWorkstations(markerFolder(""));
  EXPECT_EQ(after.count, 0);
  EXPECT_FALSE(platform::exists("Kosz/!Prac-ST.003"));
  ASSERT_TRUE(clearIdleWorkstations(kWorkstationTable, after).ok());
  EXPECT_TRUE(five.mark('#', "Srodki.PST"));
  EXPECT_TRUE(five.unmark());
  setStatusLine(nullptr);
}

}  // namespace
}  // namespace zefir::shell
