// The installed program: `cmake --install` into a temporary prefix, the unattended run and the data merge
// started from there by a user who cannot write to the programs' folder (so the home is the XDG one),
// the desktop entry and the project type validated, and the Debian package's contents and fields.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "test_support.h"

namespace quill::test {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

constexpr const char* Nobody = "65534";

std::string Missing(const std::string& tool, const std::string& package) {
  return FileExists(tool) ? "" : tool + " is missing: apt-get install " + package + " (scripts/deps.sh --tests)";
}

struct Installation {
  Installation() {
    fs::permissions(root.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                     fs::perms::others_read | fs::perms::others_exec);
    for (const std::string dir : {"work", "home"}) {
      fs::create_directory(root.File(dir));
      fs::permissions(root.File(dir), fs::perms::all);  // the user who runs the program writes here
    }
    install = RunProgram({"/usr/bin/cmake", "--install", BinaryDir(), "--prefix", Prefix()});
  }
  ~Installation() {
    std::error_code ec;
    fs::permissions(Prefix() + "/bin", fs::perms::owner_all, fs::perm_options::add, ec);
  }
  std::string Prefix() const { return root.File("prefix"); }

  // Runs an installed program from the work folder with a fresh HOME and no XDG folders set.  Root
  // writes anywhere, so as root the program runs as nobody; otherwise the programs' folder is made
  // read-only.
  RunResult Run(const std::string& program, const Lines& args) const {
    Lines argv;
    if (geteuid() == 0) {
      argv = {"/usr/bin/setpriv", std::string("--reuid=") + Nobody, std::string("--regid=") + Nobody, "--clear-groups"};
    } else {
      fs::permissions(Prefix() + "/bin", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                      fs::perm_options::remove);
    }
    argv.push_back(Prefix() + "/bin/" + program);
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProgram(argv, root.File("work"),
                      {"HOME=" + root.File("home"), "XDG_DATA_HOME=", "XDG_CONFIG_HOME=", "QUILLMARK_HOME="});
  }

  TempDir root;
  RunResult install;
};

TEST(Installed, RunsFromAFolderItCannotWriteWithTheXdgHomeAndFindsItsData) {
  Installation in;
  ASSERT_EQ(in.install.exitCode, 0) << in.install.err;
  for (const char* file : {"bin/quill", "bin/quillpro2008", "bin/quill-vectorize", "lib/quillmark/quillpro2008-windows.so",
                           "lib/quillmark/quill-render.so", "share/quillmark/fonts/SIMPLEX.QXF",
                           "share/quillmark/machines/QPOSTS.INI", "share/quillmark/samples/TAGS.QLM",
                           "share/quillmark/help/Main_Window.html", "share/applications/quillpro2008.desktop",
                           "share/mime/packages/quillmark.xml", "share/icons/hicolor/scalable/apps/quillmark.svg",
                           "share/man/man1/quill.1.gz", "share/man/man1/quillpro2008.1.gz"}) {
    EXPECT_TRUE(FileExists(in.Prefix() + "/" + file)) << file;
  }
  for (const char* sample : {"SAMPLE.QLM", "TAGS.QLM", "TAGS.CSV"}) {
    fs::copy_file(in.Prefix() + "/share/quillmark/samples/" + sample, in.root.File("work/") + sample);
  }
  RunResult r = in.Run("quillpro2008", {"SAMPLE.QLM", "-r"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  Lines nc = ReadLines(in.root.File("work/SAMPLE.TAP"));
  ASSERT_FALSE(nc.empty());
  EXPECT_EQ(nc[0], "(QUILLMARK PRO-2008 ENGRAVING)");  // the installed machines' default, DMILL
  EXPECT_TRUE(FileExists(in.root.File("home/.local/share/quillmark/QUILLMAR.CL")));
  EXPECT_FALSE(FileExists(in.Prefix() + "/bin/QUILLMAR.CL"));
  r = in.Run("quill", {"run", "TAGS.QLM", "--data", "TAGS.CSV", "--machine", "GRBL 1.1", "--check"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.err.find("follows the tool path"), std::string::npos) << r.err;
  r = in.Run("quill", {"render", "SAMPLE.QLM", "-o", "SAMPLE.svg"});  // painting comes from its module
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(FileExists(in.root.File("work/SAMPLE.svg")));
}

TEST(Installed, DesktopEntryAndProjectTypeAreValid) {
  ASSERT_EQ(Missing("/usr/bin/desktop-file-validate", "desktop-file-utils"), "");
  ASSERT_EQ(Missing("/usr/bin/update-mime-database", "shared-mime-info"), "");
  Installation in;
  ASSERT_EQ(in.install.exitCode, 0) << in.install.err;
  RunResult r =
      RunProgram({"/usr/bin/desktop-file-validate", in.Prefix() + "/share/applications/quillpro2008.desktop"});
  EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
  EXPECT_EQ(r.out + r.err, "");
  r = RunProgram({"/usr/bin/update-mime-database", in.Prefix() + "/share/mime"});
  ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
  EXPECT_NE(ReadFile(in.Prefix() + "/share/mime/globs2").find("application/x-quillmark-project:*.qlm"),
            std::string::npos);
  EXPECT_TRUE(FileExists(in.Prefix() + "/share/mime/application/x-quillmark-project.xml"));
  const std::string desktop = ReadFile(in.Prefix() + "/share/applications/quillpro2008.desktop");
  EXPECT_NE(desktop.find("MimeType=application/x-quillmark-project;"), std::string::npos);
  EXPECT_NE(desktop.find("Exec=quillpro2008 %f"), std::string::npos);
}

TEST(Installed, DebianPackageHoldsTheProgramItsDataAndItsPages) {
  ASSERT_EQ(Missing("/usr/bin/dpkg-deb", "dpkg"), "");
  ASSERT_EQ(Missing("/usr/bin/dpkg-shlibdeps", "dpkg-dev"), "");
  TempDir out;
  RunResult r = RunProgram({"/usr/bin/cpack", "--config", BinaryDir() + "/CPackConfig.cmake", "-B", out.path()});
  ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
  std::string deb;
  for (const auto& e : fs::directory_iterator(out.path())) {
    if (e.path().extension() == ".deb") deb = e.path().string();
  }
  ASSERT_FALSE(deb.empty()) << r.out;
  RunResult list = RunProgram({"/usr/bin/dpkg-deb", "--contents", deb});
  ASSERT_EQ(list.exitCode, 0) << list.err;
  for (const char* file :
       {"./usr/bin/quill", "./usr/bin/quillpro2008", "./usr/bin/quill-vectorize", "./usr/lib/quillmark/quill-render.so",
        "./usr/lib/quillmark/quillpro2008-windows.so", "./usr/share/quillmark/fonts/SIMPLEX.QXF",
        "./usr/share/quillmark/machines/QPOSTS.INI", "./usr/share/quillmark/samples/SAMPLE.QLM",
        "./usr/share/quillmark/help/Main_Window.html", "./usr/share/applications/quillpro2008.desktop",
        "./usr/share/mime/packages/quillmark.xml", "./usr/share/icons/hicolor/scalable/apps/quillmark.svg",
        "./usr/share/man/man1/quill.1.gz", "./usr/share/man/man1/quillpro2008.1.gz"}) {
    EXPECT_NE(list.out.find(std::string(file) + "\n"), std::string::npos) << file;
  }
  if (FileExists(BinaryDir() + "/libtiffio32.so")) {
    EXPECT_NE(list.out.find("./usr/include/tiffio32.h\n"), std::string::npos);
    EXPECT_NE(list.out.find("./usr/lib/libtiffio32.so.1"), std::string::npos);
  }
  EXPECT_EQ(list.out.find("/build/"), std::string::npos);  // nothing of the build folder
  RunResult fields = RunProgram({"/usr/bin/dpkg-deb", "--field", deb, "Package", "Section", "Depends"});
  ASSERT_EQ(fields.exitCode, 0) << fields.err;
  EXPECT_NE(fields.out.find("Package: quillmark\n"), std::string::npos) << fields.out;
  EXPECT_NE(fields.out.find("Section: graphics\n"), std::string::npos);
  EXPECT_NE(fields.out.find("fonts-liberation2"), std::string::npos);
  EXPECT_NE(fields.out.find("libfreetype6"), std::string::npos);
  EXPECT_NE(fields.out.find("libqt6widgets6"), std::string::npos);  // found by dpkg-shlibdeps in the module
}

}  // namespace
}  // namespace quill::test
