#include "toolpath/scan/scan_picture.h"

#include <filesystem>

#include "job/job.h"
#include "ui/ui.h"

namespace quill {

PictureRead LoadScanPicture(const Job& job) {
  std::error_code ec;
  if (!std::filesystem::exists(job.paths.ScanBitmapFile, ec)) return {};
  return ReadBmp(job.paths.ScanBitmapFile);
}

bool KeepScanPicture(Job& job, const Picture& picture) {
  if (WriteBmp(job.paths.ScanBitmapFile, picture)) return true;
  job.ui.Error("Cannot Save the Picture [" + job.paths.ScanBitmapFile + "]");
  return false;
}

bool LoadScanPictureFile(Job& job, const std::string& path) {
  PictureRead read = ReadBmp(path);
  if (!read.Ok()) {
    job.ui.Error(read.error);
    return false;
  }
  return KeepScanPicture(job, read.picture);
}

}  // namespace quill
