// The status line as the core sees it. The desktop window installs its own
// implementation; until then (and in zefir-cli and tests) the default keeps
// the last text so callers and tests can look at it.
#pragma once

#include <string>
#include <string_view>

namespace zefir {

// The three kinds of status text.
enum class StatusKind { Error = 0, Notice = 1, Information = 2 };

class StatusLine {
 public:
  virtual ~StatusLine() = default;
  // Shows `text` (code page 1250) with its kind.
  virtual void show(std::string_view text, StatusKind kind) = 0;
};

// The status line in force; never null.
StatusLine& statusLine();
// Installs `line` (nullptr restores the default). The caller keeps ownership.
void setStatusLine(StatusLine* line);

// Shorthand for statusLine().show(text, kind).
inline void showStatus(std::string_view text, StatusKind kind) {
  statusLine().show(text, kind);
}

// The default status line: remembers the last text and kind.
class RememberingStatusLine : public StatusLine {
 public:
  void show(std::string_view text, StatusKind kind) override {
    last_text = std::string(text);
    last_kind = kind;
  }
  std::string last_text;
  StatusKind last_kind = StatusKind::Information;
};

}  // namespace zefir
