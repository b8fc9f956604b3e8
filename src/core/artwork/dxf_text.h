// Texts of a drawing are engraved, not drawn: each TEXT entity sets the engraving settings to its place,
// size and angle and runs the text path generator, which adds it to the text path; the import's caller
// turns that text path into artwork afterwards.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "job/settings.h"

namespace quill {

class Job;
class ScratchFolder;
class TextPathSession;

// A drawing text's "%%" sequences as the engraving fonts' characters: "%%c" the diameter sign (129),
// "%%d" the degree sign (127), "%%nnn" the character nnn; any other "%%" sequence is dropped.
std::string DecodeDxfText(std::string_view s);

enum class DxfJustify { Left, Centre, Right };

struct DxfText {
  std::string text;  // decoded
  double x = 0, y = 0;
  double height = 0;
  double angle = 0;    // radians
  double oblique = 0;  // radians
  DxfJustify justify = DxfJustify::Left;
};

// Engraves the texts of one import through one text path session (the font open, the text path file
// open, lines of equal text and size laid out once).  The operator's own text in the editor is put
// back when the import ends; the settings the texts changed stay, as after every import.
class DxfTextEngraver {
 public:
  explicit DxfTextEngraver(Job& job);
  ~DxfTextEngraver();
  DxfTextEngraver(const DxfTextEngraver&) = delete;
  DxfTextEngraver& operator=(const DxfTextEngraver&) = delete;

  // DXFTXT.QLM, when the home has one: the settings the drawing's texts are engraved with.  Its own
  // artwork and text are read into scratch, never into the job.
  void LoadSettings(ScratchFolder& scratch);
  void Engrave(const DxfText& t);
  // Closes the text path; the texts engraved are all in it.
  void Finish();
  // Closes the text path and takes the texts engraved out of it again: the text path, the text in the
  // editor and the engraving settings are as they were before the import.
  void Abandon();

 private:
  Job& job_;
  EngravingSettings settingsBefore_;
  std::string fontBefore_;
  bool hadTextPath_ = false;    // the job's text path before the first text, which the texts were added to
  uintmax_t textPathSize_ = 0;  // its size then
  std::unique_ptr<TextPathSession> session_;
  bool stopped_ = false;  // the generator could not run (a missing font): the rest are not tried
  std::vector<std::string> editorText_;
};

}  // namespace quill
