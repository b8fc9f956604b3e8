#include "geometry/entity_report.h"

#include <string>

#include "geometry/entity.h"
#include "ui/batch_ui.h"

namespace quill {

double EntityTolerance = DefaultEntityTolerance;

namespace {

Ui* reportUi = nullptr;

Ui& CurrentUi() {
  static BatchUi fallback;
  return reportUi ? *reportUi : fallback;
}

}  // namespace

void ReportKindError(const char* label, const tgEntity& e) {
  CurrentUi().Error(std::string(label) + " called with " + e.KindName());
}

GeometryUiScope::GeometryUiScope(Ui& ui) : saved_(reportUi) {
  reportUi = &ui;
}

GeometryUiScope::~GeometryUiScope() {
  reportUi = saved_;
}

}  // namespace quill
