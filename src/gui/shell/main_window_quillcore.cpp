// The Quillcore menu: the text, Generate, the text path's deletion and conversion, the font compiler.
#include <QDialog>
#include <QFileInfo>

#include "app/commands_gates.h"
#include "fonts/font_commands.h"
#include "fonts/font_compiler.h"
#include "fonts/font_decompiler.h"
#include "job/job.h"
#include "picture/picture_area.h"
#include "shell/main_window.h"
#include "shell/main_window_classes.h"
#include "shell/main_window_links.h"
#include "shell/window_directory.h"
#include "ui/ui.h"

namespace quill {

namespace {

// The proposed name in the folder of the file it came from.
std::string BesideFile(const std::string& file, const std::string& name) {
  return (QFileInfo(QString::fromLocal8Bit(file.c_str())).absolutePath() + "/").toStdString() + name;
}

}  // namespace

void TMainform::ShowText() {
  job_.flags.ProjectModified = true;
  OpenWindow(window_class::TextEditor, "The text editor");
}

void TMainform::Generate() {
  if (OpenWindow(window_class::TextPath, "The text path window") == QDialog::Accepted) {
    WaitForDisplay();
    // The generation framed the view by the new text path: the picture shows that window now.
    RunView([](MainView& v) {
      v.SetupView();
      v.Paint();
    });
    ConvertToArtworkLink* link = FindConvertToArtworkLink();
    if (link && link->ConvertToArtworkChecked()) ConvertToArtwork();
  }
  job_.flags.DisplayIdle = true;
}

void TMainform::DeleteCurrentText() {
  if (quill::DeleteCurrentText(job_)) Refresh();
}

void TMainform::ConvertToArtwork() {
  if (!ConvertToArtworkCommand(job_)) return;
  Picture().View().ClearPicture();
  Picture().RequestRedraw();
}

// The file to read, then the file to write proposed beside it, then the conversion under the hourglass.
void TMainform::ConvertFontFile(const FontFileKind& from, const FontFileKind& to,
                                const std::function<void(const std::string&, const std::string&)>& convert) {
  std::string input = choosers_->OpenFile(this, job_.paths.FontDir, from.filter, from.extension);
  if (input.empty()) return;
  std::string output = choosers_->SaveFile(this, BesideFile(input, to.propose(input)), to.filter, to.extension, true);
  if (output.empty()) return;
  BusyScope busy(job_.ui);
  convert(input, output);
}

void TMainform::CompileFont() {
  ConvertFontFile({FontSourceFilter, FontSourceExtension, ProposedSourceName},
                  {CompiledFontFilter, CompiledFontExtension, ProposedFontName},
                  [this](const std::string& in, const std::string& out) { quill::CompileFont(job_.ui, in, out); });
}

void TMainform::DecompileFont() {
  ConvertFontFile({CompiledFontFilter, CompiledFontExtension, ProposedFontName},
                  {FontSourceFilter, FontSourceExtension, ProposedSourceName},
                  [this](const std::string& in, const std::string& out) { quill::DecompileFont(job_.ui, in, out); });
}

}  // namespace quill
