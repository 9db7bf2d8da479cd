// A working record as one line of JSON, the form `zefir-cli compute` and
// `compute-all` print:
//
//   symbol asOf asOfYear asOfMonth
//   years (year Brutt Zwiek Zmnie UmoBO UmoBi WykBi), months (charge writeUp
//   writtenOff), summary, classification (SKST rate coef), gross quantity
//   unit, holdings (kind key origin amount quantityShare)
//
// Written straight into a text, without a document tree: compute-all writes
// some 2 to 3 kB for every asset of the register. Numbers are printed as the
// JSON library prints doubles, texts converted to UTF-8 and escaped as it
// escapes them, so the line is the one the library would dump.
#pragma once

#include <string>

#include "register/engine_working_record.h"

namespace zefir::cli {

// Appends the JSON object of `wr` (no newline) to `out`.
void appendWorkingRecordJson(const WorkingRecord& wr, std::string& out);

}  // namespace zefir::cli
