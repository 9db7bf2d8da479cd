// The refresh of the exchange-rate table: fetches the central bank's archive
// of table A for a year and rewrites the rate file "KursYYYY" from it.
//
// A rate file written today is current and nothing is fetched. A failed or
// cut download, or an archive without a single day's rates, leaves the rate
// file as it was. Asked for the current year in January, before the bank has
// published a table of the new year, the refresh reads the previous year's
// archive into the current year's rate file and says so in the status line.
// Blocks for the download (at most its time-out, twice in January).
#pragma once

#include <string>

#include "net/download.h"
#include "text/day_number.h"
#include "text/status.h"

namespace zefir::net {

// The bank's folder of yearly archives.
inline constexpr std::string_view kRateServer = "https://static.nbp.pl/dane/kursy/Archiwum/";

struct RateRefresh {
  std::string folder;   // where the archive and the rate file are kept; "" the current folder
  int year = 0;         // the year asked for; 0 for today's
  DayNumber today = 0;  // 0 for the local clock's
  // Where the archive comes from: a folder address (the archive's name is
  // appended), the address of a ".csv" file, or a local archive file.
  std::string source = std::string(kRateServer);
  DownloadLimits limits;
};

struct RateRefreshResult {
  Status status;          // the reason when no rate file could be made
  std::string rate_file;  // its path, whether written now or before
  int year_read = 0;      // the archive's year; 0 when nothing was read now
};

// "archiwum_tab_a_2026.csv" and "Kurs2026".
std::string rateArchiveName(int year);
std::string rateFileName(int year);
// The rate file of `year` in `folder` ("" the current folder).
std::string rateFilePath(const std::string& folder, int year);

RateRefreshResult refreshRates(const RateRefresh& request);

}  // namespace zefir::net
