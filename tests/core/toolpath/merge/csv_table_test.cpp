// Spreadsheets saved as CSV the ways shops get them: quoted cells with separators, quotes and line
// breaks, either separator, Windows and Unix line ends, a byte-order mark, and files that are not UTF-8.
#include "toolpath/merge/csv_table.h"

#include <gtest/gtest.h>

#include "test_support.h"
#include "toolpath/merge/text_codes.h"

namespace quill {
namespace {

using Cells = std::vector<std::string>;

CsvTable Parsed(const std::string& text, char separator = 0) {
  CsvTable t;
  std::string error;
  EXPECT_TRUE(ParseCsv(text, separator, t, error)) << error;
  return t;
}

TEST(CsvTable, QuotedCellsKeepSeparatorsQuotesAndLineBreaks) {
  CsvTable t = Parsed("Name,Note\r\n\"Smith, J.\",\"He said \"\"hi\"\"\r\nline two\"\r\nplain \"quote\",x\r\n");
  ASSERT_EQ(t.rows.size(), 3u);
  EXPECT_EQ(t.rows[1].cells, (Cells{"Smith, J.", "He said \"hi\"\nline two"}));
  EXPECT_EQ(t.rows[2].cells, (Cells{"plain \"quote\"", "x"}));
  EXPECT_EQ(t.rows[2].number, 3);  // the record after a cell with a line break is still row 3
}

TEST(CsvTable, SeparatorIsTheOneTheFileUses) {
  EXPECT_EQ(DetectCsvSeparator("Name;Size\nAnn;1,5\nBo;2,25\n"), ';');  // decimal commas are no separators
  EXPECT_EQ(DetectCsvSeparator("Name,Size\nAnn,1.5\n"), ',');
  EXPECT_EQ(DetectCsvSeparator("Name\tSize\nAnn\t1\n"), '\t');
  EXPECT_EQ(DetectCsvSeparator("\"a;b\",c\n\"d;e\",f\n"), ',');  // semicolons inside quotes do not count
  EXPECT_EQ(DetectCsvSeparator("Name\nAnn\n"), ',');
  EXPECT_EQ(Parsed("a;b\n1,5;2\n").rows[1].cells, (Cells{"1,5", "2"}));
  EXPECT_EQ(Parsed("a;b\n1,5;2\n", ',').rows[1].cells, (Cells{"1", "5;2"}));
}

TEST(CsvTable, LineEndsMarkAndBlankRecords) {
  CsvTable t = Parsed("\xEF\xBB\xBFName\rAnn\r\n\n,,\nBo");
  ASSERT_EQ(t.rows.size(), 3u);
  EXPECT_EQ(t.rows[0].cells, Cells{"Name"});
  EXPECT_EQ(t.rows[1].cells, Cells{"Ann"});
  EXPECT_EQ(t.rows[2].cells, Cells{"Bo"});
  EXPECT_EQ(t.rows[2].number, 5);  // blank records are dropped, but counted as the spreadsheet counts them
  EXPECT_TRUE(Parsed("").rows.empty());
}

TEST(CsvTable, QuoteThatNeverClosesIsReportedWithItsLine) {
  CsvTable t;
  std::string error;
  EXPECT_FALSE(ParseCsv("a,b\n1,\"open\n2,3\n", 0, t, error));
  EXPECT_EQ(error, "The quoted field on line 2 of the data file is never closed");
}

TEST(CsvTable, FilesReadAsUtf8OrElseWindowsLatin) {
  test::TempDir dir;
  CsvTable t;
  std::string error;
  test::WriteFile(dir.File("utf8.csv"), "Name\nZo\xC3\xAB\n");
  ASSERT_TRUE(ReadCsvFile(dir.File("utf8.csv"), 0, t, error)) << error;
  EXPECT_TRUE(t.utf8);
  EXPECT_EQ(t.rows[1].cells[0], "Zo\xC3\xAB");
  test::WriteFile(dir.File("latin.csv"), "Name\nRen\xE9 \x80\n");
  ASSERT_TRUE(ReadCsvFile(dir.File("latin.csv"), 0, t, error)) << error;
  EXPECT_FALSE(t.utf8);
  EXPECT_EQ(t.rows[1].cells[0], "Ren\xC3\xA9 \xE2\x82\xAC");  // the euro sign of code 128
  EXPECT_FALSE(ReadCsvFile(dir.File("missing.csv"), 0, t, error));
  EXPECT_EQ(error, "Cannot open the data file [" + dir.File("missing.csv") + "]");
  EXPECT_FALSE(ReadCsvFile(dir.path(), 0, t, error));  // a folder is no data file
}

TEST(TextCodes, Utf8IntoTheFontsEightBitCodes) {
  std::string out, unmapped;
  ASSERT_TRUE(
      Utf8ToWindowsLatin("Zo\xC3\xAB \xE2\x82\xAC"
                         "5",
                         out, unmapped));
  EXPECT_EQ(out,
            "Zo\xEB \x80"
            "5");
  EXPECT_FALSE(
      Utf8ToWindowsLatin("\xD0\x96"
                         "anna",
                         out, unmapped));  // a Cyrillic letter
  EXPECT_EQ(unmapped, "\xD0\x96");
  EXPECT_FALSE(Utf8ToWindowsLatin("a\xC3", out, unmapped));  // cut short
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));                     // an overlong slash
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));                 // a surrogate
  EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));
  EXPECT_EQ(WindowsLatinToUtf8("\x80\xE9"), "\xE2\x82\xAC\xC3\xA9");
}

}  // namespace
}  // namespace quill
