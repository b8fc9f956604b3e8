// The window's logic without the window: lines drawn with the mouse, a click without a drag, the marks
// at the last click, raster to vector with stand-in vectorizers that succeed, fail, hang, are missing
// or write something that is no drawing, and leaving with and without a raster to vector run.
#include "raster/trace_session.h"

#include <sys/stat.h>

#include "raster/raster_to_vector.h"
#include "raster_fixture.h"

namespace quill {
namespace {

class TraceSessionTest : public RasterTest {
 protected:
  TraceSessionTest() : session(job) {
    session.Shown();
    session.Document().Replace(Picture(200, 100, PixelFormat::Grey8), "");
  }

  // A stand-in vectorizer: a shell script with this body, run in the home.
  VectorizerChoice Vectorizer(const std::string& body, int timeout = 30) {
    std::string path = home.File("vectorizer.sh");
    test::WriteFile(path, "#!/bin/sh\n" + body + "\n");
    ::chmod(path.c_str(), 0755);
    return {path, timeout};
  }

  LeaveWindows Windows(double x, double y) {
    return {[this] { return session.Document().Save(home.File("picture.bmp")); },
            [this, x, y](double& sx, double& sy) {
              ++asked;
              EXPECT_EQ(sx, 1.0);
              EXPECT_EQ(sy, 1.0);
              sx = x, sy = y;
              return true;
            }};
  }

  static constexpr const char* kDrawing =
      "printf '  0\\r\\nSECTION\\r\\n  2\\r\\nENTITIES\\r\\n  0\\r\\nLINE\\r\\n  8\\r\\n0\\r\\n 10\\r\\n0\\r\\n "
      "20\\r\\n0\\r\\n"
      " 11\\r\\n1\\r\\n 21\\r\\n1\\r\\n  0\\r\\nENDSEC\\r\\n  0\\r\\nEOF\\r\\n' > QP2008R2V.dxf";

  TraceSession session;
  int asked = 0;
};

TEST_F(TraceSessionTest, ADragDrawsALineAndAClickOnlyMovesTheLastPoint) {
  session.Press({10, 20});
  EXPECT_TRUE(session.Drawing());
  session.Release({110, 20});
  ASSERT_EQ(session.Document().Marks().size(), 1u);
  EXPECT_EQ(session.Document().Marks()[0].x2, 110);
  session.BeginMark();
  EXPECT_FALSE(session.Clicked());
  session.Press({40, 50});
  session.Release({40, 50});
  EXPECT_EQ(session.Document().Marks().size(), 1u);
  EXPECT_TRUE(session.Clicked());
  EXPECT_EQ(session.LastClicked(), (PicturePoint{40, 50}));
  session.PlaceMark("O", 2.0);
  const Annotation& mark = session.Document().Marks().back();
  EXPECT_EQ(mark.text, "O");
  EXPECT_EQ(mark.x1, 40);
  EXPECT_EQ(mark.size, 6);
}

TEST_F(TraceSessionTest, LeavingSavesAsksAndConverts) {
  session.Press({10, 20});
  session.Release({110, 20});
  EXPECT_TRUE(session.Leave(Windows(1.0, 1.0)));
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(session.Document().Name(), home.File("picture.bmp"));
  EXPECT_TRUE(test::FileExists(home.File("picture.bmp")));
  EXPECT_EQ(test::ReadLines(job.paths.AntFileName), (std::vector<std::string>{"[LINE] 10 20 110 20 255"}));
  ExpectLine(Artwork().at(0), 10, 20, 110, 20);
}

TEST_F(TraceSessionTest, CancellingSaveAsClosesWithoutConverting) {
  session.Press({10, 20});
  session.Release({110, 20});
  LeaveWindows windows = Windows(1, 1);
  windows.saveAs = [] { return false; };
  EXPECT_FALSE(session.Leave(windows));
  EXPECT_EQ(asked, 0);
  EXPECT_FALSE(test::FileExists(job.paths.AntFileName));
  EXPECT_FALSE(job.flags.ArtworkPresent);
}

TEST_F(TraceSessionTest, LeavingWithoutAPictureAsksNothing) {
  session.Document().Clear();
  LeaveWindows windows = Windows(1, 1);
  bool offered = false;
  windows.saveAs = [&offered] { return offered = true; };
  EXPECT_FALSE(session.Leave(windows));
  EXPECT_FALSE(offered);
  EXPECT_EQ(asked, 0);
}

TEST_F(TraceSessionTest, RasterToVectorHandsOverThePictureAndTakesTheDrawing) {
  ASSERT_TRUE(session.RasterToVector({}, Vectorizer("echo 'Progress: 50%'\n" + std::string(kDrawing))));
  EXPECT_TRUE(session.RasterToVectorDone());
  EXPECT_FALSE(session.Tracing());
  EXPECT_TRUE(test::FileExists(home.File(TracedDrawingFile)));
  EXPECT_FALSE(test::FileExists(home.File(TraceDrawingName)));
  EXPECT_TRUE(test::FileExists(home.File(TracedPictureFile)));
  EXPECT_TRUE(test::FileExists(home.File(TracePictureName)));
  EXPECT_EQ(test::ReadLines(job.paths.VectorizerParams).at(1), "QP2008R2V.bmp");
  EXPECT_EQ(ui.progressBegun, 1);
  EXPECT_TRUE(ui.messages.empty());
  // Leaving now converts nothing that was drawn by hand.
  session.Press({10, 20});
  session.Release({110, 20});
  EXPECT_FALSE(session.Leave(Windows(1, 1)));
  EXPECT_EQ(asked, 0);
  EXPECT_FALSE(test::FileExists(job.paths.ArtFileName));
  session.Shown();
  EXPECT_FALSE(session.RasterToVectorDone());
  EXPECT_TRUE(session.Tracing());
}

TEST_F(TraceSessionTest, AVectorizerThatFailsIsSaidAndLeavesNoDrawing) {
  test::WriteFile(home.File(TracedDrawingFile), "  0\r\nSECTION\r\n");  // an old drawing
  struct Case {
    std::string body;
    int timeout;
    std::string said;
  } cases[] = {
      {"echo 'cannot read the picture' >&2\nexit 3", 30, "failed (status 3).\ncannot read the picture"},
      {"echo 'this is no drawing' > QP2008R2V.dxf", 30, "is not a DXF drawing"},
      {"exit 0", 30, "wrote no drawing"},
      {"sleep 30", 1, "did not finish within 1 seconds and was stopped"},
      {"kill -9 $$", 30, "stopped unexpectedly"},
  };
  for (const Case& c : cases) {
    ui.messages.clear();
    EXPECT_FALSE(session.RasterToVector({}, Vectorizer(c.body, c.timeout))) << c.body;
    ASSERT_EQ(ui.messages.size(), 1u) << c.body;
    EXPECT_NE(ui.messages[0].text.find(c.said), std::string::npos) << ui.messages[0].text;
    EXPECT_FALSE(test::FileExists(home.File(TracedDrawingFile)));
    EXPECT_FALSE(session.RasterToVectorDone());
  }
}

TEST_F(TraceSessionTest, AMissingVectorizerSaysHowToNameAnother) {
  EXPECT_FALSE(session.RasterToVector({}, {home.File("no-such-vectorizer"), 30}));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("cannot be started"), std::string::npos);
  EXPECT_NE(ui.messages[0].text.find("VECTORIZER"), std::string::npos);
}

TEST_F(TraceSessionTest, CancelStopsTheVectorizer) {
  ui.cancelAfter = 0;
  EXPECT_FALSE(session.RasterToVector({}, Vectorizer("sleep 30")));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TraceSessionTest, NoPictureIsNothingToVectorize) {
  session.Document().Clear();
  EXPECT_FALSE(session.RasterToVector({}, Vectorizer(kDrawing)));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "There is no picture to vectorize");
}

TEST_F(TraceSessionTest, TheVectorizerIsASetting) {
  VectorizerChoice own = ChooseVectorizer(job, "/opt/quill/bin/");
  EXPECT_EQ(own.program, "/opt/quill/bin/quill-vectorize");
  EXPECT_EQ(own.timeoutSeconds, DefaultVectorizerTimeout);
  test::WriteFile(job.paths.IniFileName, "[DEFAULTS]\r\nVECTORIZER=/usr/local/bin/other\r\nVECTORIZERTIMEOUT=5\r\n");
  VectorizerChoice other = ChooseVectorizer(job, "/opt/quill/bin/");
  EXPECT_EQ(other.program, "/usr/local/bin/other");
  EXPECT_EQ(other.timeoutSeconds, 5);
}

}  // namespace
}  // namespace quill
