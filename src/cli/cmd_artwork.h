// quill artwork SUB ...: the drafting tools on the home's artwork file.  Each subcommand is a function
// taking the words after its name, in a file of its own (cmd_artwork_*.cpp), with a row in the table of
// cmd_artwork.cpp; HomeArtwork gives it the artwork to work on.
#pragma once

#include <string>

#include "artwork/workshop/document.h"
#include "commands.h"
#include "job/job.h"
#include "ui/batch_ui.h"

namespace quill::cli {

inline constexpr const char* ArtworkInfoUsage = "quill artwork info";
inline constexpr const char* ArtworkExportUsage = "quill artwork export OUT.dxf [--selected-window X1 Y1 X2 Y2]";

int CmdArtworkInfo(const Words& words);    // cmd_artwork.cpp
int CmdArtworkExport(const Words& words);  // cmd_artwork.cpp

// The home's artwork file as a workshop document with every entity selected, as the toolbox's artwork
// commands take it.
class HomeArtwork {
 public:
  HomeArtwork() : job(ui) {}
  // Starts the job in the home (the reason is printed when the home cannot be used) and loads its
  // artwork; false on failure.
  bool Open(const std::string& home);
  // Writes the document back to the artwork file; false (reported) on failure.
  bool Save();

  BatchUi ui;
  Job job;
  WorkshopDocument doc;
};

}  // namespace quill::cli
