// Helpers for the base journal tests: a filled asset, raw record bytes.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "../platform/test_dir.h"
#include "register/asset_record.h"
#include "register/base_record.h"
#include "text/codepage.h"

namespace zefir::testing {

// An asset with every field set, Polish letters included (code page 1250).
inline AssetRecord filledAsset(const std::string& symb) {
  AssetRecord a;
  a.Symb = symb;
  a.Nazw = text::fromUtf8("Zestaw komputerowy ŁĄCZNOŚĆ ") + symb;
  a.DtZa = 36900;
  a.CeZa = 12345.67L;
  a.DdZa = "FV 12/2021";
  a.DtOT = 36910;
  a.WaOT = 12000.5L;
  a.RokP = 2019;
  a.WaBr = 11000.25L;
  a.WaUm = 321.09L;
  a.MeUm = 'L';
  a.Na2w = text::fromUtf8("drugi wiersz żółć");
  a.Dost = text::fromUtf8("Hurtownia Świętokrzyska");
  a.DdOT = "OT 1/2021";
  for (int i = 0; i < kOpisLines; ++i) a.Opis[i] = "opis " + std::to_string(i + 1);
  for (int i = 0; i < kRateEntries; ++i) {
    a.K[i].date = static_cast<DayNumber>(36910 + 365 * i);
    a.K[i].SKST = text::fromUtf8("491Ś") + std::to_string(i);
    a.K[i].StPo = 30 + i;
    a.K[i].WsPo = 1;
    a.K[i].StBi = 20 + i / 3.0L;
    a.K[i].WsBi = 1.5L;
  }
  for (int i = 0; i < kChangeEntries; i += 7)
    a.Z[i] = "MU:0101" + std::to_string(21 + i % 9) + ",POK " + std::to_string(i);
  return a;
}

// Short string at `at` of a raw record (the bytes as given).
inline void putShort(base::BaseRecord& r, std::size_t at, const std::string& bytes) {
  r[at] = static_cast<unsigned char>(bytes.size());
  std::memcpy(&r[at + 1], bytes.data(), bytes.size());
}

// A raw record with symbol, kind, sub-index and a writer identifier.
inline base::BaseRecord rawRecord(const std::string& mazoviaSymb, int kind, int sub = 0) {
  base::BaseRecord r{};
  putShort(r, base::kSymb, mazoviaSymb);
  r[base::kKind] = static_cast<unsigned char>(kind);
  r[base::kSubIndex] = static_cast<unsigned char>(sub);
  r[base::kStampWriter] = '0';
  r[base::kStampWriter + 1] = '0';
  r[base::kStampWriter + 2] = '7';
  return r;
}

// Runs `workstation(station)` in `count` child processes (stations 1 to
// count), all let go at once once every one of them is there; returns each
// child's exit status in station order (-1 for a child that did not end by
// exiting, 125 for one that was never let go).
template <typename Workstation>
std::vector<int> runWorkstationProcesses(int count, Workstation workstation) {
  int start[2];
  if (::pipe(start) != 0) return {};
  std::vector<pid_t> children;
  for (int station = 1; station <= count; ++station) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      char go;
      ::_exit(::read(start[0], &go, 1) == 1 ? workstation(station) : 125);
    }
    children.push_back(pid);
  }
  const std::string go(static_cast<std::size_t>(count), 'G');
  (void)!::write(start[1], go.data(), go.size());
  ::close(start[0]);
  ::close(start[1]);
  std::vector<int> statuses;
  for (pid_t pid : children) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    statuses.push_back(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
  }
  return statuses;
}

}  // namespace zefir::testing
