// A spreadsheet saved as CSV: records of fields, separated by ';' or ',' as the file uses, fields in
// double quotes when they hold the separator, a quote ("" inside) or a line break.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quill {

// One record; number is its row in the spreadsheet (1 for the first record, blank records counted).
struct CsvRow {
  long number = 0;
  std::vector<std::string> cells;
};

struct CsvTable {
  std::vector<CsvRow> rows;  // the records of the file with a value in them, the header row included
  char separator = ',';
  bool utf8 = true;  // false: the file was not UTF-8 and its bytes were taken as Windows Latin
};

// A data file larger than this, or with more cells than this, is refused rather than read into memory.
inline constexpr size_t CsvSizeLimit = 64u * 1024 * 1024;
inline constexpr size_t CsvCellLimit = 4u * 1000 * 1000;

// The separator the file uses: of ';', ',' and tab the first that splits the opening records into the
// same number of fields (more than one); else the one that splits the first record most; else ','.
char DetectCsvSeparator(std::string_view text);

// Splits the text into records.  Line ends may be CR LF, LF or CR (a line break inside quotes becomes
// LF); a byte-order mark is skipped; records whose every field is empty are dropped.  separator 0:
// detected.  On a quoted field that never closes, or too many cells, false with the message in error.
bool ParseCsv(std::string_view text, char separator, CsvTable& table, std::string& error);

// Reads and parses the file; the text is UTF-8, else taken as Windows Latin.  The cells come out as
// UTF-8 in both cases.  False with the message in error when the file cannot be read or parsed.
bool ReadCsvFile(const std::string& path, char separator, CsvTable& table, std::string& error);

}  // namespace quill
