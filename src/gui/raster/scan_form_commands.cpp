// The commands of the Scan/Trace/Convert window: the picture's files, printing and scanning, its
// edits, raster to vector, the marks and leaving the window.
#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "app/home.h"
#include "artwork/coordinate_dlg.h"
#include "job/job.h"
#include "mathlib/number_text.h"
#include "raster/effects_dlg.h"
#include "raster/picture_qt.h"
#include "raster/raster_settings_dlg.h"
#include "raster/scan_form.h"
#include "raster/scanner_dlg.h"
#include "raster/trace_picture_view.h"
#include "shell/main_window_choosers.h"
#include "ui/ui.h"

namespace quill {

namespace {

constexpr const char* kSaveFilter = "Windows Bitmap    (BMP) |*.BMP";
// The scanner writes its picture here before it is read.
constexpr const char* kScanFile = "QPSCAN.TIF";

bool IsBitmapName(const std::string& name) {
  return name.size() > 4 && UpperCased(name.substr(name.size() - 4)) == ".BMP";
}

}  // namespace

void TScanForm::NewPicture() {
  session_.Document().Clear();
  PictureChanged();
}

void TScanForm::OpenPicture() {
  std::string path = choosers_->OpenFile(this, {}, PictureOpenFilter(), "BMP");
  if (path.empty()) return;
  PictureRead read;
  {
    BusyScope busy(job_.ui);
    read = LoadPictureFile(job_.ui, path);
  }
  if (!read.Ok()) return job_.ui.Warn(read.error);
  if (read.picture.Empty()) return;
  session_.Document().Replace(std::move(read.picture), path);
  PictureChanged();
}

// The picture is written as a Windows bitmap: under its name when that is one, else as Save As.
void TScanForm::SavePicture() {
  const std::string& name = session_.Document().Name();
  if (name.empty() || !IsBitmapName(name)) {
    SavePictureAs();
    return;
  }
  if (!session_.Document().Save(name)) job_.ui.Warn("Picture File access error [" + name + "]");
}

bool TScanForm::SavePictureAs() {
  std::string proposed = session_.Document().Name();
  if (!proposed.empty() && !IsBitmapName(proposed)) proposed = proposed.substr(0, proposed.find_last_of('.')) + ".BMP";
  std::string path =
      choosers_->SaveFile(this, proposed.empty() ? job_.paths.ExeDir : proposed, kSaveFilter, "BMP", true);
  if (path.empty()) return false;
  if (session_.Document().Save(path)) return true;
  job_.ui.Warn("Picture File access error [" + path + "]");
  return false;
}

void TScanForm::PrintPicture() {
  QPrinter printer;
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted) PrintTo(printer);
}

void TScanForm::PrintTo(QPrinter& printer) {
  QImage image = ToQImage(session_.Document().Image());
  if (image.isNull()) return;
  QPainter p(&printer);
  QRect page = p.viewport();
  double scale =
      std::min(static_cast<double>(page.width()) / image.width(), static_cast<double>(page.height()) / image.height());
  p.scale(scale, scale);
  p.drawImage(0, 0, image);
  for (const Annotation& a : session_.Document().Marks()) {
    p.setPen(QPen(QColor(a.colour & 0xFF, (a.colour >> 8) & 0xFF, (a.colour >> 16) & 0xFF), 2 / scale));
    if (a.kind == AnnotationKind::Line) {
      p.drawLine(QPointF(a.x1 + 0.5, a.y1 + 0.5), QPointF(a.x2 + 0.5, a.y2 + 0.5));
    } else {
      QFont font("Arial");
      font.setPixelSize(std::max(1, a.size));
      p.setFont(font);
      p.drawText(QPointF(a.x1 + 0.5, a.y1 + 0.5), QString::fromLatin1(a.text.c_str()));
    }
  }
}

void TScanForm::SelectScanner() {
  ScanSettings settings = ReadScanSettings(job_);
  if (scanner_->Ask(settings)) WriteScanSettings(job_, settings);
}

// A scanner chosen before is used at once; without one the operator picks one first.
void TScanForm::ScanPicture() {
  ScanSettings settings = ReadScanSettings(job_);
  if (settings.device.empty()) {
    if (!scanner_->Ask(settings)) return;
    WriteScanSettings(job_, settings);
  }
  Picture scanned = Scan(job_.ui, settings, job_.paths.ExeDir + kScanFile);
  if (scanned.Empty()) return;
  session_.Document().Replace(std::move(scanned), "");
  PictureChanged();
  raise();
  activateWindow();
}

void TScanForm::Exit() {
  if (leaving_) return;
  leaving_ = true;
  view_->GiveUpWaiting();
  LeaveWindows windows;
  windows.saveAs = [this] { return SavePictureAs(); };
  windows.scalePoint = [this](double& x, double& y) {
    CoordinateEntry entry;
    entry.prompt = "Coordinates for Scaling Point";
    entry.values = {x, y, 0};
    entry.zShown = false;
    if (!coordinates_.Ask(entry)) return false;
    x = entry.values[0];
    y = entry.values[1];
    return true;
  };
  artworkChanged_ = session_.Leave(windows);
  leaving_ = false;
  done(session_.RasterToVectorDone() ? QDialog::Accepted : QDialog::Rejected);
}

void TScanForm::Undo() {
  session_.Document().Undo();
  PictureChanged();
}

// Cut and Copy take the area dragged with Shift, or the whole picture.
void TScanForm::CutOrCopy(bool cut) {
  PixelRect area = view_->Selection();
  Picture piece = cut ? session_.Document().Cut(area) : session_.Document().Copy(area);
  if (piece.Empty()) return;
  QApplication::clipboard()->setImage(ToQImage(piece));
  if (cut) PictureChanged();
}

// Pasted at the corner of the area dragged with Shift (the picture's corner without one); with no
// picture, the pasted one becomes the picture.
void TScanForm::Paste() {
  Picture piece = FromQImage(QApplication::clipboard()->image());
  if (piece.Empty()) return;
  PixelRect at = view_->Selection();
  session_.Document().Paste(piece, at.x, at.y);
  PictureChanged();
}

void TScanForm::Rotate() {
  std::string value = "90.0";
  if (!job_.ui.Input("Picture Rotation", "Angle to Rotate", value)) return;
  std::optional<double> degrees = StrictToDouble(value);
  if (!degrees) return job_.ui.Warn("Invalid Input");
  BusyScope busy(job_.ui);
  if (!session_.Document().Rotate(*degrees)) return job_.ui.Warn("The picture turned by that angle would be too large");
  PictureChanged();
}

void TScanForm::Flip() {
  session_.Document().Flip();
  PictureChanged();
}

void TScanForm::Effects() {
  PictureEffects effects;
  if (session_.Document().Image().Empty() || !effects_->Ask(session_.Document().Image(), effects)) return;
  BusyScope busy(job_.ui);
  session_.Document().Effects(effects);
  PictureChanged();
}

void TScanForm::RasterToVector() {
  if (session_.Document().Image().Empty()) return job_.ui.Warn("There is no picture to vectorize");
  if (!settings_->Ask()) return;
  session_.RasterToVector(settings_->Settings(), ChooseVectorizer(job_, ExecutableDir()));
  ShowStatus();
}

void TScanForm::ToggleMode() {
  view_->SetEditing(!view_->Editing());
  mode_->setText(view_->Editing() ? "Editing" : "Drawing");
}

// The mark goes where the operator clicks next; Escape or the right button gives up.
void TScanForm::PlaceMark(const char* letter, const char* what) {
  if (view_->Waiting()) return;
  session_.BeginMark();
  prompt_ = QString("Click %1 in the picture (Esc or the right button cancels)").arg(what);
  ShowStatus();
  bool clicked = view_->WaitForClick();
  prompt_.clear();
  if (clicked) session_.PlaceMark(letter, view_->Zoom());
  view_->AnnotationsChanged();
  ShowStatus();
}

}  // namespace quill
