// Insert > DXF Symbol: the drawing converted and placed by the symbol window's values.
#include "artwork/workshop/symbol.h"

#include <algorithm>

#include "artwork/dxf_import.h"
#include "artwork/dxf_status.h"
#include "workshop_fixture.h"

namespace quill {
namespace {

class SymbolTest : public WorkshopTest {
 protected:
  bool Read(const std::string& content, std::vector<tgEntity>& symbol) {
    std::string path = home.File("symbol.dxf");
    test::WriteFile(path, content);
    return ReadDxfSymbol(job, path, options, status, symbol);
  }

  DxfImportOptions options;
  UiDxfStatus status{ui};
};

const char* kSymbol =
    "0\nSECTION\n2\nENTITIES\n"
    "0\nLINE\n8\n0\n10\n0\n20\n0\n11\n1\n21\n0\n"
    "0\nARC\n8\n0\n10\n2\n20\n0\n40\n1\n50\n0\n51\n90\n"
    "0\nPOINT\n8\n0\n10\n5\n20\n5\n"
    "0\nENDSEC\n0\nEOF\n";

TEST_F(SymbolTest, PlacedScaledTurnedAndMovedAsOneStep) {
  Fill({Line(-1, -1, -2, -2)});
  std::vector<tgEntity> symbol;
  ASSERT_TRUE(Read(kSymbol, symbol));
  ASSERT_EQ(symbol.size(), 2u);  // the point is no artwork
  EXPECT_TRUE(symbol[1].IsArc() && symbol[1].IsCCW());
  ASSERT_TRUE(PlaceSymbol(ui, doc, symbol, {10, 0, 90, 2}));
  ASSERT_EQ(doc.Size(), 3u);
  ExpectLine(doc.At(1), 10, 0, 10, 2);
  const tgEntity& a = doc.At(2);
  EXPECT_NEAR(a.X(), 10, 1e-9);
  EXPECT_NEAR(a.Y(), 4, 1e-9);
  EXPECT_NEAR(a.R(), 2, 1e-9);
  EXPECT_NEAR(a.SA(), HalfPi, 1e-9);
  EXPECT_NEAR(a.FA(), Pi, 1e-9);
  EXPECT_FALSE(PlaceSymbol(ui, doc, symbol, {0, 0, 0, 0}));  // a scale of 0 places nothing
  doc.Undo();
  EXPECT_EQ(doc.Size(), 1u);
}

TEST_F(SymbolTest, AFileThatFailsToImportIsReportedAndChangesNothing) {
  std::vector<tgEntity> symbol{Point(1, 1)};
  EXPECT_FALSE(ReadDxfSymbol(job, home.File("missing.dxf"), options, status, symbol));
  EXPECT_FALSE(Read(std::string("AutoCAD Binary DXF\r\n\x1a\0\1\2", 24), symbol));
  EXPECT_FALSE(ReadDxfSymbol(job, home.path(), options, status, symbol));  // a folder
  auto texts = ui.Texts();
  EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                          [](const std::string& t) { return t.rfind("DXF Symbol Could Not be Imported", 0) == 0; }),
            3);
  EXPECT_EQ(symbol.size(), 1u);
}

}  // namespace
}  // namespace quill
