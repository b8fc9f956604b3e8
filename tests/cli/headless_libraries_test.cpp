// The unattended runs map only the libraries they use: no Qt, no windowing, no spelling dictionary, and
// FreeType and fontconfig only for a job with a TrueType face.  The dynamic loader itself lists every
// object it maps (LD_DEBUG=files), including those the program opens later; `quill render`, which
// paints, shows that the list does see Qt when Qt is loaded.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "test_support.h"

namespace quill::test {
namespace {

namespace fs = std::filesystem;

std::string Exe(const char* name) { return BinaryDir() + "/" + name; }

struct Mapped {
  RunResult run;
  std::set<std::string> libraries;  // file names as the loader resolved them
};

// Runs the program in a fresh home beside the bundled sample projects, with the loader's file log in a
// folder.
Mapped RunLogged(std::vector<std::string> argv) {
  TempDir cwd, home, log;
  for (const char* sample : {"SAMPLE.QLM", "TRUETYPE.QLM"})
    fs::copy_file(SourceDir() + "/data/samples/" + sample, cwd.File(sample));
  argv.insert(argv.end(), {"--home", home.path()});
  Mapped m;
  m.run = RunProgram(argv, cwd.path(),
                     {"LD_DEBUG=files", "LD_DEBUG_OUTPUT=" + log.File("ld"), "XDG_CONFIG_HOME=" + cwd.File("config"),
                      "QUILLMARK_HOME=", "QT_QPA_PLATFORM=offscreen"});
  for (const auto& entry : fs::directory_iterator(log.path())) {
    for (const std::string& line : ReadLines(entry.path().string())) {
      size_t at = line.find("file=");
      if (at == std::string::npos) continue;
      std::string name = line.substr(at + 5, line.find_first_of(" \t", at) - at - 5);
      m.libraries.insert(fs::path(name).filename().string());
    }
  }
  return m;
}

// Names of what a headless run must never map.
std::vector<std::string> Unused(const std::set<std::string>& libraries) {
  std::vector<std::string> found;
  for (const std::string& lib : libraries) {
    for (const char* part : {"Qt6", "hunspell", "X11", "xcb", "EGL", "GLX", "glib", "icu", "dbus", "freetype",
                             "fontconfig", "png", "quillpro2008-windows", "quill-render"}) {
      if (lib.find(part) != std::string::npos) found.push_back(lib);
    }
  }
  return found;
}

TEST(HeadlessLibraries, UnattendedRunsMapNoQt) {
  for (const auto& argv : std::vector<std::vector<std::string>>{{Exe("quillpro2008"), "SAMPLE.QLM", "-r"},
                                                               {Exe("quill"), "run", "SAMPLE.QLM"}}) {
    Mapped m = RunLogged(argv);
    EXPECT_EQ(m.run.exitCode, 0) << argv[0] << ": " << m.run.err;
    ASSERT_TRUE(m.libraries.count("libc.so.6")) << "the loader wrote no file log for " << argv[0];
    EXPECT_EQ(Unused(m.libraries), std::vector<std::string>{}) << argv[0];
  }
}

TEST(HeadlessLibraries, ATrueTypeJobOpensFreeTypeAndFontconfigWhenItNeedsThem) {
  Mapped m = RunLogged({Exe("quillpro2008"), "TRUETYPE.QLM", "-r"});
  EXPECT_EQ(m.run.exitCode, 0) << m.run.err;
  EXPECT_TRUE(m.libraries.count("libfreetype.so.6"));
  EXPECT_TRUE(m.libraries.count("libfontconfig.so.1"));
  EXPECT_FALSE(m.libraries.count("libQt6Core.so.6"));
}

TEST(HeadlessLibraries, RenderLoadsItsModuleAndQtOnlyThen) {
  Mapped m = RunLogged({Exe("quill"), "render", "SAMPLE.QLM", "-o", "SAMPLE.png"});
  EXPECT_EQ(m.run.exitCode, 0) << m.run.err;
  EXPECT_TRUE(m.libraries.count("quill-render.so"));
  EXPECT_TRUE(m.libraries.count("libQt6Gui.so.6"));
  EXPECT_FALSE(m.libraries.count("libQt6Widgets.so.6"));  // painting a file needs no windows
}

// An executable without its modules (a damaged installation) says which module it misses and stops
// with status 1; the unattended run needs none.
TEST(HeadlessLibraries, AMissingModuleIsNamed) {
  TempDir bin, cwd;
  for (const char* exe : {"quill", "quillpro2008"}) fs::copy_file(Exe(exe), bin.File(exe));
  fs::copy_file(SourceDir() + "/data/samples/SAMPLE.QLM", cwd.File("SAMPLE.QLM"));
  const std::vector<std::string> env = {"QUILLMARK_HOME=" + cwd.File("home"), "XDG_CONFIG_HOME=" + cwd.File("config"),
                                        "QT_QPA_PLATFORM=offscreen"};
  fs::create_directory(cwd.File("home"));
  RunResult r = RunProgram({bin.File("quill"), "render", "SAMPLE.QLM", "-o", "OUT.png"}, cwd.path(), env);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("cannot load the module quill-render.so"), std::string::npos) << r.err;
  EXPECT_FALSE(FileExists(cwd.File("OUT.png")));
  r = RunProgram({bin.File("quillpro2008"), "SAMPLE.QLM"}, cwd.path(), env);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("cannot load the module quillpro2008-windows.so"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace quill::test
