// The spreadsheet export: the marked rows of the report buffer written into
// an .xlsx workbook of the program's own making.
//
// Worksheet layout: rows 1 and 2 hold the two header lines (bold, frozen),
// buffer row r is worksheet row r - From + 3, buffer column j (from 1) is
// worksheet column j + 1, and column A holds the rules as lines of their
// character. The title lines stand in the column after the last report column.
// Right-aligned columns carry numbers with an integer or a two-decimal format,
// left and centred columns carry text.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "output/report_buffer.h"
#include "output/report_context.h"

namespace zefir::output {

// The most To - From the export takes: 100,001 rows.
inline constexpr int kXlsxMaxSpan = 100000;

enum class XlsxOutcome { Written, Cancelled, TooManyRows, NotWritten };

// The two title cells (code page 1250).
struct XlsxTitles {
  std::string line1;
  std::string line2;
};

// "Zefir ver " version "   Opcja " menu position " " caption "   " stamp, and
// the organisation text followed by " dla " and the second one when set.
XlsxTitles xlsxTitles(const ReportContext& context, std::string_view stamp);

// A right-aligned cell as a number: every "." removed and "," read as the
// decimal point; nullopt when what remains is not a number.
std::optional<double> spreadsheetNumber(std::string_view cell);

// Called with each buffer row before it is written; false stops the export,
// keeping the rows written so far.
using XlsxProgress = std::function<bool(int row)>;

// Writes rows From..To of `buffer` to `path` (UTF-8 file name).
XlsxOutcome writeXlsx(const ReportBuffer& buffer, int from, int to, const std::string& path,
                      const XlsxTitles& titles, const XlsxProgress& progress = {});

// Where the export of a report goes: the base folder's XLS folder (created
// when missing), under the report code, the date and the time
// ("XLS/WST_2026-12-09_1317.xlsx"). Returns a UTF-8 path.
std::string xlsxExportPath(const ReportContext& context, std::string_view code);

// The stamp of the title cell: "DD-MM-YYYY hh:mm" and the workstation's mark.
std::string xlsxStamp(const ReportContext& context);

}  // namespace zefir::output
