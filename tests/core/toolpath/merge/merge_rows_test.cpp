// Data rows made ready for the merge: fields filled in, header rows found, and every row that cannot be
// engraved named with its row number before anything is cut.
#include "toolpath/merge/merge_rows.h"

#include "../toolpath_fixture.h"

namespace quill {
namespace {

using Lines = std::vector<std::string>;

class MergeRowsTest : public ToolPathTest {
 protected:
  MergeRowsTest() {
    // The bundled single-line font: printable ASCII only.
    BuildWorkFilePaths(job.paths, home.path() + "/", test::BinaryDir() + "/data/");
    job.paths.EngraveFontFile = "SIMPLEX.QXF";
    job.settings.BFONTTYPE = 0;
    options.dataFile = home.File("data.csv");
  }

  bool Prepare(const std::string& csv) {
    test::WriteFile(options.dataFile, csv);
    return PrepareMergeRows(job, options, data);
  }

  Lines Problems() const {
    Lines out;
    for (const auto& p : data.problems) out.push_back(p.Text());
    return out;
  }

  MergeOptions options;
  MergeData data;
};

TEST_F(MergeRowsTest, NamedAndNumberedFieldsFillEachRow) {
  job.text = {"{name}", "{2} DEPT"};
  ASSERT_TRUE(Prepare("Name;Dept\nANN;SALES\n\"BO; JR.\";\"IT\nHELP\"\n"));
  ASSERT_EQ(data.rows.size(), 2u);
  EXPECT_EQ(data.rows[0].text, (Lines{"ANN", "SALES DEPT"}));
  EXPECT_EQ(data.rows[1].text, (Lines{"BO; JR.", "IT", "HELP DEPT"}));  // a line break in a cell starts a line
  EXPECT_EQ(data.rows[1].number, 3);
  EXPECT_EQ(data.rows[1].index, 1);
  EXPECT_EQ(data.dataRows, 2);
  EXPECT_TRUE(data.problems.empty());
}

TEST_F(MergeRowsTest, FirstRecordIsAHeaderOnlyWhenColumnsAreNamed) {
  job.text = {"{1}-{2}"};
  ASSERT_TRUE(Prepare("A,B\nC,D\n"));
  ASSERT_EQ(data.rows.size(), 2u);
  EXPECT_EQ(data.rows[0].text, Lines{"A-B"});
  options.header = HeaderRow::Yes;
  ASSERT_TRUE(Prepare("A,B\nC,D\n"));
  ASSERT_EQ(data.rows.size(), 1u);
  EXPECT_EQ(data.rows[0].text, Lines{"C-D"});
  EXPECT_EQ(data.rows[0].number, 2);
}

TEST_F(MergeRowsTest, RowsThatCannotBeEngravedAreNamedByRow) {
  job.text = {"{Name}", "{Dept}"};
  ASSERT_TRUE(
      Prepare("Name,Dept\nANN,SALES\n,IT\nZO\xC3\xAB,IT\n\xD0\x96"
              "ANNA,IT\nBO\n  ,X\n"));
  EXPECT_EQ(Problems(),
            (Lines{"Row 3: the field {Name} is empty", "Row 4: the font has no character \"\xEB\" (code 235)",
                   "Row 5: the character U+0416 is not in the fonts' character set", "Row 6: the field {Dept} is empty",
                   "Row 7: the field {Name} is empty"}));
  ASSERT_EQ(data.rows.size(), 1u);
  EXPECT_EQ(data.dataRows, 6);
}

TEST_F(MergeRowsTest, NcFileNamesComeFromAColumnAndNeverClash) {
  job.text = {"{Name}"};
  options.perRowColumn = "File";
  ASSERT_TRUE(Prepare("Name,File\nA,../../etc/tag 1\nB,\nC,TAG 2\nD,tag 2\n"));
  ASSERT_EQ(data.rows.size(), 2u);
  EXPECT_EQ(data.rows[0].fileStem, "_.._etc_tag 1");
  EXPECT_EQ(data.rows[1].fileStem, "TAG 2");
  EXPECT_EQ(Problems(), (Lines{"Row 3: the column {File} is empty, so its NC file has no name",
                               "Row 5: its NC file name \"tag 2\" is already row 4's"}));
  EXPECT_EQ(FileStemOf("  .hidden?  "), "hidden_");
  EXPECT_EQ(FileStemOf(std::string(200, 'x')).size(), 120u);
}

TEST_F(MergeRowsTest, TextsAndFilesThatCannotBeMergedAreRefused) {
  struct Case {
    Lines text;
    std::string csv;
    HeaderRow header;
    std::string message;
  };
  const Case cases[] = {
      {{"PLAIN"},
       "A\nB\n",
       HeaderRow::Auto,
       "The text holds no field such as {Name} or {1}: every row would engrave the same text"},
      {{"{Nmae}"}, "Name,Dept\nA,B\n", HeaderRow::Auto, "The data file has no column {Nmae} (its columns: Name, Dept)"},
      {{"{Name}"},
       "A\n",
       HeaderRow::No,
       "The text names the field {Name}, but the data file is read without a header row: name the columns by "
       "number, {1}, {2} ..."},
      {{"{0}"}, "A\n", HeaderRow::Auto, "Columns are numbered from 1: {0} names none"},
      {{"{Name}"},
       "Name\n",
       HeaderRow::Auto,
       "The data file [" + home.File("data.csv") + "] holds a header row and no data"},
      {{"{1}"}, "", HeaderRow::Auto, "The data file [" + home.File("data.csv") + "] holds no rows"},
      {{"{1}"}, "\"A\n", HeaderRow::Auto, "The quoted field on line 1 of the data file is never closed"},
  };
  for (const Case& c : cases) {
    ui.messages.clear();
    job.text = c.text;
    options.header = c.header;
    EXPECT_FALSE(Prepare(c.csv)) << c.message;
    EXPECT_EQ(ui.Texts(), Lines{c.message});
  }
}

TEST(MergeOptions, ContradictionsAndImpossibleArraysAreRefused) {
  MergeOptions o;
  EXPECT_EQ(CheckMergeOptions(o), "Choose the data file to merge");
  o.dataFile = "tags.csv";
  EXPECT_EQ(CheckMergeOptions(o), "");
  o.array = {3, 2, 1.5, 0};
  EXPECT_EQ(CheckMergeOptions(o), "The array's pitch cannot be 0: every cell would be cut in the same place");
  o.array = {3, 1, 1.5, 0};
  EXPECT_EQ(CheckMergeOptions(o), "");
  o.perRowColumn = "File";
  EXPECT_EQ(CheckMergeOptions(o), "One NC file per row and an array on one plate cannot be asked for together");
  o.perRowColumn.clear();
  o.array = {0, 4, 1, 1};
  EXPECT_EQ(CheckMergeOptions(o), "The array needs between 1 and 1000 columns and rows");
  o.array = {2, 2, 1e300, 1};
  EXPECT_EQ(CheckMergeOptions(o), "The array's pitch must be a number between -10000 and 10000");
  o.array = {};
  o.betweenRows = {"M00\nM30"};
  EXPECT_EQ(CheckMergeOptions(o), "An NC-code line between rows cannot hold a line break");
  o.betweenRows = {};
  o.separator = '|';
  EXPECT_EQ(CheckMergeOptions(o), "The data file's separator must be ';', ',' or a tab");
}

}  // namespace
}  // namespace quill
