// One job: everything the program's stages share while it runs.  Passed explicitly, so tests can hold
// as many independent jobs as they like.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "job/flags.h"
#include "job/paths.h"
#include "job/preferences.h"
#include "job/settings.h"
#include "job/view_state.h"

namespace quill {

class Ui;

struct SurfacePoint {
  double X = 0, Y = 0, Z = 0;
};

class Job {
 public:
  explicit Job(Ui& ui) : ui(ui) {}
  Job(const Job&) = delete;
  Job& operator=(const Job&) = delete;

  Ui& ui;
  JobFlags flags;
  JobPaths paths;
  EngravingSettings settings;
  Preferences prefs;
  ViewState view;

  // The text to engrave: the lines of the text editor.
  std::vector<std::string> text;
  // Characters picked in the special-character window, waiting to be inserted.
  std::string specialChars;

  double zeroTolerance = 0.001;
  double fontCurveTolerance = 0.001;  // taken over from FCTOL when the settings dialog is confirmed
  double toolPathTolerance = 0.01;
  int textDecimals = 5;
  bool artWorkshopOption = false;

  std::array<SurfacePoint, 8> surfacePoints{};
  int surfacePointCount = 0;
  bool toolNormalToSurface = false;
  bool toolOnTopOfSurface = true;
};

}  // namespace quill
