// quill-vectorize PARAMETER-FILE: reads the parameter file (qp2008.par), the picture it names (a
// Windows bitmap or a TIFF file, its first page), traces it and writes the DXF drawing it names.
// Names in the parameter file are relative to the working folder.  Exit status 0 when the drawing
// was written, 1 on an error (said on standard error), 2 on bad usage.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <new>
#include <string>

#include "dxf_writer.h"
#include "raster/parameter_file.h"
#include "raster/picture_file.h"
#include "vectorize.h"

namespace {

constexpr const char* kUsage = "usage: quill-vectorize PARAMETER-FILE";

int Fail(const std::string& why) {
  std::fprintf(stderr, "quill-vectorize: %s\n", why.c_str());
  return 1;
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The parameter file may name the picture in another case than the file has ("QP2008R2V.bmp" for
// "QP2008R2V.BMP"); on a file system that tells them apart the one file of that name in any case is
// taken.
std::string FindPicture(const std::string& name) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::exists(name, ec)) return name;
  fs::path p(name);
  fs::path folder = p.has_parent_path() ? p.parent_path() : fs::path(".");
  std::string wanted = Lower(p.filename().string());
  for (const auto& e : fs::directory_iterator(folder, ec)) {
    if (Lower(e.path().filename().string()) == wanted) return e.path().string();
  }
  return name;
}

int Run(const std::string& parameterFile) {
  quill::VectorizerParameters params = quill::ReadParameterFile(parameterFile);
  if (!params.Ok()) return Fail(params.error);
  for (const std::string& option : params.ignored)
    std::fprintf(stderr, "quill-vectorize: ignored: %s\n", option.c_str());
  quill::PictureRead read = quill::ReadPictureFile(FindPicture(params.picture));
  if (!read.Ok()) return Fail(read.error);
  auto progress = [&params](int percent) {
    if (!params.monitor) return;
    std::printf("Progress: %d%%\n", percent);
    std::fflush(stdout);
  };
  quill::vectorize::Tracing tracing = quill::vectorize::Vectorize(read.picture, params, progress);
  if (!quill::vectorize::WriteDxf(params.drawing, tracing, params.dosLines)) {
    return Fail("cannot write the drawing " + params.drawing);
  }
  if (params.monitor) std::printf("%zu paths on %zu layers\n", tracing.paths.size(), tracing.layers.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h"))) {
    std::printf("%s\n", kUsage);
    return 0;
  }
  if (argc != 2) {
    std::fprintf(stderr, "%s\n", kUsage);
    return 2;
  }
  try {
    return Run(argv[1]);
  } catch (const std::bad_alloc&) {
    return Fail("not enough memory for this picture");
  }
}
