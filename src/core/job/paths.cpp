#include "job/paths.h"

#include <filesystem>

namespace quill {

void BuildWorkFilePaths(JobPaths& p, const std::string& exeDir, const std::string& dataDir) {
  p.ExeDir = exeDir;
  p.DataDir = dataDir;
  p.FontDir = exeDir;
  p.TapeDir = exeDir;
  p.IniFileName = exeDir + "QUILLMAR.INI";
  p.DefaultsTextFile = exeDir + "QUILLDEF.TXT";
  p.CLFileName = exeDir + "QUILLMAR.CL";
  p.LineFile = exeDir + "QMLINE.TMP";
  p.Line1File = exeDir + "QMLINE1.TMP";
  p.TextPathFileName = exeDir + "QMBF.TMP";
  p.ArcFitFile = exeDir + "QMARCFIT.TMP";
  p.ArtFileName = exeDir + "QUILLART.TMP";
  p.ArtFile1Name = exeDir + "QUILLART1.TMP";
  p.ArtFile2Name = exeDir + "QUILLART2.TMP";
  p.ArtFile3Name = exeDir + "QUILLART3.TMP";
  p.AntFileName = exeDir + "QUILLPRO.ANT";
  p.AptFileName = exeDir + "QUILLPRO.APT";
  p.VectorizerParams = exeDir + "qp2008.par";
  p.DxfTextProject = exeDir + "DXFTXT.QLM";
  p.ScanBitmapFile = exeDir + "3DSCAN.BMP";
  p.HelpFile = dataDir + "help/";
  p.BundledPostsIni = dataDir + "machines/QPOSTS.INI";
}

std::string FontPath(const JobPaths& paths, const std::string& fontFile) {
  std::error_code ec;
  std::string own = paths.FontDir + fontFile;
  if (std::filesystem::exists(own, ec)) return own;
  std::string installed = paths.DataDir + "fonts/" + fontFile;
  if (std::filesystem::exists(installed, ec)) return installed;
  return own;
}

}  // namespace quill
