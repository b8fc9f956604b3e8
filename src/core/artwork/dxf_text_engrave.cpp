// Where drawing texts meet the engraving settings, the project reader and the text path generator.
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "artwork/dxf_scratch.h"
#include "artwork/dxf_text.h"
#include "job/job.h"
#include "mathlib/constants.h"
#include "mathlib/number_text.h"
#include "project/project_reader.h"
#include "records/textpath_record.h"
#include "textpath/text_path_session.h"

namespace quill {

namespace {

std::string Setting(double v) {
  return FloatToText(false, v);
}

// Degrees as typed in the drawing: the trip through radians leaves no 29.999999999999996 behind.
std::string AngleSetting(double radians) {
  return Setting(std::round(radians * RadToDeg * 1e9) / 1e9);
}

}  // namespace

DxfTextEngraver::DxfTextEngraver(Job& job)
    : job_(job), settingsBefore_(job.settings), fontBefore_(job.paths.EngraveFontFile) {}

DxfTextEngraver::~DxfTextEngraver() {
  Finish();
}

void DxfTextEngraver::Finish() {
  if (!session_) return;
  session_->Finish();
  session_.reset();
  job_.text = std::move(editorText_);
}

void DxfTextEngraver::Abandon() {
  const bool engraved = session_ != nullptr;
  Finish();
  job_.settings = settingsBefore_;
  job_.paths.EngraveFontFile = fontBefore_;
  if (!engraved) return;
  const std::string& path = job_.paths.TextPathFileName;
  std::error_code ec;
  if (hadTextPath_) {
    std::filesystem::resize_file(path, textPathSize_, ec);
  } else {
    std::filesystem::remove(path, ec);
  }
  job_.flags.TextPathGenerated = hadTextPath_;
}

void DxfTextEngraver::LoadSettings(ScratchFolder& scratch) {
  const std::string& path = job_.paths.DxfTextProject;
  std::FILE* probe = path.empty() ? nullptr : std::fopen(path.c_str(), "rb");
  if (!probe) return;
  std::fclose(probe);
  Job settings(job_.ui);
  settings.paths = job_.paths;
  settings.paths.ArtFileName = scratch.File("DXFTXT.ART");
  settings.settings = job_.settings;
  ProjectRead read = ReadProject(settings, path);
  if (read != ProjectRead::Read && read != ProjectRead::Stopped) return;
  job_.settings = settings.settings;
  job_.paths.EngraveFontFile = settings.paths.EngraveFontFile;
}

void DxfTextEngraver::Engrave(const DxfText& t) {
  if (stopped_ || t.text.empty()) return;
  if (!session_) {
    editorText_ = job_.text;
    // The texts follow a text path only when it is the job's current one; a stale file is not kept.
    hadTextPath_ = job_.flags.TextPathGenerated;
    if (!hadTextPath_) std::remove(job_.paths.TextPathFileName.c_str());
    // The session starts afresh on less than one record: then there is nothing to go back to either.
    std::error_code ec;
    textPathSize_ = hadTextPath_ ? std::filesystem::file_size(job_.paths.TextPathFileName, ec) : 0;
    if (ec || textPathSize_ < TextPathRecordSize) textPathSize_ = 0;
    session_ = std::make_unique<TextPathSession>(job_);
  }
  EngravingSettings& s = job_.settings;
  job_.text = {t.text};
  s.TTYPE = ModeLinear;
  s.TJUST = t.justify == DxfJustify::Centre ? JustCenter : t.justify == DxfJustify::Right ? JustRight : JustLeft;
  s.XSTART = Setting(t.x);
  s.YSTART = Setting(t.y);
  // A right-aligned line ends at its end point.
  if (t.justify == DxfJustify::Right) s.XEND = s.XSTART, s.YEND = s.YSTART;
  s.TEXTHIGH = Setting(t.height);
  s.TANGLE = AngleSetting(t.angle);
  s.TILTANG = AngleSetting(t.oblique);
  s.CHRSPACE = s.WSPACE = Setting(0.125 * t.height);
  if (session_->Generate() == TextPathOutcome::Stopped) {
    stopped_ = true;
    return;
  }
  job_.flags.TextPathGenerated = true;
}

}  // namespace quill
