// The workshop's commands that ask something first: the coordinate window for Move, Rotate and Scale,
// the properties window, the DXF windows for a symbol and for the export, the clipboard, the
// information window, Undo and Redo.
#include <QClipboard>
#include <QGuiApplication>

#include "artwork/art_workshop.h"
#include "artwork/coordinate_dlg.h"
#include "artwork/dxf_import_options.h"
#include "artwork/dxf_status_form.h"
#include "artwork/edit_properties_dlg.h"
#include "artwork/information_form.h"
#include "artwork/symbol_dlg.h"
#include "artwork/workshop/clipboard.h"
#include "artwork/workshop/dxf_export.h"
#include "artwork/workshop/edit_commands.h"
#include "artwork/workshop/properties.h"
#include "artwork/workshop/session.h"
#include "artwork/workshop/symbol.h"
#include "job/job.h"
#include "shell/help_window.h"
#include "shell/latin1.h"
#include "shell/main_window_choosers.h"

namespace quill {

namespace {

constexpr const char* kDxfFilter = "DXF Files (*.DXF)|*.DXF";
constexpr const char* kDxfExtension = "DXF";

}  // namespace

void TArtWorkshop::ExportDxf() {
  Session().EndTool();
  std::string file = choosers_->SaveFile(this, job_.paths.ExeDir, kDxfFilter, kDxfExtension, true);
  if (!file.empty()) quill::ExportDxf(job_.ui, doc_, file, ExportScope::SelectedOrAll);
  Changed();
}

void TArtWorkshop::CutOrCopy(bool cut) {
  Run([this, cut] {
    std::string text = cut ? CutSelection(job_, doc_) : CopySelection(job_, doc_);
    QGuiApplication::clipboard()->setText(Latin1(text));
  });
}

// The system clipboard's text, or what the last Copy left in clip.txt when it holds none.
void TArtWorkshop::Paste() {
  std::string text = Latin1(QGuiApplication::clipboard()->text());
  if (text.empty()) text = ReadClipFile(job_);
  Session().StartPaste(text);
  Changed();
}

void TArtWorkshop::EditProperties() {
  EntityProperties props;
  if (doc_.SelectedCount() != 1 || !SelectedProperties(job_.ui, doc_, props)) return;
  Run([&] { properties_->Edit(props, [this](const EntityProperties& p) { return ApplyProperties(job_.ui, doc_, p); }); });
}

void TArtWorkshop::InsertSymbol() {
  Session().EndTool();
  std::string file = choosers_->OpenFile(this, {}, kDxfFilter, kDxfExtension);
  if (file.empty() || !dxfImport_.Ask(true)) return;
  std::vector<tgEntity> symbol;
  if (!ReadDxfSymbol(job_, file, dxfImport_.Options(), dxfImport_.Status(), symbol)) return;
  SymbolPlacement at;
  if (!symbol_->Ask(at)) return;
  Run([&] { PlaceSymbol(job_.ui, doc_, std::move(symbol), at); });
}

void TArtWorkshop::MoveSelection() {
  if (doc_.SelectedCount() == 0) return;
  CoordinateEntry entry{.prompt = "Amount to Translate", .zShown = false};
  if (!coordinates_->Ask(entry)) return;
  Run([&] { MoveSelected(job_.ui, doc_, entry.values[0], entry.values[1]); });
}

void TArtWorkshop::RotateSelection() {
  if (doc_.SelectedCount() == 0) return;
  CoordinateEntry entry{.prompt = "Base/Amount of Rotation"};
  entry.captions[2] = "Rotation Angle";
  if (!coordinates_->Ask(entry)) return;
  Run([&] { RotateSelected(job_.ui, doc_, entry.values[0], entry.values[1], entry.values[2]); });
}

void TArtWorkshop::ScaleSelection() {
  if (doc_.SelectedCount() == 0) return;
  CoordinateEntry entry{.prompt = "Base/Amount To Scale", .values = {0, 0, 1}};
  entry.captions[2] = "New Scale";
  if (!coordinates_->Ask(entry)) return;
  Run([&] { ScaleSelected(job_.ui, doc_, entry.values[0], entry.values[1], entry.values[2]); });
}

void TArtWorkshop::ShowInformation() {
  information_->ShowFigures(doc_);
  information_->show();
  information_->raise();
}

// A command under way is ended first: its picks belong to the drawing as it was.
void TArtWorkshop::UndoOrRedo(bool undo) {
  Session().EndTool();
  Run([this, undo] { undo ? doc_.Undo() : doc_.Redo(); });
}

void TArtWorkshop::ShowHelp() {
  ShowHelpPage(context_, "Art_Workshop");
}

}  // namespace quill
