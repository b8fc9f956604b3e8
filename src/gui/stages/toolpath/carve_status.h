// "3D Font Carving In Process": the carving run's two bars, "Character:" (the pieces of the letter
// being carved) and "Total:" (the records of the text path read), and Cancel.  The window closes only
// after Cancel or once the run has read the whole text path.
#pragma once

#include <QDialog>

#include "toolpath/carve/carve_progress.h"

class QProgressBar;
class QPushButton;

namespace quill {

class Tcarvestat : public QDialog, public CarveProgress {
  Q_OBJECT

 public:
  explicit Tcarvestat(QWidget* parent = nullptr);

  void Begin(long totalRecords) override;
  bool Total(long records) override;
  bool Character(long pieces, long ofPieces) override;
  void End() override;

  bool Cancelled() const { return cancelled_; }
  QProgressBar* CharacterBar() const { return character_; }
  QProgressBar* TotalBar() const { return total_; }
  QPushButton* CancelButton() const { return cancel_; }

 public slots:
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  bool Finished() const;

  QProgressBar* character_;
  QProgressBar* total_;
  QPushButton* cancel_;
  bool cancelled_ = false;
};

}  // namespace quill
