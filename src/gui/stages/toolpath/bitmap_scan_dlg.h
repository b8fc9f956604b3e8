// "3D Bitmap Scanner": the picture cut as a relief and the area of the work plane it covers.  The
// picture is loaded from a file in any format Qt reads or pasted from the clipboard, and kept in the
// home as 3DSCAN.BMP, so the last one comes back.  The values stay in the window while the program
// runs; the project does not keep them.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "pixels/bmp.h"
#include "shell/help_contexts.h"
#include "toolpath/scan/bitmap_scan.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace quill {

class ExprField;
class Job;
class ScanPictureView;

class TDlgBitscan : public QDialog {
  Q_OBJECT

 public:
  // What "Load Bitmap" asks the operator: the picture file, or "" after Cancel.
  using FileChooser = std::function<std::string(QWidget* parent)>;

  explicit TDlgBitscan(Job& job, QWidget* parent = nullptr);

  void SetHelpOpener(HelpPageOpener opener) { help_ = std::move(opener); }
  void SetFileChooser(FileChooser chooser) { choose_ = std::move(chooser); }

  // Shows the window modally in the middle of a tool path run (with the normal cursor); true after OK.
  bool Ask();
  // The values and the picture of the last OK.
  const BitmapScanArea& Area() const { return area_; }
  const Picture& ScanPicture() const { return picture_; }

  // The fields by their control names: Xmin, Xmax, Xstep, Ymin, Ymax, Ystep.
  ExprField* Field(const std::string& name) const;
  QCheckBox* InvertBox() const { return invert_; }
  QCheckBox* UnidirectionalBox() const { return unidirectional_; }
  ScanPictureView* View() const { return view_; }
  QLabel* SizeLabel() const { return size_; }

 public slots:
  void accept() override;
  // "Load Bitmap": a file chosen, read and kept.
  void LoadBitmap();
  // "Paste Bitmap": the clipboard's picture taken and kept.
  void PasteBitmap();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildLayout();
  void TakePicture(PictureRead read);
  void ShowPicture();

  Job& job_;
  HelpPageOpener help_;
  FileChooser choose_;
  BitmapScanArea area_;
  Picture picture_;
  std::vector<ExprField*> fields_;
  QCheckBox* invert_;
  QCheckBox* unidirectional_;
  ScanPictureView* view_;
  QLabel* size_;
};

}  // namespace quill
