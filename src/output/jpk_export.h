// The audit file (JPK) of the report window's "JPK" button: the fixed
// header, the subject from the company data file and the body copied from
// section files prepared beforehand, written as UTF-8 XML into the base
// folder's JPK folder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "output/company_data.h"
#include "output/report_context.h"
#include "text/day_number.h"

namespace zefir::output {

// The kind of file by the running option's menu position: "EA" the
// accounting books (KR), "DD" the VAT records, anything else "NIC".
struct JpkKind {
  std::string formCode;    // "KR", "VAT", "NIC"
  std::string fileCode;    // "KR_", "VAT", "NIC"
  std::string nameSuffix;  // "" or "_" + the VAT variant
  char namespaceDigit;     // '1', '4', '0'
  std::vector<std::string> sections;
};
JpkKind jpkKind(std::string_view menuPosition, char vatVariant);

// "JPK_" + file code + "_" + "YYYY-MM" of the last day + "_" + the first 7
// characters of the organisation name + suffix + ".XML" (code page 1250).
std::string jpkFileName(const JpkKind& kind, DayNumber lastDay, std::string_view organisation);

// What the writer needs besides the context.
struct JpkRequest {
  CompanyData company;
  DayNumber firstDay = 0;
  DayNumber lastDay = 0;
  std::string createdAt;  // "yyyy-mm-ddThh:nn:ss"
};

struct JpkResult {
  bool written = false;
  std::string path;  // the file (native path, UTF-8)
};

// Creates the JPK folder and writes the file for the context's menu position,
// copying the section files `sectionPrefix` + name + `sectionSuffix` that open.
JpkResult writeJpk(const ReportContext& context, const JpkRequest& request);

// The current local time as "yyyy-mm-ddThh:nn:ss".
std::string jpkTimeNow();

}  // namespace zefir::output
