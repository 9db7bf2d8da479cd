#include "shell/workstation_table.h"

#include <algorithm>

#include "platform/open_retry.h"
#include "platform/status_line.h"
#include "shell/workstations.h"
#include "text/codepage.h"

namespace zefir::shell {

namespace {

constexpr int kUserAt = 2, kUserMax = 25;
constexpr int kUsesAt = 28, kUseSize = 32, kNameMax = 30;
constexpr int kDocumentsAt = 124, kDocumentSize = 16, kDocumentMax = 15;
constexpr int kFileAt = 204;
static_assert(kFileAt + 1 + kNameMax <= kTableRecordSize);

std::string readShort(std::string_view bytes, int at, int max) {
  const int n = std::min<int>(static_cast<unsigned char>(bytes[at]), max);
  return std::string(bytes.substr(at + 1, n));
}

void writeShort(std::string& bytes, int at, int max, std::string_view s) {
  // Long paths keep their end, where the file's name is.
  if (static_cast<int>(s.size()) > max) s = s.substr(s.size() - max);
  bytes[at] = static_cast<char>(s.size());
  std::copy(s.begin(), s.end(), bytes.begin() + at + 1);
}

std::string cut(std::string_view s, int max) {
  return std::string(static_cast<int>(s.size()) > max ? s.substr(s.size() - max) : s);
}

}  // namespace

WorkstationRecord WorkstationRecord::decode(std::string_view b) {
  WorkstationRecord r;
  r.number = static_cast<unsigned char>(b[0]) | static_cast<unsigned char>(b[1]) << 8;
  r.user = readShort(b, kUserAt, kUserMax);
  for (int i = 0; i < 3; ++i) {
    r.uses[i].mark = b[kUsesAt + i * kUseSize];
    r.uses[i].name = readShort(b, kUsesAt + i * kUseSize + 1, kNameMax);
  }
  for (int i = 0; i < 5; ++i)
    r.documents[i] = readShort(b, kDocumentsAt + i * kDocumentSize, kDocumentMax);
  r.file = readShort(b, kFileAt, kNameMax);
  return r;
}

std::string WorkstationRecord::encode() const {
  std::string b(kTableRecordSize, '\0');
  b[0] = static_cast<char>(number & 0xFF);
  b[1] = static_cast<char>(number >> 8);
  writeShort(b, kUserAt, kUserMax, user);
  for (int i = 0; i < 3; ++i) {
    b[kUsesAt + i * kUseSize] = uses[i].mark;
    writeShort(b, kUsesAt + i * kUseSize + 1, kNameMax, uses[i].name);
  }
  for (int i = 0; i < 5; ++i)
    writeShort(b, kDocumentsAt + i * kDocumentSize, kDocumentMax, documents[i]);
  writeShort(b, kFileAt, kNameMax, file);
  return b;
}

std::string WorkstationRecord::summary() const {
  std::string s = std::to_string(number) + " " + user + " [" + file + "]";
  for (const Use& u : uses)
    if (u.mark) s += std::string(" ") + u.mark + u.name;
  for (const std::string& d : documents)
    if (!d.empty()) s += " D" + d;
  return s;
}

bool marksConflict(char mine, char theirs) {
  return mine == '#' || theirs == '#' || (mine == '@' && theirs == '@');
}

std::string applyMark(WorkstationRecord& own, const std::vector<WorkstationRecord>& others, char c,
                      std::string_view rawName, std::string* notice) {
  const bool isDocument = c == 'D' || c == 'd';
  const bool isUser = c == '$';
  const std::string name = cut(rawName, isDocument ? kDocumentMax : isUser ? kUserMax : kNameMax);
  if (c == '+' || c == '#' || c == '@' || c == '$' || c == 'D') {
    for (const WorkstationRecord& o : others) {
      bool taken = false;
      if (isUser)
        taken = !name.empty() && o.user == name;
      else if (c == 'D')
        taken = std::find(o.documents.begin(), o.documents.end(), name) != o.documents.end();
      else
        for (const auto& u : o.uses)
          taken = taken || (u.mark && u.name == name && marksConflict(c, u.mark));
      if (taken) return name + text::fromUtf8(" zajęty (") + std::to_string(o.number) + ")";
    }
  }
  switch (c) {
    case '+':
    case '#':
    case '@':
      std::move_backward(own.uses.begin(), own.uses.end() - 1, own.uses.end());
      own.uses[0] = {c, name};
      break;
    case '$':
      own.user = name;
      break;
    case 'D':
      std::move_backward(own.documents.begin(), own.documents.end() - 1, own.documents.end());
      own.documents[0] = name;
      break;
    case '!':
      own.file = name;
      break;
    case '-': {
      auto it = std::find_if(own.uses.begin(), own.uses.end(),
                             [&](const auto& u) { return u.mark && u.name == name; });
      if (it != own.uses.end()) {
        std::move(it + 1, own.uses.end(), it);
        own.uses.back() = {};
      }
      break;  // a name pushed out by later marks counts as removed
    }
    case 'd': {
      auto it = std::find(own.documents.begin(), own.documents.end(), name);
      if (it != own.documents.end()) {
        std::move(it + 1, own.documents.end(), it);
        own.documents.back().clear();
      }
      break;
    }
    case '?': {
      const int number = own.number;
      if (!own.user.empty() && notice) *notice = text::fromUtf8("Powtórzony Użytkownik");
      own = WorkstationRecord();
      own.number = number;
      break;
    }
    default:
      return text::fromUtf8("Zły ") + std::string(1, c);
  }
  return {};
}

TableMarks::TableMarks(std::string tablePath, int workstation)
    : path_(std::move(tablePath)), workstation_(workstation) {}

TableMarks::Outcome TableMarks::update(char c, std::string_view name) {
  platform::SharedFile table;
  if (!platform::openWithRetry(table, path_, platform::ShareMode::Exclusive,
                               platform::Creation::OpenOrCreate, "aTProcH:934"))
    return Outcome::Locked;
  std::string bytes(kTableRecords * kTableRecordSize, '\0');
  table.readAt(0, bytes.data(), bytes.size());
  std::vector<WorkstationRecord> others;
  for (int n = 0; n <= 197; ++n) {
    if (n == workstation_) continue;
    others.push_back(WorkstationRecord::decode(
        std::string_view(bytes).substr(n * kTableRecordSize, kTableRecordSize)));
    others.back().number = n;
  }
  const std::size_t at = static_cast<std::size_t>(workstation_) * kTableRecordSize;
  WorkstationRecord own =
      WorkstationRecord::decode(std::string_view(bytes).substr(at, kTableRecordSize));
  own.number = workstation_;
  std::string notice;
  const std::string refused = applyMark(own, others, c, name, &notice);
  if (!refused.empty()) {
    showStatus(refused, StatusKind::Error);
    return Outcome::Refused;
  }
  const std::string record = own.encode();
  table.writeAt(static_cast<std::int64_t>(at), record.data(), record.size());
  summary_ = own.summary();
  if (!notice.empty()) showStatus(notice, StatusKind::Notice);
  return Outcome::Applied;
}

bool TableMarks::markName(char c, std::string_view name) {
  if (workstation_ < 0 || workstation_ >= kTableRecords) return true;
  return update(c, name) != Outcome::Refused;
}

bool TableMarks::mark(char op, std::string_view file) {
  if (!markName(op, file)) return false;
  if (op == '+' || op == '#' || op == '@') marked_.emplace_back(file);
  return true;
}

bool TableMarks::unmark() {
  if (marked_.empty()) return true;
  if (workstation_ >= 0 && workstation_ < kTableRecords &&
      update('-', marked_.back()) == Outcome::Locked)
    return false;
  marked_.pop_back();
  return true;
}

}  // namespace zefir::shell
