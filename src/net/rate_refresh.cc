#include "net/rate_refresh.h"

#include <vector>

#include "net/rate_archive.h"
#include "platform/file_system.h"
#include "platform/status_line.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::net {

namespace {

std::string inFolder(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  const char last = folder.back();
  return folder + (last == '/' || last == '\\' ? "" : "/") + name;
}

bool isWebAddress(std::string_view source) {
  return source.starts_with("http://") || source.starts_with("https://");
}

bool writtenToday(const std::string& path, DayNumber today) {
  const auto stamp = platform::fileStamp(path);
  return stamp && platform::clockOfStamp(*stamp).day == today;
}

// The archive's text for `year`, downloaded into the folder or read from a
// local file; an error status when there is none.
Status fetchArchive(const RateRefresh& request, int year, std::string& content) {
  std::string file = request.source;
  if (isWebAddress(request.source)) {
    std::string url = request.source;
    if (!url.ends_with(".csv")) url += (url.ends_with("/") ? "" : "/") + rateArchiveName(year);
    file = inFolder(request.folder, rateArchiveName(year));
    if (Status status = download(url, file, request.limits); !status) return status;
  }
  auto read = platform::readWholeFile(file);
  if (!read) return Status::Error(text::fromUtf8("Nie można odczytać ") + file);
  content = std::move(*read);
  return Status::Ok();
}

}  // namespace

std::string rateArchiveName(int year) {
  return "archiwum_tab_a_" + std::to_string(year) + ".csv";
}
std::string rateFileName(int year) {
  return "Kurs" + std::to_string(year);
}
std::string rateFilePath(const std::string& folder, int year) {
  return inFolder(folder, rateFileName(year));
}

RateRefreshResult refreshRates(const RateRefresh& request) {
  const DayNumber today = request.today != 0 ? request.today : platform::localClock().day;
  const int year = request.year != 0 ? request.year : text::yearOfDay(today);
  RateRefreshResult result;
  result.rate_file = rateFilePath(request.folder, year);
  if (writtenToday(result.rate_file, today)) return result;

  std::vector<int> years = {year};
  const bool january = text::yearOfDay(today) == year && text::monthOfDay(today) == 1;
  if (january && isWebAddress(request.source) && !request.source.ends_with(".csv"))
    years.push_back(year - 1);

  for (int y : years) {
    std::string content;
    result.status = fetchArchive(request, y, content);
    if (!result.status) continue;
    const RateArchive archive = readRateArchive(content);
    if (archive.rows.empty()) {
      result.status =
          Status::Error(text::fromUtf8("Brak kursów w tabeli NBP ") + std::to_string(y));
      continue;
    }
    showStatus("Tabela NBP wczytana", StatusKind::Information);
    // Written beside and renamed, so a reader never sees half a table.
    const std::string part = partialName(result.rate_file);
    if (!platform::writeWholeFile(part, rateFileText(archive)) ||
        !platform::renameFile(part, result.rate_file)) {
      platform::removeFile(part);
      result.status = Status::Error(text::fromUtf8("Nie można zapisać ") + result.rate_file);
      return result;
    }
    result.year_read = y;
    std::string message = "Tabela NBP wczytana  i zapisana  ( " + std::to_string(y) + " )";
    if (y != year) message += text::fromUtf8("  brak jeszcze tabel ") + std::to_string(year);
    showStatus(message, StatusKind::Information);
    return result;
  }
  return result;
}

}  // namespace zefir::net
