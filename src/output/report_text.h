// The report buffer as plain text, for the command line and tests: the title
// and parameter line, two header lines, then rows From..To in fixed-width
// columns (width + 2 characters each, cells placed as in print), rules drawn
// with their own characters. Code page 1250, lines ended by '\n'.
#pragma once

#include <string>

#include "output/report_buffer.h"

namespace zefir::output {

std::string renderText(const ReportBuffer& buffer, int from, int to);

}  // namespace zefir::output
