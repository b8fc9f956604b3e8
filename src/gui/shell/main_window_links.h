// What the main window asks of windows that other parts of the program build, beyond opening them
// through the WindowDirectory.  A window offers a link by deriving from it; the main window finds the
// window among the application's windows, so neither side includes the other.
#pragma once

#include <string>

namespace quill {

// The NC-code generator window ("TNCPOSTForm"): Generate NC-Code hands it the chosen file name, which
// it keeps and shows in its "Output File Name :" panel (the NC code is written when the operator
// presses its Start).
class NcFileNameLink {
 public:
  virtual ~NcFileNameLink() = default;
  virtual void SetNcFileName(const std::string& fileName) = 0;
};

// The text path window ("TGenForm"): after it closed with OK, whether "Convert to Artwork" is ticked.
class ConvertToArtworkLink {
 public:
  virtual ~ConvertToArtworkLink() = default;
  virtual bool ConvertToArtworkChecked() const = 0;
};

// The raised / inset letters window ("TRaisedLettersDlg"): after it closed with OK and the view was set
// to the text path's box, the letters are made from its fields (hatching, offset, cut distance, angle).
class RaisedLettersLink {
 public:
  virtual ~RaisedLettersLink() = default;
  virtual void GenerateLetters() = 0;
};

// The first window of the application that offers the link, or nullptr.  The window itself is
// dynamic_cast<QWidget*>(link).
NcFileNameLink* FindNcFileNameLink();
ConvertToArtworkLink* FindConvertToArtworkLink();
RaisedLettersLink* FindRaisedLettersLink();

}  // namespace quill
