// Sources for the import tests, written in the test by the writers of the
// same formats: zip archives of XML parts (libzip), workbooks
// (libxlsxwriter), DBF tables (shapelib).
#pragma once

#include <shapefil.h>
#include <xlsxwriter.h>
#include <zip.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "../platform/test_dir.h"

namespace zefir::import_test {

// A zip archive of the given parts (name, content).
inline void writeZip(const std::string& path,
                     const std::vector<std::pair<std::string, std::string>>& parts) {
  int error = 0;
  zip_t* z = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  ASSERT_NE(z, nullptr);
  for (const auto& [name, content] : parts) {
    zip_source_t* src = zip_source_buffer(z, content.data(), content.size(), 0);
    ASSERT_GE(zip_file_add(z, name.c_str(), src, ZIP_FL_OVERWRITE), 0);
  }
  ASSERT_EQ(zip_close(z), 0);
}

// A minimal .xlsx of one sheet whose cells are given as the sheet's XML rows.
inline void writeXlsxParts(const std::string& path, const std::string& sheetName,
                           const std::string& rowsXml, const std::string& sharedXml = "") {
  std::vector<std::pair<std::string, std::string>> parts{
      {"xl/workbook.xml",
       "<?xml version=\"1.0\"?><workbook xmlns=\"http://schemas.openxmlformats.org/"
       "spreadsheetml/2006/main\" xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/"
       "2006/relationships\"><sheets><sheet name=\"" +
           sheetName + "\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
      {"xl/_rels/workbook.xml.rels",
       "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/"
       "2006/relationships\"><Relationship Id=\"rId1\" Type=\"worksheet\" "
       "Target=\"worksheets/sheet1.xml\"/></Relationships>"},
      {"xl/worksheets/sheet1.xml",
       "<?xml version=\"1.0\"?><worksheet xmlns=\"http://schemas.openxmlformats.org/"
       "spreadsheetml/2006/main\"><sheetData>" +
           rowsXml + "</sheetData></worksheet>"}};
  if (!sharedXml.empty())
    parts.push_back({"xl/sharedStrings.xml",
                     "<?xml version=\"1.0\"?><sst xmlns=\"http://schemas.openxmlformats.org/"
                     "spreadsheetml/2006/main\">" +
                         sharedXml + "</sst>"});
  writeZip(path, parts);
}

// A workbook written by libxlsxwriter: one sheet, rows of UTF-8 texts; a
// text that reads as a number is written as a number, "D:43905" as a date
// cell holding that serial day.
inline void writeXlsx(const std::string& path, const std::string& sheetName,
                      const std::vector<std::vector<std::string>>& rows) {
  lxw_workbook* wb = workbook_new(path.c_str());
  lxw_worksheet* ws = workbook_add_worksheet(wb, sheetName.c_str());
  lxw_format* date = workbook_add_format(wb);
  format_set_num_format(date, "dd.mm.yyyy");
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      const std::string& v = rows[r][c];
      char* end = nullptr;
      const double n = std::strtod(v.c_str(), &end);
      if (v.starts_with("D:"))
        worksheet_write_number(ws, r, c, std::stod(v.substr(2)), date);
      else if (!v.empty() && !*end)
        worksheet_write_number(ws, r, c, n, nullptr);
      else if (!v.empty())
        worksheet_write_string(ws, r, c, v.c_str(), nullptr);
    }
  ASSERT_EQ(workbook_close(wb), LXW_NO_ERROR);
}

struct DbfField {
  std::string name;
  char type;  // 'C', 'N', 'D'
  int width, decimals;
};

// A DBF table written by shapelib with the code page `ldid` ("LDID/200" for
// 1250, "LDID/100" for 852); texts are given already in that code page.
inline void writeDbf(const std::string& path, const char* ldid, const std::vector<DbfField>& fields,
                     const std::vector<std::vector<std::string>>& rows) {
  DBFHandle h = DBFCreateEx(path.c_str(), ldid);
  ASSERT_NE(h, nullptr);
  for (const DbfField& f : fields)
    ASSERT_GE(DBFAddNativeFieldType(h, f.name.c_str(), f.type, f.width, f.decimals), 0);
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      DBFWriteAttributeDirectly(h, static_cast<int>(r), static_cast<int>(c),
                                const_cast<char*>(rows[r][c].c_str()));
  DBFClose(h);
  // shapelib names the table ".dbf" whatever the extension given, and writes
  // the code page beside it; the reader must go by the table's own language
  // byte, and the tests want the name's letter case as they give it.
  const std::filesystem::path written = std::filesystem::path(path).replace_extension(".dbf");
  if (written != path) std::filesystem::rename(written, path);
  std::filesystem::remove(std::filesystem::path(path).replace_extension(".cpg"));
}

}  // namespace zefir::import_test
