// The report buffer saved as JSON, so a report can be kept and printed again
// later (zefir-cli render reads exactly what this writes):
//   {"code", "title", "stretch", "params",
//    "columns": [{"align", "width", "h1", "h2"}],
//    "rows": [{"cells": [..]} or {"rule": "-"}]}
// Texts are UTF-8. "rows" holds the rows as the generator added them, without
// the closing rule that ending the report adds.
#pragma once

#include <string>
#include <string_view>

#include "output/report_buffer.h"
#include "text/status.h"

namespace zefir::output {

std::string reportToJson(const ReportBuffer& buffer);

// Replays begin report, the columns, end headers, the rows and end report
// into `buffer`. A malformed document leaves the buffer unchanged.
Status reportFromJson(std::string_view json, ReportBuffer& buffer);

}  // namespace zefir::output
