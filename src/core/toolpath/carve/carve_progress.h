// The "3D Font Carving In Process" window as carving sees it: two bars and a Cancel button.
#pragma once

namespace quill {

class Ui;

class CarveProgress {
 public:
  virtual ~CarveProgress() = default;
  // The window opens; "Total:" runs to the number of records of the text path.
  virtual void Begin(long totalRecords) = 0;
  // "Total:" stands at records read; false once Cancel was pressed.
  virtual bool Total(long records) = 0;
  // "Character:" stands at the pieces carved of the current character; false once Cancel was pressed.
  virtual bool Character(long pieces, long ofPieces) = 0;
  virtual void End() = 0;
};

// The window through the Ui's one progress display: "Total:" is its bar; a character's pieces only
// let the windows breathe and look for Cancel.  Headless it shows nothing and never cancels.
class UiCarveProgress : public CarveProgress {
 public:
  explicit UiCarveProgress(Ui& ui) : ui_(ui) {}
  void Begin(long totalRecords) override;
  bool Total(long records) override;
  bool Character(long pieces, long ofPieces) override;
  void End() override;

 private:
  Ui& ui_;
};

}  // namespace quill
