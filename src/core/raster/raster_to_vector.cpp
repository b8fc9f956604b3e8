#include "raster/raster_to_vector.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "job/job.h"
#include "pixels/bmp.h"
#include "raster/vectorizer_run.h"
#include "ui/ui.h"

namespace quill {

namespace {

// The parameter file names the picture and drawing in lower case, the program's own files are upper
// case; on a file system that tells them apart, the picture gets its second name as a link and the
// drawing is brought to the name the import reads.
void LinkSecondName(const std::string& from, const std::string& to) {
  if (from == to) return;
  ::unlink(to.c_str());
  if (::link(from.c_str(), to.c_str()) != 0) ::symlink(from.c_str(), to.c_str());
}

void TakeDrawing(const std::string& written, const std::string& imported) {
  if (written != imported && ::access(written.c_str(), F_OK) == 0) std::rename(written.c_str(), imported.c_str());
}

}  // namespace

bool RasterToVector(Job& job, const Picture& picture, const RasterToVectorSettings& settings,
                    const VectorizerChoice& vectorizer) {
  const std::string& home = job.paths.ExeDir;
  std::string drawing = home + TracedDrawingFile, written = home + TraceDrawingName;
  std::string image = home + TracedPictureFile;
  if (picture.Empty()) {
    job.ui.Warn("There is no picture to vectorize");
    return false;
  }
  errno = 0;
  if (!WriteParameterFile(job.paths.VectorizerParams, settings)) {
    job.ui.Warn("Parameter File access error #" + std::to_string(errno) + " [" + job.paths.VectorizerParams + "]");
    return false;
  }
  errno = 0;
  if (!WriteBmp(image, picture)) {
    job.ui.Warn("Picture File access error #" + std::to_string(errno) + " [" + image + "]");
    return false;
  }
  LinkSecondName(image, home + TracePictureName);
  ::unlink(drawing.c_str());
  ::unlink(written.c_str());

  BusyScope busy(job.ui);
  if (RunVectorizer(job.ui, vectorizer, job.paths.VectorizerParams, home) != VectorizerOutcome::Done) return false;
  TakeDrawing(written, drawing);
  if (::access(drawing.c_str(), F_OK) != 0) {
    job.ui.Error("The vectorizer wrote no drawing [" + drawing + "]");
    return false;
  }
  if (!LooksLikeDxf(drawing)) {
    job.ui.Error("The vectorizer's result [" + drawing + "] is not a DXF drawing");
    ::unlink(drawing.c_str());
    return false;
  }
  return true;
}

}  // namespace quill
