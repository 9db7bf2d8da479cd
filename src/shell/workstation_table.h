// The workstation table `!/!.!`: 200 records of 250 bytes, record n belonging
// to workstation n, saying which files each running workstation is reading or
// writing, which documents it has open and who works at it. Marking a use
// first checks the other workstations' records for a conflict.
//
// Record layout (bytes):
//     0   2  workstation number, little-endian
//     2  26  user name (length byte and up to 25 characters)
//    28  96  three use marks, newest first: mark character and file name
//            (length byte and up to 30 characters), 32 bytes each
//   124  80  five document names, newest first (length byte and up to 15)
//   204  31  this workstation's file ("!" mark; length byte and up to 30)
//   235  15  unused, zero
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/workstation_marks.h"

namespace zefir::shell {

struct WorkstationRecord {
  int number = 0;
  std::string user;
  struct Use {
    char mark = 0;
    std::string name;
  };
  std::array<Use, 3> uses{};
  std::array<std::string, 5> documents{};
  std::string file;

  static WorkstationRecord decode(std::string_view bytes);  // 250 bytes
  std::string encode() const;
  // A one-line summary of the marks and names for the desktop.
  std::string summary() const;
};

// Whether a use mark on a name conflicts with another workstation's: either
// is "#", or both are "@". Reading never conflicts with reading.
bool marksConflict(char mine, char theirs);

// Applies mark `c` for `name` to record `own` against the others' records.
// Returns "" when applied, else the message to show (the mark is refused
// and `own` unchanged): name + " zajęty (" + number + ")", or "Zły " + c.
// `notice` receives "Powtórzony Użytkownik" when "?" cleared a user.
std::string applyMark(WorkstationRecord& own, const std::vector<WorkstationRecord>& others, char c,
                      std::string_view name, std::string* notice = nullptr);

// The marks of one workstation in the shared table file.
class TableMarks : public WorkstationMarks {
 public:
  TableMarks(std::string tablePath, int workstation);
  // Marks "+", "#", "@", "$", "D", "!", "-", "d", "?" in the table; refused
  // marks show their message in the status line (kind 0). A table locked
  // through every retry neither applies nor refuses: true.
  bool markName(char c, std::string_view name);
  bool mark(char op, std::string_view file) override;
  // Removes the name marked last ("-"); false when the table stayed locked.
  bool unmark() override;
  const std::string& lastSummary() const { return summary_; }

 private:
  enum class Outcome { Applied, Refused, Locked };
  Outcome update(char c, std::string_view name);

  std::string path_;
  int workstation_;
  std::vector<std::string> marked_;  // names marked and not yet unmarked
  std::string summary_;
};

}  // namespace zefir::shell
