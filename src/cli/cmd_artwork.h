// quill artwork SUB ...: the drafting tools on the home's artwork file.  Each subcommand is a function
// taking the words after its name, in a file of its own (cmd_artwork_*.cpp), with a row in the table of
// cmd_artwork.cpp; HomeArtwork gives it the artwork to work on.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "artwork/workshop/document.h"
#include "cli_args.h"
#include "commands.h"
#include "job/job.h"
#include "ui/batch_ui.h"

namespace quill::cli {

inline constexpr const char* ArtworkInfoUsage = "quill artwork info";
inline constexpr const char* ArtworkExportUsage = "quill artwork export OUT.dxf [--selected-window X1 Y1 X2 Y2]";
inline constexpr const char* ArtworkOptimizeUsage =
    "quill artwork optimize [--start X Y] [--tolerance T] [--no-duplicates] [--no-merge] [--no-force] [--bridge] "
    "[--simplify T] [--bezier L] [--bezier-tolerance S] [--arc-fit T]";
inline constexpr const char* ArtworkHatchUsage = "quill artwork hatch --angle DEG --spacing D [--tolerance T]";
inline constexpr const char* ArtworkLinearizeUsage = "quill artwork linearize --tolerance T";
inline constexpr const char* ArtworkDeskewUsage =
    "quill artwork deskew [--axis-line X1 Y1 X2 Y2 | --axis-points X1 Y1 X2 Y2] [--origin X Y] "
    "[--known-point X Y TX TY | --known-distance X Y D | --scale S]";
inline constexpr const char* ArtworkModifyUsage =
    "quill artwork modify [--offset DX DY] [--scale SX SY] [--rotate DEG] [--optimize [--end-tolerance T]]";

int CmdArtworkInfo(const Words& words);       // cmd_artwork.cpp
int CmdArtworkExport(const Words& words);     // cmd_artwork.cpp
int CmdArtworkOptimize(const Words& words);   // cmd_artwork_optimize.cpp
int CmdArtworkHatch(const Words& words);      // cmd_artwork_hatch.cpp
int CmdArtworkLinearize(const Words& words);  // cmd_artwork_linearize.cpp
int CmdArtworkDeskew(const Words& words);     // cmd_artwork_deskew.cpp
int CmdArtworkModify(const Words& words);     // cmd_artwork_modify.cpp

// Takes "--name N1 N2 ..." (count numbers) out of the words into numbers; nothing there leaves numbers
// empty.  False, with the reason in error, when the numbers are missing or not numbers.
bool TakeNumbers(Words& words, const std::string& name, size_t count, std::optional<std::vector<double>>& numbers,
                 std::string& error);
// The number given to the value option name (parsed by ParseArgs), into value when it is there.  False,
// with the reason in error, when it is not a number.
bool NumberOption(const Args& args, const std::string& name, double& value, std::string& error);

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
  // Saves and prints the number of records the artwork file holds: the exit status.
  int SaveAndCount();

  BatchUi ui;
  Job job;
  WorkshopDocument doc;
};

}  // namespace quill::cli
