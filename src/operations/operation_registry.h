// The operations behind the options, and `WykonaOpc`, which runs an option.
//
// Contract for the code that adds operations (listings, documents, editing):
//
// - An operation is registered once, under its option number or option code
//   (either; both name the same option), before the first option runs. The
//   core library is a static library, so an operation that registers itself
//   from a static initialiser may be dropped by the linker: register from a
//   function and call it from registerBuiltOperations() (operations_setup.cc),
//   which the desktop and zefir-cli call at start.
// - It is called with an OperationRun: the option, the parameter values (a
//   map from four-letter field code to the text(s) the field holds, already
//   checked and completed), the register, the base folder, today and the
//   chosen output. A report operation (OptionInfo::reportBracket()) gets a
//   ReportBuffer that it writes from beginReport to endReport; others get
//   nullptr there.
// - It answers a Status: Ok, or an error whose Polish message (code page 1250)
//   the caller shows in the status line. It may show its own progress and
//   information in the status line. It runs on the caller's thread.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "operations/field_rules.h"
#include "operations/option_catalogue.h"
#include "output/report_buffer.h"
#include "register/base_journal.h"
#include "text/status.h"

namespace zefir::operations {

// The values of a parameter set, by field code. A field that appears several
// times in a layout, or takes several values (`SroW` given more than once on
// the command line), holds them in order.
class FieldValues {
 public:
  // Replaces the field's values by one text.
  void set(std::string_view code, std::string text);
  void setAll(std::string_view code, std::vector<std::string> texts);
  // Adds one more value.
  void add(std::string_view code, std::string text);
  // The first value, "" when the field has none.
  const std::string& text(std::string_view code) const;
  // Every value, in order (empty when none).
  const std::vector<std::string>& all(std::string_view code) const;
  bool has(std::string_view code) const { return values_.find(code) != values_.end(); }
  const std::map<std::string, std::vector<std::string>, std::less<>>& entries() const {
    return values_;
  }

 private:
  std::map<std::string, std::vector<std::string>, std::less<>> values_;
};

// The option's input fields that `given` leaves out or empty, filled with
// their defaults (`nAutomEdit`); fields without a default stay out.
FieldValues withDefaults(const OptionInfo& option, FieldValues given, const FieldContext& context);

// The first field of the option whose value its check refuses, with the
// check's message; every value is completed (`nUzupeEdit`) in `values` on the
// way. Ok when all pass. Refusals read "Tu popraw: " and the field code.
Status checkAndComplete(const OptionInfo& option, FieldValues& values, const FieldContext& context);

struct OperationRun {
  const OptionInfo& option;
  const FieldValues& values;
  AssetRegister* assets = nullptr;
  std::string baseFolder;
  DayNumber today = 0;
  std::string outputCode = "p";            // the chosen output's code ("p" preview, "e" ...)
  output::ReportBuffer* report = nullptr;  // for report operations only
  // True once the user asked to stop (Esc while the operation runs); a long
  // operation polls it between assets. Never empty.
  std::function<bool()> stopRequested = [] { return false; };
  // The journal of the base in force, for operations that save assets
  // (nullptr when none is open).
  BaseJournal* journal = nullptr;
  // Asks a yes/no question (code page 1250, without " ?"); true for yes.
  // Never empty; the default answers no.
  std::function<bool(std::string_view)> ask = [](std::string_view) { return false; };
  // Asks a question that may also be cancelled: 'T' yes, 'N' no, 0 cancel;
  // `defaultAnswer` ('T' or 'N') is offered first. Never empty; the default
  // cancels.
  std::function<char(std::string_view question, char defaultAnswer)> choose =
      [](std::string_view, char) { return char{0}; };
};

using Operation = std::function<Status(OperationRun&)>;

// Registers (or replaces) the operation of an option. False when no option
// has that number or code.
bool registerOperation(int optionNumber, Operation operation);
bool registerOperation(std::string_view optionCode, Operation operation);
// Removes every registered operation (tests).
void clearOperations();
bool hasOperation(int optionNumber);

// Registers every operation that is built. Safe to call more than once.
void registerBuiltOperations();

// The report bracket: the dialog's steps around a report operation.
class ReportBracket {
 public:
  virtual ~ReportBracket() = default;
  // Before the report: `period` is formed from `DaOd` and `DaDo`.
  virtual void begin(const std::string& period) = 0;
  // After it, with the buffer written and the operation's result.
  virtual void end(output::ReportBuffer& report, const Status& result) = 0;
};

// The period text of a report: "od DD-MM-YYYY do DD-MM-YYYY", "na dzień
// DD-MM-YYYY" with `DaDo` alone, "" with neither.
std::string periodText(const FieldValues& values);

// Where the dialog's focus goes after the option ran.
enum class FocusAfter { Stay, FirstField, LastField };

struct RunOutcome {
  Status status;
  FocusAfter focus = FocusAfter::Stay;
};

struct RunEnvironment {
  AssetRegister* assets = nullptr;
  std::string baseFolder;
  DayNumber today = 0;
  std::string outputCode = "p";
  output::ReportBuffer* report = nullptr;              // where a report goes (required for reports)
  ReportBracket* bracket = nullptr;                    // optional
  std::function<bool()> stopRequested;                 // optional
  BaseJournal* journal = nullptr;                      // optional: the base in force
  std::function<bool(std::string_view)> ask;           // optional: a yes/no question
  std::function<char(std::string_view, char)> choose;  // optional: yes, no or cancel
};

// `WykonaOpc`: runs the option. An option whose operation is not built yet
// answers an error saying so in Polish (and shows it in the status line);
// an import into a register holding 5,000 assets or more is refused with
// "Tylko do pustej bazy".
RunOutcome wykonaOpc(const OptionInfo& option, const FieldValues& values, RunEnvironment& env);

// The message for an option without its operation.
std::string notBuiltText(const OptionInfo& option);

}  // namespace zefir::operations
