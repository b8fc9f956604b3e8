// Folders and file names of one job.  Every work file lives in the program home (ExeDir).
#pragma once

#include <string>

namespace quill {

struct JobPaths {
  std::string ExeDir;           // the program home, with its trailing separator
  std::string DataDir;          // the installed data folder (fonts, machines, help), trailing separator
  std::string ProjectFile;      // the current project; empty until one is opened or saved
  std::string FontDir;          // first folder of the engraving-font chooser
  std::string TapeDir;          // first folder of the NC-code save chooser
  std::string EngraveFontFile = "SIMPLEX.QXF";  // current engraving font, file name only
  std::string MachineName;      // machine named by the project (CMACHINE)
  std::string SolidPath;        // outside solid-model viewer

  std::string IniFileName;       // QUILLMAR.INI
  std::string DefaultsTextFile;  // QUILLDEF.TXT
  std::string CLFileName;        // QUILLMAR.CL
  std::string LineFile;          // QMLINE.TMP
  std::string Line1File;         // QMLINE1.TMP
  std::string TextPathFileName;  // QMBF.TMP
  std::string ArcFitFile;        // QMARCFIT.TMP
  std::string ArtFileName;       // QUILLART.TMP
  std::string ArtFile1Name;      // QUILLART1.TMP
  std::string ArtFile2Name;      // QUILLART2.TMP
  std::string ArtFile3Name;      // QUILLART3.TMP
  std::string AntFileName;       // QUILLPRO.ANT
  std::string AptFileName;       // QUILLPRO.APT
  std::string VectorizerParams;  // qp2008.par
  std::string DxfTextProject;    // DXFTXT.QLM
  std::string ScanBitmapFile;    // 3DSCAN.BMP
  std::string HelpFile;          // the help pages' folder

  // The machine definition file: the user's copy, and the bundled one it starts from.
  std::string PostsIniFile;
  std::string BundledPostsIni;
};

// Fills every work-file path from exeDir (which ends in a separator) and the folders derived from it.
void BuildWorkFilePaths(JobPaths& paths, const std::string& exeDir, const std::string& dataDir);

// Where an engraving font is read from: the home first, then the installed fonts.
std::string FontPath(const JobPaths& paths, const std::string& fontFile);

}  // namespace quill
