// The database control (PROK): the main base file read record by record as
// it lies, one row per record of the selected assets with its write stamp,
// symbol, kind and ordinal and its content as text; then what replay skips
// and a torn tail, counted as `zefir-cli check` counts them.
#pragma once

#include <string>
#include <vector>

#include "output/report_buffer.h"
#include "text/status.h"

namespace zefir::operations {

// Writes the report from Begin report to its last row (End report is the
// caller's). The open is retried while another workstation holds the file;
// a file that still cannot be opened gives one row with the error.
void runBaseControl(const std::string& baseFile, const std::vector<std::string>& masks,
                    output::ReportBuffer& out);

// Registers `Kontr`: `SroW`; the base file is the environment's.
void registerBaseControlOperation();

}  // namespace zefir::operations
